// The stock library Debian's glabels-data package installs, imported whole,
// and ten well-known stocks compared field by field with their XML. Skipped
// when the package is not installed.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <cmath>

#include "files/LayoutFile.h"
#include "files/StockImport.h"

namespace {

#define SKIP_WITHOUT_INSTALLED_STOCKS(folder)                                                       \
    if ((folder).isEmpty())                                                                         \
    GTEST_SKIP() << "glabels-data is not installed (no libglabels-3.0/templates in the data folders)"

// A template's own attributes and those of its label and grid, read straight
// from the XML (following "equiv"), to hold the import against.
struct RawTemplate {
    QXmlStreamAttributes stock, label, grid;
    QString shape;
};

std::optional<RawTemplate> findRaw(const QString& folder, const QString& brand, const QString& part)
{
    for (const QFileInfo& info : QDir(folder).entryInfoList({"*.xml"}, QDir::Files)) {
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QXmlStreamReader xml(&file);
        std::optional<RawTemplate> raw;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const QXmlStreamAttributes a = xml.attributes();
            if (xml.name() == u"Template") {
                if (raw)
                    return raw;
                if (a.value("brand") == brand && a.value("part") == part) {
                    if (!a.value("equiv").isEmpty())
                        return findRaw(folder, brand, a.value("equiv").toString());
                    raw = RawTemplate{a, {}, {}, {}};
                }
            } else if (raw && xml.name().startsWith(u"Label-")) {
                raw->label = a;
                raw->shape = xml.name().toString();
            } else if (raw && xml.name() == u"Layout") {
                raw->grid = a;
            }
        }
        if (raw)
            return raw;
    }
    return std::nullopt;
}

double millimetres(const QXmlStreamAttributes& a, const char* name, double fallback = 0)
{
    const QStringView value = a.value(QLatin1String(name));
    if (value.isEmpty())
        return fallback;
    const auto length = parseStockLength(value);
    EXPECT_TRUE(length) << name;
    return length ? double(length->millimetres) : 0;
}

double recordMillimetres(const LayoutRecord& r, int64_t value) { return double(hundredthsToMillimetres(value, r.unit)); }

// Half a hundredth of the record's unit: what rounding to hundredths may move a value.
double halfHundredth(const LayoutRecord& r) { return r.unit == kLayoutMillimetre ? 0.005 : 0.127; }

std::optional<LayoutRecord> importedLayout(const QString& folder, const QString& brand, const QString& part)
{
    for (const LayoutRecord& r : readLayoutFile(folder + "/" + brand + ".LYT"))
        if (layoutShownName(r) == part)
            return r;
    return std::nullopt;
}

class InstalledStocks : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        source = new QString(installedStockFolder());
        output = new QTemporaryDir;
        if (!source->isEmpty())
            report = new StockImportReport(importStockDefinitions(*source, output->path(), true));
    }
    static void TearDownTestSuite()
    {
        delete source;
        delete output;
        delete report;
        report = nullptr;
    }
    static QString* source;
    static QTemporaryDir* output;
    static StockImportReport* report;
};
QString* InstalledStocks::source = nullptr;
QTemporaryDir* InstalledStocks::output = nullptr;
StockImportReport* InstalledStocks::report = nullptr;

} // namespace

TEST_F(InstalledStocks, EveryTemplateIsImportedOrSkippedForAReason)
{
    SKIP_WITHOUT_INSTALLED_STOCKS(*source);
    StockCatalog catalog;
    StockImportReport reading;
    ASSERT_TRUE(readStockSource(*source, catalog, reading));
    EXPECT_TRUE(reading.fileProblems.isEmpty()) << qPrintable(reading.fileProblems.join('\n'));
    const int templates = int(catalog.templates.size());
    EXPECT_EQ(report->imported + report->skippedCount(), templates);
    // Nearly all of them fit; what does not is a sheet of several grids, a
    // label past the record's size limit or a grid past its paper.
    EXPECT_GE(report->imported, templates * 95 / 100) << report->imported << " of " << templates;
    for (StockSkip never : {StockSkip::Damaged, StockSkip::UnknownPaper, StockSkip::RoundingTooLarge,
                            StockSkip::BrandFull, StockSkip::UnknownShape})
        EXPECT_EQ(report->skipped[size_t(never)], 0) << qPrintable(stockSkipText(never));
    EXPECT_LT(report->largestRoundingMillimetres, 0.1L);
    EXPECT_TRUE(report->writeProblems.isEmpty()) << qPrintable(report->writeProblems.join('\n'));
}

