// Printing through a real CUPS scheduler: the address example printed from
// the window onto a cups-pdf queue (the dialog's own path through QPrinter)
// and by `stickwell-cli print --printer`, each read back and compared with the
// PDF-file output: every cell's text where it belongs, within half a point.

#include <QComboBox>
#include <QFile>
#include <QProcess>
#include <QPrinterInfo>
#include <QPushButton>

#include "PdfProbe.h"
#include "PrintingFixture.h"
#include "PrivateCupsServer.h"
#include "ui/printing/PrintDialog.h"

namespace {

// The queue's PostScript as a PDF, for pdftotext.
PdfText readQueueOutput(const PrivateCupsServer& cups, const QString& name)
{
    const QString pdf = cups.folder() + "/" + name + ".pdf";
    QProcess ps2pdf;
    ps2pdf.start(QStringLiteral("ps2pdf"), {cups.queueOutput(), pdf});
    if (!ps2pdf.waitForFinished(60000) || ps2pdf.exitCode() != 0)
        return {};
    return readPdfText(pdf);
}

// Glyph names are not text after the CUPS filters: positions are compared.
// The queue's page has the printer's unprintable border; the engine shifts
// every cell by it, so positions on the paper match the file's.
void expectSamePositions(const PdfText& printed, const PdfText& file, const char* what)
{
    ASSERT_EQ(printed.pageCount, file.pageCount) << what;
    ASSERT_FALSE(file.words.empty()) << what;
    int missing = 0;
    for (const PdfWord& expected : file.words) {
        const bool found = std::any_of(printed.words.begin(), printed.words.end(), [&](const PdfWord& w) {
            // A glyph the filters leave without a name may drop out of its word: either edge will do.
            return w.page == expected.page && std::abs(w.top - expected.top) <= 0.5 &&
                   (std::abs(w.left - expected.left) <= 0.5 || std::abs(w.right - expected.right) <= 0.5);
        });
        if (!found && ++missing <= 5)
            ADD_FAILURE() << what << ": nothing printed at " << expected.left << ", " << expected.top << " ("
                          << expected.text.toStdString() << ")";
    }
    EXPECT_EQ(missing, 0) << what;
}

// Answers the print dialog: the given printer, or a PDF file.
std::function<int(QDialog&)> printTo(const QString& printer, const QString& pdf)
{
    return [printer, pdf](QDialog& d) {
        auto* dialog = qobject_cast<PrintDialog*>(&d);
        QComboBox* printers = d.findChild<QComboBox*>("PrinterCombo");
        printers->setCurrentIndex(printer.isEmpty() ? printers->count() - 1 : printers->findText(printer));
        if (printer.isEmpty()) {
            dialog->choosePdfFile = [pdf] { return pdf; };
            d.findChild<QPushButton*>("ChooseFileBtn")->click();
        }
        dialog->tryAccept();
        return d.result();
    };
}

struct CupsPrinting : PrintingFixture {
    std::unique_ptr<PrivateCupsServer> cups;

    void SetUp() override
    {
        if (!PrivateCupsServer::installed())
            GTEST_SKIP() << "cupsd is not installed (" << PrivateCupsServer::kCupsd << ")";
        cups = std::make_unique<PrivateCupsServer>();
        ASSERT_TRUE(cups->problem().isEmpty()) << cups->problem().toStdString();
        cups->useInThisProcess();
    }
    void TearDown() override
    {
        if (cups)
            PrivateCupsServer::useDefaultServer();
    }
};

} // namespace

TEST_F(CupsPrinting, WindowAndCommandLinePrintCellsWhereTheFileHasThem)
{
    openExample();
    const QString pdf = dir.filePath("file.pdf");
    answer = printTo({}, pdf);
    trigger("PrintMI");
    const PdfText file = readPdfText(pdf);

    ASSERT_TRUE(QPrinterInfo::availablePrinterNames().contains(PrivateCupsServer::queueName()))
        << QPrinterInfo::availablePrinterNames().join(",").toStdString();
    answer = printTo(PrivateCupsServer::queueName(), {});
    trigger("PrintMI");
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('|').toStdString();
    ASSERT_TRUE(cups->waitForOutput(60000));
    expectSamePositions(readQueueOutput(*cups, "window"), file, "window");

    QFile::remove(cups->queueOutput());
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("CUPS_SERVER", cups->socketPath());
    cli.setProcessEnvironment(env);
    cli.start(STICKWELL_CLI, {"print", dir.filePath("address-label.lpd"), "--printer", PrivateCupsServer::queueName()});
    ASSERT_TRUE(cli.waitForFinished(60000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    ASSERT_TRUE(cups->waitForOutput(60000));
    expectSamePositions(readQueueOutput(*cups, "cli"), file, "command line");
}
