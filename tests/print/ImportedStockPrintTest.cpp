// Stocks imported from the installed stock definitions, printed: every cell of
// the sheet lands where the XML puts its label, within 0.1 mm. Skipped when
// glabels-data is not installed.

#include <gtest/gtest.h>

#include <QDir>

#include "PrintFixtures.h"
#include "files/LayoutFile.h"
#include "files/StockImport.h"
#include "print/SheetSetup.h"

namespace {

constexpr double kPointsPerMillimetre = 72 / 25.4;
constexpr double kToleranceMillimetres = 0.1;

std::optional<StockTemplate> findTemplate(const StockCatalog& catalog, const QString& brand, const QString& part)
{
    for (const StockTemplate& t : catalog.templates)
        if (t.brand == brand && t.part == part)
            return t.equivalentOf.isEmpty() ? std::optional(t) : findTemplate(catalog, brand, t.equivalentOf);
    return std::nullopt;
}

std::optional<LayoutRecord> findLayout(const QString& file, const QString& part)
{
    for (const LayoutRecord& r : readLayoutFile(file))
        if (layoutShownName(r) == part)
            return r;
    return std::nullopt;
}

// Where the word "C<n>" drawn at a region's top-left lies, against its cell.
PrintedPdf printCellNumbers(const LayoutRecord& layout, const QString& folder)
{
    TestDesign design(layout);
    design.addText("C#n", 0, 0);
    PrintSettings settings;
    settings.quantity = layout.elementsPerSheet();
    return printToPdf(design, settings, folder);
}

// How far below its cell's top a word's box starts: the font's ascent as the
// PDF reports it, taken from a cell at a known place.
double wordTopOffset(const QString& folder)
{
    LayoutRecord reference;
    reference.setName("reference");
    reference.elementWidth = 200;
    reference.elementHeight = 100;
    reference.topMargin = 100;
    reference.leftMargin = 100;
    const PrintedPdf pdf = printCellNumbers(reference, folder);
    const std::optional<PdfWord> word = pdf.text.find("C1");
    return word ? word->top - 72 : 0;
}

} // namespace

TEST(ImportedStockPrint, CellsLandWhereTheXmlPutsThem)
{
    const QString source = installedStockFolder();
    if (source.isEmpty())
        GTEST_SKIP() << "glabels-data is not installed (no libglabels-3.0/templates in the data folders)";
    QTemporaryDir dir;
    StockCatalog catalog;
    StockImportReport report;
    ASSERT_TRUE(readStockSource(source, catalog, report));
    writeStockLayoutFiles(stockLayoutFiles(catalog, report), dir.path(), true, report);
    const double topOffset = wordTopOffset(dir.path());

    const std::pair<const char*, const char*> stocks[] = {
        {"Avery", "5160"}, {"Avery", "L7160"}, {"Avery", "L7651"}, {"Avery", "L7676"}, {"Zweckform", "3475"}};
    for (const auto& [brand, part] : stocks) {
        SCOPED_TRACE(std::string(brand) + " " + part);
        const std::optional<StockTemplate> stock = findTemplate(catalog, brand, part);
        ASSERT_TRUE(stock && stock->labels.size() == 1 && stock->labels[0].grids.size() == 1);
        const StockGrid& grid = stock->labels[0].grids[0];
        const std::optional<LayoutRecord> layout = findLayout(dir.filePath(QString(brand) + ".LYT"), part);
        ASSERT_TRUE(layout);
        const PrintedPdf pdf = printCellNumbers(*layout, dir.path());
        ASSERT_TRUE(pdf.result.printed) << qPrintable(pdf.result.error);
        ASSERT_EQ(pdf.text.pageCount, 1);
        for (int row = 0; row < grid.rows; ++row)
            for (int column = 0; column < grid.columns; ++column) {
                const int n = row * grid.columns + column + 1;
                const std::optional<PdfWord> word = pdf.text.find(QStringLiteral("C%1").arg(n));
                ASSERT_TRUE(word) << "cell " << n;
                const double left = double(grid.left.millimetres + column * grid.stepX.millimetres);
                const double top = double(grid.top.millimetres + row * grid.stepY.millimetres);
                EXPECT_NEAR(word->left / kPointsPerMillimetre, left, kToleranceMillimetres) << "cell " << n;
                EXPECT_NEAR((word->top - topOffset) / kPointsPerMillimetre, top, kToleranceMillimetres) << "cell " << n;
            }
    }
}