TEST_F(InstalledStocks, EveryLayoutWrittenIsUsable)
{
    SKIP_WITHOUT_INSTALLED_STOCKS(*source);
    int layouts = 0;
    for (const QString& name : listLayoutFiles(output->path())) {
        const std::vector<LayoutRecord> records = readLayoutFile(output->path() + "/" + name + ".LYT");
        ASSERT_FALSE(records.empty()) << qPrintable(name);
        EXPECT_FALSE(layoutSelectable(records.front())) << qPrintable(name) << " starts with its paper's heading";
        QSet<QString> shown;
        for (const LayoutRecord& r : records) {
            if (!layoutSelectable(r))
                continue;
            ++layouts;
            const QString label = name + ": " + r.displayName();
            EXPECT_TRUE(r.regionSizeInRange()) << qPrintable(label);
            EXPECT_FALSE(shown.contains(layoutShownName(r))) << qPrintable(label);
            shown.insert(layoutShownName(r));
        }
    }
    EXPECT_EQ(layouts, report->imported);
}

// Letter 30-up address, A4 21-up, business cards, shipping, CD labels and a
// CD business card: every field of the record against the XML it came from.
TEST_F(InstalledStocks, WellKnownStocksMatchTheirXml)
{
    SKIP_WITHOUT_INSTALLED_STOCKS(*source);
    struct Case {
        const char* brand;
        const char* part;
        int paperType, rows, columns, stockType;
    };
    const Case cases[] = {
        {"Avery", "5160", 0, 10, 3, 0},        // address labels, 30 per Letter sheet
        {"Avery", "L7160", 4, 7, 3, 0},        // address labels, 21 per A4 sheet
        {"Avery", "5371", 0, 5, 2, 0},         // business cards, Letter
        {"Avery", "L7414", 4, 5, 2, 0},        // business cards, A4
        {"Avery", "5163", 0, 5, 2, 0},         // shipping labels
        {"Zweckform", "3475", 4, 8, 3, 0},     // address labels, 24 per A4 sheet
        {"Avery", "L7651", 4, 13, 5, 0},       // mini address labels, 65 per A4 sheet
        {"Avery", "5931-Disc", 0, 2, 1, 3},    // CD/DVD labels, Letter
        {"Avery", "L7676", 4, 2, 1, 3},        // CD/DVD labels, A4
        {"Online Labels", "OL5575", 0, 3, 3, 1},  // CD business cards, tall
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(c.brand, c.part).toStdString());
        const std::optional<RawTemplate> raw = findRaw(*source, c.brand, c.part);
        ASSERT_TRUE(raw);
        const std::optional<LayoutRecord> r = importedLayout(output->path(), c.brand, c.part);
        ASSERT_TRUE(r);
        EXPECT_EQ(r->paperType, c.paperType);
        EXPECT_EQ(r->stockType, c.stockType);
        EXPECT_EQ(r->rows, raw->grid.value("ny").toInt());
        EXPECT_EQ(r->columns, raw->grid.value("nx").toInt());
        EXPECT_EQ(r->rows, c.rows);
        EXPECT_EQ(r->columns, c.columns);
        EXPECT_TRUE(layoutNote(*r).startsWith(raw->stock.value("_description").toString()))
            << qPrintable(layoutNote(*r));

        const double diameter = 2 * millimetres(raw->label, "radius");
        const double width = millimetres(raw->label, "width", diameter);
        const double height = millimetres(raw->label, "height", diameter);
        const double tolerance = halfHundredth(*r) + 1e-9;
        EXPECT_NEAR(recordMillimetres(*r, r->elementWidth), width, tolerance);
        EXPECT_NEAR(recordMillimetres(*r, r->elementHeight), height, tolerance);
        EXPECT_NEAR(recordMillimetres(*r, r->leftMargin), millimetres(raw->grid, "x0"), tolerance);
        EXPECT_NEAR(recordMillimetres(*r, r->topMargin), millimetres(raw->grid, "y0"), tolerance);
        if (r->columns > 1) {
            EXPECT_NEAR(recordMillimetres(*r, int64_t(r->elementWidth) + r->columnSpace), millimetres(raw->grid, "dx"),
                        tolerance);
        }
        if (r->rows > 1) {
            EXPECT_NEAR(recordMillimetres(*r, int64_t(r->elementHeight) + r->rowSpace), millimetres(raw->grid, "dy"),
                        tolerance);
        }
    }
}
