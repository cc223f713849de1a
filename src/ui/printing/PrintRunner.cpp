#include "ui/printing/PrintRunner.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>

#include "base/AppInfo.h"
#include "base/AtomicFile.h"
#include "model/Options.h"
#include "print/PrintTexts.h"
#include "system/Messages.h"
#include "ui/printing/OpenDesignPrinting.h"
#include "ui/printing/PrintingTexts.h"

namespace {

PrintJobCallbacks progressCallbacks(QProgressDialog& progress, const PrintRun& run)
{
    PrintJobCallbacks callbacks;
    callbacks.progress = [&progress](int done, int total) {
        progress.setMaximum(total);
        progress.setValue(done);
        progress.setLabelText(PrintingTexts::printingPage(done, total));
    };
    callbacks.keepResponsive = [] { QCoreApplication::processEvents(); };
    callbacks.cancelled = [&progress] { return progress.wasCanceled(); };
    callbacks.turnPaper = run.turnPaper;
    return callbacks;
}

PrintJobResult printToFile(const PrintRun& run, const PrintJobCallbacks& callbacks)
{
    PrintJobResult result;
    AtomicFile file(run.target.pdfPath);
    if (!file.open()) {
        result.error = PrintTexts::cannotWriteFile(run.target.pdfPath) + "\n" + file.errorString();
        return result;
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(600);
        writer.setCreator(AppInfo::productTitle());
        // The page the layout does not decide ("<<None>>", or the option off).
        const QPageSize page(Options::current().metricUnits ? QPageSize::A4 : QPageSize::Letter);
        writer.setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF()));
        result = printOpenDesign(*run.document, writer, run.settings, callbacks);
    }
    if (result.printed && !file.commit()) {
        result.printed = false;
        result.error = PrintTexts::cannotWriteFile(run.target.pdfPath);
    }
    // An uncommitted file is cancelled when it goes: nothing lands under the name.
    return result;
}

PrintJobResult printToPrinter(const PrintRun& run, const PrintJobCallbacks& callbacks)
{
    PrintJobResult result;
    QPrinter& printer = *run.printer;
    if (QPrinterInfo::printerInfo(run.target.printerName).isNull()) {
        result.error = PrintTexts::noSuchPrinter(run.target.printerName);
        return result;
    }
    // A file name left from a set-up dialog would send the job to a file.
    printer.setOutputFileName(QString());
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setPrinterName(run.target.printerName);
    printer.setDocName(PrintTexts::DocumentTitle);
    PrintSettings settings = run.settings;
    // Each side is a job of its own, so the paper can be turned between them.
    settings.documentPerPass = true;
    result = printOpenDesign(*run.document, printer, settings, callbacks);
    if (result.cancelled)
        printer.abort();
    return result;
}

} // namespace

PrintJobResult runPrintWithProgress(QWidget* parent, const PrintRun& run)
{
    QProgressDialog progress(PrintingTexts::Printing, PrintingTexts::Cancel, 0, 1, parent);
    progress.setObjectName(QStringLiteral("PrintProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(400);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    const PrintJobCallbacks callbacks = progressCallbacks(progress, run);
    const PrintJobResult result = run.target.toFile() ? printToFile(run, callbacks) : printToPrinter(run, callbacks);
    progress.close();
    if (!result.printed && !result.cancelled && !result.error.isEmpty())
        Messages::error(result.error);
    return result;
}
