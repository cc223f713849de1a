// Two-sided stock printed from the window: the second-pass dialog comes
// between the sides with the instructions for the way the paper turns, and
// the PDF has the same pages as the command-line program's "--side both".

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>

#include "LayoutFixtures.h"
#include "PdfProbe.h"
#include "PrintingFixture.h"
#include "model/DesignObject.h"
#include "model/ObjectManager.h"
#include "print/PrintTexts.h"
#include "ui/printing/PrintDialog.h"

namespace {

// A flat, back-printable 30-up design with a word on each side.
DesignWindow& twoSidedDesign(MainWindow& window, const QString& path)
{
    LayoutRecord layout = thirtyUpLayout();
    layout.backPrintable = 1;
    DesignWindow& design = *window.newBlankDesign(layout);
    DesignDocument& document = design.document();
    for (int region : {0, 1}) {
        document.showRegion(region);
        DesignObject* text = document.editor.manager().createText(10, 10);
        text->setRect(QRect(10, 10, 150, 30));
        text->lines = {region == 0 ? QStringLiteral("Front") : QStringLiteral("Back")};
    }
    document.showRegion(0);
    document.save(true, [path] { return path; });
    return design;
}

struct PassAnswers {
    QString instructions;
    bool flipChecked = false;
};

} // namespace

TEST_F(PrintingFixture, SecondPassComesBetweenTheSidesAndMatchesTheCommandLine)
{
    for (bool flip : {false, true}) {
        const QString design = dir.filePath(flip ? "flip.lpd" : "top.lpd");
        twoSidedDesign(window, design);
        const QString pdf = dir.filePath(flip ? "window-flip.pdf" : "window-top.pdf");
        dialogsRun.clear();
        QString instructions;
        answer = [&](QDialog& d) {
            auto* dialog = qobject_cast<PrintDialog*>(&d);
            if (d.objectName() == "SecondPassDialog") {
                instructions = d.findChild<QLabel*>("InstructionsLabel")->text();
                EXPECT_FALSE(d.findChild<QCheckBox*>("Side2CB")->isEnabled());
                dialog->tryAccept();
                return d.result();
            }
            QComboBox* printers = d.findChild<QComboBox*>("PrinterCombo");
            printers->setCurrentIndex(printers->count() - 1);
            dialog->choosePdfFile = [pdf] { return pdf; };
            d.findChild<QPushButton*>("ChooseFileBtn")->click();
            d.findChild<QCheckBox*>("Side2CB")->click();
            if (flip)
                d.findChild<QCheckBox*>("FlipCB")->click();
            dialog->tryAccept();
            return d.result();
        };
        trigger("PrintMI");
        ASSERT_EQ(dialogsRun.size(), 2u) << flip;
        EXPECT_EQ(dialogsRun[1], "SecondPassDialog");
        EXPECT_EQ(instructions, PrintTexts::turnInstructions(flip));

        const QString cliPdf = dir.filePath(flip ? "cli-flip.pdf" : "cli-top.pdf");
        QStringList arguments{"print", design, "-o", cliPdf, "--side", "both"};
        if (flip)
            arguments << "--flip";
        QProcess cli;
        cli.start(STICKWELL_CLI, arguments);
        ASSERT_TRUE(cli.waitForFinished(60000));
        ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();

        const PdfText fromWindow = readPdfText(pdf);
        const PdfText fromCli = readPdfText(cliPdf);
        EXPECT_EQ(fromWindow.pageCount, 2);
        EXPECT_EQ(fromWindow.pageCount, fromCli.pageCount);
        ASSERT_EQ(fromWindow.words.size(), fromCli.words.size());
        for (size_t i = 0; i < fromWindow.words.size(); ++i) {
            const PdfWord& a = fromWindow.words[i];
            const PdfWord& b = fromCli.words[i];
            EXPECT_EQ(a.text, b.text);
            EXPECT_EQ(a.page, b.page);
            EXPECT_NEAR(a.left, b.left, 0.5);
            EXPECT_NEAR(a.top, b.top, 0.5);
        }
        EXPECT_TRUE(fromWindow.find("Back").has_value());
    }
}
