#include "ui/printing/Printing.h"

#include <QAction>
#include <QPageSetupDialog>
#include <QPdfWriter>
#include <QBuffer>
#include <QPrinter>
#include <QPrinterInfo>

#include "model/Options.h"
#include "ui/printing/LayoutCommands.h"
#include "ui/printing/OpenDesignPrinting.h"
#include "ui/printing/PreviewModel.h"
#include "ui/printing/PreviewWindow.h"
#include "ui/printing/PrintDialog.h"
#include "ui/printing/PrintRangeDialog.h"
#include "ui/printing/PrintRunner.h"
#include "ui/printing/SaveAsGraphicDialog.h"
#include "ui/printing/SaveAsTemplateDialog.h"
#include "ui/shell/CommandHost.h"
#include "ui/shell/DesignWindow.h"
#include "ui/shell/MainWindow.h"

namespace {

// Where the last job went, so the next dialog starts there.
PrintTarget& lastTarget()
{
    static PrintTarget target{QPrinterInfo::defaultPrinterName(), {}};
    return target;
}

int runDialog(QDialog& dialog) { return printingDialogRunner()(dialog); }

void setUpPrinter(QWidget* parent, const QString& printerName)
{
    QPrinter& printer = printingPrinter();
    if (!printerName.isEmpty())
        printer.setPrinterName(printerName);
    QPageSetupDialog dialog(&printer, parent);
    runDialog(dialog);
}

// The print dialog, shown again between the passes with the turning instructions.
std::function<bool(PrintSettings&)> secondPassDialog(QWidget* parent, PrintForm& form, const PrintTarget& target)
{
    return [parent, &form, target](PrintSettings& back) {
        form.enterSecondPass();
        PrintDialog dialog(form, target, parent);
        dialog.setObjectName(QStringLiteral("SecondPassDialog"));
        if (runDialog(dialog) != QDialog::Accepted)
            return false;
        back.cropMarks = form.cropMarks;
        back.cornerMarks = form.cornerMarks;
        back.flip = form.flip;
        return true;
    };
}

// The page device the preview composes for: the chosen printer, or a PDF
// page like the one a file gets.
struct PreviewDevice {
    QBuffer buffer;
    std::unique_ptr<QPdfWriter> writer;
    QPagedPaintDevice* device = nullptr;

    explicit PreviewDevice(const PrintTarget& target)
    {
        if (!target.toFile() && !QPrinterInfo::printerInfo(target.printerName).isNull()) {
            printingPrinter().setPrinterName(target.printerName);
            device = &printingPrinter();
            return;
        }
        writer = std::make_unique<QPdfWriter>(&buffer);
        writer->setResolution(600);
        const QPageSize page(Options::current().metricUnits ? QPageSize::A4 : QPageSize::Letter);
        writer->setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF()));
        device = writer.get();
    }
};

void previewPasses(MainWindow& window, DesignWindow& design, PrintForm& form, const PrintRun& run)
{
    const PrintSettings& s = run.settings;
    const bool both = s.side1 && s.side2;
    PrintSettings passSettings = s;
    bool printed = false;
    for (int pass = 0; pass < (both ? 2 : 1); ++pass) {
        if (pass == 1 && !secondPassDialog(&window, form, run.target)(passSettings))
            return;
        const int32_t side = pass == 1 || !s.side1 ? 1 : 0;
        PreviewDevice device(run.target);
        PreviewModel model(design.document(), passSettings, side, *device.device);
        if (!model.ready())
            return;
        PreviewWindow preview(model, &window);
        if (!run.target.toFile() || !run.target.pdfPath.isEmpty())
            preview.setPrintAction([&preview, &window, &printed, &model, run] {
                PrintRangeDialog range(model.pageCount(), &preview);
                if (runDialog(range) != QDialog::Accepted)
                    return;
                printed = true;
                preview.accept();
                PrintRun ranged = run;
                ranged.settings.firstPage = range.firstPage();
                ranged.settings.lastPage = range.lastPage();
                ranged.settings.copies = range.copies();
                runPrintWithProgress(&window, ranged);
            });
        runDialog(preview);
        if (printed)
            return;
    }
}

