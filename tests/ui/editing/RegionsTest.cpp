#include "EditingFixtures.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QImage>

#include "files/LayoutFile.h"
#include "model/Folds.h"
#include "ui/editing/EditingCommands.h"

namespace {

LayoutRecord firstLayout(const char* file, bool folded)
{
    for (const LayoutRecord& layout : readLayoutFile(QStringLiteral(STICKWELL_DATA_SOURCE "/layouts/") + file))
        if (layout.regionSizeInRange() && (layout.foldType != 0) == folded)
            return layout;
    ADD_FAILURE() << file;
    return LayoutRecord();
}

QStringList listed(QComboBox* combo)
{
    QCoreApplication::processEvents();
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

} // namespace

TEST_F(EditingFixture, RegionListNamesTheLayoutsRegions)
{
    LayoutRecord flat = defaultLayout();
    flat.foldType = 0;
    flat.backPrintable = 0;
    newDesign(flat);
    EXPECT_EQ(listed(window.regionCombo()), QStringList{"Front"});
    flat.backPrintable = 1;
    newDesign(flat);
    EXPECT_EQ(listed(window.regionCombo()), (QStringList{"Front", "Back"}));
    // Back to the first window: one entry again.
    window.activeDesignWindow();
    const LayoutRecord folded = firstLayout("Folded Business Cards.LYT", true);
    newDesign(folded);
    EXPECT_EQ(listed(window.regionCombo()), regionCaptions(folded.foldType));
    EXPECT_EQ(listed(window.regionCombo()).size(), 3);
}

TEST_F(EditingFixture, SwitchingThroughTheFoldedCardsPanels)
{
    const LayoutRecord folded = firstLayout("Folded Business Cards.LYT", true);
    newDesign(folded);
    QComboBox* regions = window.regionCombo();
    const QStringList captions = listed(regions);
    ASSERT_EQ(captions.size(), 3);
    // One object on each panel, named by its caption; the margins differ too.
    for (int i = 0; i < 3; ++i) {
        regions->setCurrentIndex(i);
        ASSERT_EQ(active().document().regionIndex(), i);
        addText({10 + i, 10, 80, 20}, {captions[i]});
        editor().card().marginLeft = 10 + i;
    }
    editor().markSaved();
    for (int i : {0, 2, 1, 0}) {
        SCOPED_TRACE(i);
        // A change on the shown panel: the switch empties the history.
        active().surface().selectAll();
        active().surface().keyPress(Qt::Key_Right, Qt::NoModifier);
        EXPECT_GT(undoCount(), 0);
        const bool modified = editor().isModified();
        regions->setCurrentIndex(i == 0 ? 1 : 0);
        regions->setCurrentIndex(i);
        EXPECT_EQ(regions->currentText(), captions[i]);
        EXPECT_EQ(undoCount(), 0);
        EXPECT_EQ(editor().isModified(), modified);
        ASSERT_EQ(editor().card().objectCount(), 1);
        EXPECT_EQ(editor().card().object(0)->lines, QStringList{captions[i]});
        EXPECT_EQ(editor().card().marginLeft, 10 + i);
        EXPECT_TRUE(editor().selection().empty());
    }
}

TEST_F(EditingFixture, ABackgroundOnTheSecondPanelPrintsInsideItsMargins)
{
    const LayoutRecord folded = firstLayout("Folded Business Cards.LYT", true);
    newDesign(folded);
    window.regionCombo()->setCurrentIndex(1);
    ASSERT_EQ(active().document().regionIndex(), 1);
    Card& card = editor().card();
    card.marginLeft = 20;
    card.marginRight = 30;
    card.marginTop = 10;
    card.marginBottom = 40;
    QImage red(8, 8, QImage::Format_RGB888);
    red.fill(Qt::red);
    card.backImage.setBitmap(red);
    const QString design = dir.filePath("panel.lpd");
    ASSERT_EQ(active().document().save(true, [&] { return design; }), design);

    QProcess cli;
    cli.start(QStringLiteral(STICKWELL_CLI), {"print", design, "-o", dir.filePath("panel.pdf"), "--quantity", "1"});
    ASSERT_TRUE(cli.waitForFinished(120000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    // At 100 dots per inch one pixel is one design unit.
    QProcess raster;
    raster.start("pdftoppm", {"-r", "100", "-png", "-singlefile", dir.filePath("panel.pdf"), dir.filePath("page")});
    ASSERT_TRUE(raster.waitForFinished(120000));
    const QImage page(dir.filePath("page.png"));
    ASSERT_FALSE(page.isNull());
    QRect found;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 60 && c.blue() < 60)
                found = found.isNull() ? QRect(x, y, 1, 1) : found.united(QRect(x, y, 1, 1));
        }
    ASSERT_FALSE(found.isNull());
    EXPECT_NEAR(found.width(), card.regionWidth() - 50, 2);
    EXPECT_NEAR(found.height(), card.regionHeight() - 50, 2);
}
