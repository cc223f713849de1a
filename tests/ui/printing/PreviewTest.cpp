// The preview: page counts and page buttons for runs of 1, 2 and 334 sheets,
// the zoom list's factors and clicking to zoom.

#include <QAction>
#include <QLabel>
#include <QPdfWriter>
#include <QBuffer>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "PdfProbe.h"
#include "PrintingFixture.h"
#include "ui/printing/PreviewModel.h"
#include "ui/printing/PreviewWindow.h"
#include "ui/printing/PrintDialog.h"
#include "ui/printing/PrintRangeDialog.h"
#include "ui/printing/PrintingTexts.h"

namespace {

struct LetterPage {
    QBuffer buffer;
    QPdfWriter writer{&buffer};
    LetterPage()
    {
        writer.setResolution(600);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
    }
};

PrintSettings elements(int quantity)
{
    PrintSettings s;
    s.quantity = quantity;
    s.setOrientation = false;
    return s;
}

} // namespace

TEST_F(PrintingFixture, PreviewCountsPagesAndMovesBetweenThem)
{
    DesignWindow& design = openExample();
    struct Case {
        int quantity;
        int pages;
    };
    for (const Case c : {Case{30, 1}, Case{31, 2}, Case{10000, 334}}) {
        LetterPage page;
        PreviewModel model(design.document(), elements(c.quantity), 0, page.writer);
        ASSERT_TRUE(model.ready());
        EXPECT_EQ(model.pageCount(), c.pages);
        PreviewWindow preview(model);
        const auto action = [&preview](const char* name) { return preview.findChild<QAction*>(name); };
        const auto status = [&preview] { return preview.findChild<QLabel*>("PageStatus")->text(); };
        EXPECT_EQ(status(), PrintingTexts::pageOfPages(1, c.pages));
        EXPECT_FALSE(action("FirstPageBtn")->isEnabled());
        EXPECT_FALSE(action("PriorPageBtn")->isEnabled());
        EXPECT_EQ(action("NextPageBtn")->isEnabled(), c.pages > 1);
        action("LastPageBtn")->trigger();
        EXPECT_EQ(status(), PrintingTexts::pageOfPages(c.pages, c.pages));
        EXPECT_FALSE(action("NextPageBtn")->isEnabled());
        EXPECT_EQ(action("PriorPageBtn")->isEnabled(), c.pages > 1);
        action("PriorPageBtn")->trigger();
        EXPECT_EQ(model.currentPage(), std::max(c.pages - 2, 0));
        action("FirstPageBtn")->trigger();
        EXPECT_EQ(model.currentPage(), 0);
    }
    // The card is whole again once the preview is gone.
    EXPECT_TRUE(design.document().editor.manager().liveRegion().has_value());
}

TEST_F(PrintingFixture, PreviewZoomFactors)
{
    DesignWindow& design = openExample();
    LetterPage page;
    PreviewModel model(design.document(), elements(30), 0, page.writer);
    const QSize client(800, 1000);
    model.chooseZoomItem(1);  // Fit To Width
    EXPECT_NEAR(model.zoomFactor(client, 96), 780.0 / 96 / 8.5, 1e-9);
    model.chooseZoomItem(0);  // Fit To Page
    EXPECT_NEAR(model.zoomFactor(client, 96), 980.0 / 96 / 11, 1e-9);
    model.chooseZoomItem(6);  // 100%
    EXPECT_EQ(model.panelSize(client, 96), QSize(816, 1056));
    EXPECT_EQ(model.zoomText(client, 96), "100%");
    model.zoomByClick(true, client, 96);
    EXPECT_EQ(model.zoomItem(), 2);  // Custom
    EXPECT_DOUBLE_EQ(model.zoomFactor(client, 96), 1.25);
    for (int i = 0; i < 100; ++i)
        model.zoomByClick(false, client, 96);
    EXPECT_DOUBLE_EQ(model.zoomFactor(client, 96), 0.25);
    for (int i = 0; i < 100; ++i)
        model.zoomByClick(true, client, 96);
    EXPECT_DOUBLE_EQ(model.zoomFactor(client, 96), 20);
    EXPECT_EQ(model.zoomText(client, 96), QLocale().toString(2000.0, 'f', 0) + "%");
}

TEST_F(PrintingFixture, PreviewCommandShowsTheFirstPassAfterTheDialog)
{
    openExample();
    int pages = 0;
    answer = [&pages](QDialog& d) {
        if (auto* preview = qobject_cast<PreviewWindow*>(&d)) {
            pages = preview->model().pageCount();
            return int(QDialog::Accepted);
        }
        auto* dialog = qobject_cast<PrintDialog*>(&d);
        dialog->tryAccept();
        return d.result();
    };
    trigger("PrintPreviewMI");
    EXPECT_EQ(dialogsRun, (std::vector<QString>{"Print", "Preview Form"}));
    EXPECT_EQ(pages, 1);
}

TEST_F(PrintingFixture, PreviewPrintsTheChosenRangeAndCopies)
{
    openExample();
    const QString pdf = dir.filePath("range.pdf");
    answer = [&](QDialog& d) {
        if (auto* dialog = qobject_cast<PrintDialog*>(&d)) {
            QComboBox* printers = d.findChild<QComboBox*>("PrinterCombo");
            printers->setCurrentIndex(printers->count() - 1);
            dialog->choosePdfFile = [pdf] { return pdf; };
            d.findChild<QPushButton*>("ChooseFileBtn")->click();
            QLineEdit* quantity = d.findChild<QLineEdit*>("QuantityEdit");
            quantity->setText("90");
            emit quantity->textEdited("90");
            dialog->tryAccept();
            return d.result();
        }
        if (auto* range = qobject_cast<PrintRangeDialog*>(&d)) {
            EXPECT_EQ(d.findChild<QSpinBox*>("ToEdit")->value(), 3);
            d.findChild<QSpinBox*>("FromEdit")->setValue(3);
            d.findChild<QSpinBox*>("ToEdit")->setValue(2);
            range->tryAccept();
            EXPECT_EQ(d.result(), int(QDialog::Rejected));  // the first after the last
            d.findChild<QSpinBox*>("FromEdit")->setValue(2);
            d.findChild<QSpinBox*>("ToEdit")->setValue(3);
            d.findChild<QSpinBox*>("CopiesEdit")->setValue(2);
            range->tryAccept();
            return d.result();
        }
        d.findChild<QAction*>("PrintBtn")->trigger();
        return int(QDialog::Accepted);
    };
    trigger("PrintPreviewMI");
    EXPECT_EQ(dialogsRun, (std::vector<QString>{"Print", "Preview Form", "PrintRangeDialog"}));
    EXPECT_EQ(messages.texts(), QStringList{PrintingTexts::pageRange(3)});
    EXPECT_EQ(readPdfText(pdf).pageCount, 4);
}