void printCommand(MainWindow& window, bool preview)
{
    DesignWindow* design = window.activeDesignWindow();
    if (!design)
        return;
    DesignDocument& document = design->document();
    PrintData data;
    if (!openDocumentData(document, data))
        return;
    const Options& options = Options::current();
    PrintForm form(document.layout(), data.recordCount(), options.cropMarks, options.cornerMarks);
    PrintDialog dialog(form, lastTarget(), &window);
    dialog.setUpPrinter = [&dialog](const QString& name) { setUpPrinter(&dialog, name); };
    dialog.setForPreview(preview);
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    lastTarget() = dialog.target();
    PrintRun run;
    run.document = &document;
    run.settings = dialog.settings();
    run.settings.setOrientation = options.setOrientation;
    run.target = dialog.target();
    run.printer = &printingPrinter();
    run.turnPaper = secondPassDialog(&window, form, run.target);
    if (preview)
        previewPasses(window, *design, form, run);
    else
        runPrintWithProgress(&window, run);
    window.afterDesignChange();
}

// A Save As command: its form filled in by its dialog, then saved from the active design.
template <class Form, class Dialog>
void saveAsCommand(MainWindow& window, const std::function<void(Form&, DesignDocument&)>& save)
{
    DesignWindow* design = window.activeDesignWindow();
    if (!design)
        return;
    Form form;
    Dialog dialog(form, &window);
    if (runDialog(dialog) != QDialog::Accepted || !form.okEnabled())
        return;
    save(form, design->document());
    window.afterDesignChange();
}

void saveAsGraphicCommand(MainWindow& window)
{
    saveAsCommand<SaveAsGraphicForm, SaveAsGraphicDialog>(window, [](SaveAsGraphicForm& form, DesignDocument& document) {
        form.exportCard(document.editor.card(), document.editor.zoom);
    });
}

void saveAsTemplateCommand(MainWindow& window)
{
    saveAsCommand<SaveAsTemplateForm, SaveAsTemplateDialog>(
        window, [](SaveAsTemplateForm& form, DesignDocument& document) { form.save(document); });
}

} // namespace

QPrinter& printingPrinter()
{
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

DialogRunner& printingDialogRunner()
{
    static DialogRunner runner = [](QDialog& dialog) { return dialog.exec(); };
    return runner;
}

void installPrinting(MainWindow& window, FamilyServices& services)
{
    using R = CommandRule;
    MainWindow* w = &window;
    CommandHost& commands = window.commands();
    commands.add({.name = "SaveAsTemplateMI", .caption = "Save As &Template...", .rule = R::Window,
                  .menu = {Menu::File, 50}, .run = [w] { saveAsTemplateCommand(*w); }});
    commands.add({.name = "SaveAsGraphicMI", .caption = "Save As &Graphic...", .rule = R::Window,
                  .menu = {Menu::File, 60}, .run = [w] { saveAsGraphicCommand(*w); }});
    commands.add({.name = "PrinterSetupMI", .caption = "P&rinter Setup...", .rule = R::Always,
                  .menu = {Menu::File, 110}, .run = [w] { setUpPrinter(w, lastTarget().printerName); }});
    commands.add({.name = "PrintPreviewMI", .caption = "Print Pre&view", .rule = R::Window, .menu = {Menu::File, 120},
                  .button = {Bar::Main, 120, "PrintPreviewBtn", "Print Preview", "document-print-preview"},
                  .run = [w] { printCommand(*w, true); }});
    commands.add({.name = "PrintMI", .caption = "&Print...", .rule = R::Window,
                  .shortcut = QKeySequence(Qt::CTRL | Qt::Key_P), .menu = {Menu::File, 130},
                  .button = {Bar::Main, 110, "PrintBtn", "Print", "document-print"},
                  .run = [w] { printCommand(*w, false); }});
    installLayoutCommands(window, services);
}
