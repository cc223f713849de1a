// The shipped stock library: enough Letter and A4 stocks, every one usable
// by a design and printable on its paper the way the job turns it.

#include <gtest/gtest.h>

#include <QDir>

#include "files/LayoutFile.h"
#include "model/Folds.h"
#include "print/SheetSetup.h"

TEST(StockLibraryTest, EveryShippedLayoutFitsItsPaper)
{
    const QString folder = QStringLiteral(STICKWELL_DATA_SOURCE) + "/layouts";
    const QStringList files = listLayoutFiles(folder);
    ASSERT_GE(files.size(), 8);
    int stocks = 0, letter = 0, a4 = 0, folded = 0, discs = 0;
    for (const QString& name : files) {
        const std::vector<LayoutRecord> records = readLayoutFile(folder + "/" + name + ".LYT");
        ASSERT_FALSE(records.empty()) << qPrintable(name);
        EXPECT_FALSE(layoutSelectable(records.front())) << qPrintable(name) << " starts with a heading";
        for (const LayoutRecord& r : records) {
            if (!layoutSelectable(r))
                continue;
            ++stocks;
            letter += r.paperType == 0;
            a4 += r.paperType == 4;
            folded += r.foldType != 0;
            discs += r.stockType != 0;
            const QString label = name + ": " + r.displayName();
            EXPECT_TRUE(r.displayName().contains("<>")) << qPrintable(label);
            int32_t w = 0, h = 0;
            r.regionSize(&w, &h);
            EXPECT_TRUE(regionSizeAllowed(w, h)) << qPrintable(label);
            // The page the job prints on holds the whole grid.
            const auto paper = paperForLayout(r);
            ASSERT_TRUE(paper) << qPrintable(label);
            // Millimetres: the inch sizes are rounded to two places.
            QSizeF page = paper->size.size(QPageSize::Millimeter) / 25.4;
            if (paper->orientation == QPageLayout::Landscape)
                page.transpose();
            const SheetGrid o = sheetOptionsForLayout(r);
            EXPECT_LE(o.marginLeft + o.columns * o.columnWidth + (o.columns - 1) * o.columnSpace, page.width() + 1e-3)
                << qPrintable(label);
            EXPECT_LE(o.marginTop + o.rows * o.rowHeight + (o.rows - 1) * o.rowSpace, page.height() + 1e-3)
                << qPrintable(label);
        }
    }
    EXPECT_GE(stocks, 40);
    EXPECT_GE(letter, 15);
    EXPECT_GE(a4, 15);
    EXPECT_GE(folded, 5);
    EXPECT_GE(discs, 5);
}
