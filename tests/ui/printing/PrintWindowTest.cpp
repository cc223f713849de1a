// Printing from the window: the dialog's messages and controls, a PDF from
// the Print command, the second pass between the two sides, the same pages as
// the command-line program, Cancel on a long job, and the printer set-up.

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QDir>
#include <QTest>
#include <QTimer>

#include "LayoutFixtures.h"
#include "PdfProbe.h"
#include "PrintingFixture.h"
#include "model/DesignObject.h"
#include "model/ObjectManager.h"
#include "print/PrintTexts.h"
#include "ui/printing/PrintDialog.h"
#include "ui/shell/FamilyServices.h"

namespace {

template <class W>
W* child(QWidget& parent, const char* name)
{
    return parent.findChild<W*>(QString::fromLatin1(name));
}

// Fills the print dialog in: the PDF file, then whatever else the test wants.
std::function<int(QDialog&)> printToFile(const QString& path, std::function<void(PrintDialog&)> fill = {})
{
    return [path, fill](QDialog& d) {
        auto* dialog = qobject_cast<PrintDialog*>(&d);
        if (!dialog)
            return int(QDialog::Rejected);
        QComboBox* printers = child<QComboBox>(*dialog, "PrinterCombo");
        printers->setCurrentIndex(printers->count() - 1);
        dialog->choosePdfFile = [path] { return path; };
        child<QPushButton>(*dialog, "ChooseFileBtn")->click();
        if (fill)
            fill(*dialog);
        dialog->tryAccept();
        return dialog->result();
    };
}

void typeInto(QWidget& dialog, const char* field, const QString& text)
{
    QLineEdit* edit = child<QLineEdit>(dialog, field);
    edit->setText(text);
    emit edit->textEdited(text);
}

} // namespace

TEST_F(PrintingFixture, PrintingToAFileWritesTheSheetAndKeepsTheDesign)
{
    DesignWindow& design = openExample();
    // Something to undo: printing and previewing must not lose it.
    trigger("SelectAllMI");
    trigger("CopyMI");
    trigger("PasteMI");
    const int objects = design.document().editor.card().objectCount();
    const QString pdf = dir.filePath("labels.pdf");
    answer = printToFile(pdf);
    trigger("PrintMI");
    answer = [](QDialog& d) {
        if (auto* dialog = qobject_cast<PrintDialog*>(&d)) {
            dialog->tryAccept();
            return d.result();
        }
        return int(QDialog::Accepted);
    };
    trigger("PrintPreviewMI");
    EXPECT_TRUE(design.document().editor.canUndo());
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('|').toStdString();
    const PdfText text = readPdfText(pdf);
    EXPECT_EQ(text.pageCount, 1);
    EXPECT_FALSE(text.words.empty());
    // The region being edited is back on the card, with every object.
    EXPECT_EQ(design.document().editor.card().objectCount(), objects);
    EXPECT_TRUE(design.document().editor.manager().liveRegion().has_value());
}

TEST_F(PrintingFixture, BadEntriesShowTheirMessageAndKeepTheDialogOpen)
{
    openExample();
    struct Case {
        const char* start;
        const char* quantity;
        QString message;
        const char* focused;
    };
    const Case cases[] = {
        {"0", "30", "Please enter a starting position between 1 and 30.", "StartCellEdit"},
        {"abc", "30", "Please enter a starting position between 1 and 30.", "StartCellEdit"},
        {"1", "0", "Please enter a valid quatity to print.", "QuantityEdit"},
    };
    for (const Case& c : cases) {
        recordedMessages().clear();
        QString focused;
        answer = printToFile(dir.filePath("x.pdf"), [&](PrintDialog& dialog) {
            typeInto(dialog, "StartCellEdit", c.start);
            typeInto(dialog, "QuantityEdit", c.quantity);
            dialog.tryAccept();
            focused = dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString();
        });
        trigger("PrintMI");
        EXPECT_EQ(messages.texts().value(0), c.message) << c.start;
        EXPECT_EQ(focused, c.focused) << c.start;
        EXPECT_FALSE(QFileInfo::exists(dir.filePath("x.pdf")));
    }
}

TEST_F(PrintingFixture, PictureClickSetsTheStartCellAndSideTwoResetsIt)
{
    LayoutRecord layout = thirtyUpLayout();
    layout.backPrintable = 1;
    window.newBlankDesign(layout);
    answer = [](QDialog& d) {
        auto* dialog = qobject_cast<PrintDialog*>(&d);
        QWidget* picture = child<QWidget>(*dialog, "StartCellPicture");
        picture->resize(200, 150);
        // 3 across, 10 down, centred: the middle of the picture is cell 14 or 17's row.
        QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(100, 75));
        const QString picked = child<QLineEdit>(*dialog, "StartCellEdit")->text();
        EXPECT_EQ(picked, "17");
        child<QCheckBox>(*dialog, "Side2CB")->click();
        EXPECT_EQ(child<QLineEdit>(*dialog, "StartCellEdit")->text(), "1");
        EXPECT_FALSE(child<QLineEdit>(*dialog, "StartCellEdit")->isEnabled());
        child<QCheckBox>(*dialog, "Side1CB")->click();
        child<QCheckBox>(*dialog, "Side2CB")->click();
        EXPECT_FALSE(child<QPushButton>(*dialog, "OKBtn")->isEnabled());
        return int(QDialog::Rejected);
    };
    trigger("PrintMI");
    EXPECT_EQ(dialogsRun.size(), 1u);
}

TEST_F(PrintingFixture, CalibrateButtonFollowsItsService)
{
    openExample();
    for (bool set : {false, true}) {
        window.services().calibratePrinter =
            set ? FamilyServices::PrinterCalibration([](QWidget*, const QString&) {}) : nullptr;
        bool hidden = !set;
        answer = [&](QDialog& d) {
            hidden = child<QPushButton>(d, "CalibrateBtn")->isHidden();
            return int(QDialog::Rejected);
        };
        trigger("PrintMI");
        EXPECT_EQ(hidden, !set);
    }
}

TEST_F(PrintingFixture, DatabasePanelShowsOnlyWithLinkedRecords)
{
    for (bool linked : {true, false}) {
        if (linked)
            openExample();
        else
            window.newBlankDesign(thirtyUpLayout());
        bool hidden = linked;
        int records = -1;
        answer = [&](QDialog& d) {
            hidden = child<QWidget>(d, "DatabasePanel")->isHidden();
            records = d.findChild<QSpinBox*>("StartRecordEdit")->maximum();
            return int(QDialog::Rejected);
        };
        trigger("PrintMI");
        EXPECT_EQ(hidden, !linked);
        EXPECT_EQ(records > 0, linked);
    }
}

TEST_F(PrintingFixture, CancelStopsALongJobAndLeavesNoFile)
{
    openExample();
    const QString pdf = dir.filePath("long.pdf");
    QFile previous(pdf);
    ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
    previous.write("previous");
    previous.close();
    answer = printToFile(pdf, [this](PrintDialog& dialog) {
        typeInto(dialog, "QuantityEdit", "10000");
        // Cancel as soon as the job lets the window breathe.
        QTimer::singleShot(0, &window, [this] {
            if (auto* progress = window.findChild<QProgressDialog*>("PrintProgress"))
                progress->cancel();
        });
    });
    trigger("PrintMI");
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('|').toStdString();
    ASSERT_TRUE(previous.open(QIODevice::ReadOnly));
    EXPECT_EQ(previous.readAll(), "previous");
    EXPECT_EQ(QDir(dir.path()).entryList({"*.pdf*", ".*pdf*"}, QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(PrintingFixture, PrinterSetupUsesTheSharedPrinter)
{
    QPrinter* seen = nullptr;
    answer = [&seen](QDialog& d) {
        if (auto* setup = qobject_cast<QPageSetupDialog*>(&d))
            seen = setup->printer();
        return int(QDialog::Rejected);
    };
    trigger("PrinterSetupMI");
    EXPECT_EQ(seen, &printingPrinter());
    EXPECT_EQ(dialogsRun.size(), 1u);
}
