// Reading stock definition XML: lengths in every unit, the template fields,
// and input that is damaged, hostile or simply not there.

#include <gtest/gtest.h>

#include <cmath>

#include "files/StockXml.h"

namespace {

QByteArray templates(const QByteArray& body)
{
    return "<?xml version=\"1.0\"?>\n<Glabels-templates>\n" + body + "\n</Glabels-templates>\n";
}

StockCatalog read(const QByteArray& xml, bool expectOk = true)
{
    StockCatalog catalog;
    QString error;
    EXPECT_EQ(readStockXml(xml, catalog, &error), expectOk) << qPrintable(error);
    return catalog;
}

const QByteArray kRectangle = R"(
  <Template brand="Testbrand" part="T-30" size="US-Letter" _description="Address Labels">
    <Meta category="label"/><Meta category="mail"/>
    <Label-rectangle id="0" width="2.625in" height="1in" round="0.0625in">
      <Markup-margin size="0.0625in"/>
      <Layout nx="3" ny="10" x0="0.15625in" y0="0.5in" dx="2.78125in" dy="1in"/>
    </Label-rectangle>
  </Template>)";

} // namespace

TEST(StockLength, ReadsEveryUnit)
{
    struct Case {
        const char* text;
        double millimetres;
        StockUnit unit;
    };
    const Case cases[] = {
        {"12.5mm", 12.5, StockUnit::Millimetre}, {"1in", 25.4, StockUnit::Inch},
        {"72pt", 25.4, StockUnit::Point},        {"72", 25.4, StockUnit::Point},
        {"1.2cm", 12, StockUnit::Centimetre},    {"6pc", 25.4, StockUnit::Pica},
        {" 3 mm ", 3, StockUnit::Millimetre},    {"-2mm", -2, StockUnit::Millimetre},
        {"1.5e1mm", 15, StockUnit::Millimetre},  {"2.08167e-17pt", 0, StockUnit::Point},
    };
    for (const Case& c : cases) {
        const auto length = parseStockLength(QString::fromLatin1(c.text));
        ASSERT_TRUE(length) << c.text;
        EXPECT_NEAR(double(length->millimetres), c.millimetres, 1e-9) << c.text;
        EXPECT_EQ(length->unit, c.unit) << c.text;
    }
}

TEST(StockLength, RefusesWhatIsNoLength)
{
    for (const char* text : {"", "mm", "12 furlongs", "nan", "inf", "1e400mm", "20000mm", "1,5mm", "1e", "0x10mm",
                             "1.2.3in", "--1in"})
        EXPECT_FALSE(parseStockLength(QString::fromLatin1(text))) << text;
}

TEST(StockLength, HundredthsOfEitherUnit)
{
    EXPECT_EQ(roundedHundredths(25.4L, kLayoutInch), 100);
    EXPECT_EQ(roundedHundredths(63.5L, kLayoutMillimetre), 6350);
    EXPECT_EQ(roundedHundredths(66.675L, kLayoutInch), 263);  // 2.625 in rounds to the nearest hundredth
    EXPECT_NEAR(double(hundredthsToMillimetres(100, kLayoutInch)), 25.4, 1e-12);
}

TEST(StockXml, ReadsATemplateAndItsGrid)
{
    const StockCatalog catalog = read(templates(kRectangle));
    ASSERT_EQ(catalog.templates.size(), 1u);
    const StockTemplate& t = catalog.templates[0];
    EXPECT_EQ(t.brand, "Testbrand");
    EXPECT_EQ(t.part, "T-30");
    EXPECT_EQ(t.description, "Address Labels");
    EXPECT_EQ(t.paperId, "US-Letter");
    EXPECT_EQ(t.categories, (QStringList{"label", "mail"}));
    EXPECT_TRUE(t.damage.isEmpty());
    ASSERT_EQ(t.labels.size(), 1u);
    const StockLabel& label = t.labels[0];
    EXPECT_EQ(label.shape, StockShape::Rectangle);
    EXPECT_NEAR(double(label.width.millimetres), 66.675, 1e-9);
    ASSERT_EQ(label.grids.size(), 1u);
    const StockGrid& g = label.grids[0];
    EXPECT_EQ(g.columns, 3);
    EXPECT_EQ(g.rows, 10);
    EXPECT_NEAR(double(g.left.millimetres), 3.96875, 1e-9);
    EXPECT_NEAR(double(g.stepX.millimetres), 70.64375, 1e-9);
}

TEST(StockXml, ShapesPapersAndEquivalents)
{
    const StockCatalog catalog = read(R"(<?xml version="1.0"?>
<Glabels-templates xmlns="http://glabels.org/xmlns/3.0/">
  <Template brand="Testbrand" part="R1" size="A4" description="Round">
    <Label-round id="0" radius="20mm"><Layout nx="4" ny="6" x0="10mm" y0="10mm" dx="45mm" dy="45mm"/></Label-round>
  </Template>
  <Template brand="Testbrand" part="D1" size="Other" width="200mm" height="250mm" _description="Disc">
    <Label-cd id="0" radius="58.5mm" hole="20mm"><Layout nx="1" ny="2" x0="40mm" y0="5mm" dy="120mm"/></Label-cd>
  </Template>
  <Template brand="Testbrand" part="D2" size="US-Letter" _description="Card disc">
    <Label-cd id="0" radius="1.5in" width="2.3in" hole="0.3in"><Layout nx="3" ny="3" x0="0.5in" y0="0.6in" dx="2.5in" dy="3.3in"/></Label-cd>
  </Template>
  <Template brand="Testbrand" part="E1" size="A4"><Label-ellipse id="0" width="60mm" height="30mm"><Layout nx="1" ny="1" x0="0" y0="0"/></Label-ellipse></Template>
  <Template brand="Testbrand" part="R2" equiv="R1"/>
  <Template brand="Testbrand" part="P1" size="A4"><Label-path id="0"><Layout nx="1" ny="1"/></Label-path></Template>
</Glabels-templates>)");
    ASSERT_EQ(catalog.templates.size(), 6u);
    const StockLabel& round = catalog.templates[0].labels.at(0);
    EXPECT_EQ(round.shape, StockShape::Round);
    EXPECT_NEAR(double(round.width.millimetres), 40, 1e-9);
    EXPECT_NEAR(double(round.height.millimetres), 40, 1e-9);
    const StockTemplate& disc = catalog.templates[1];
    ASSERT_TRUE(disc.paperWidth && disc.paperHeight);
    EXPECT_NEAR(double(disc.paperHeight->millimetres), 250, 1e-9);
    EXPECT_FALSE(disc.labels.at(0).cutDisc);
    EXPECT_NEAR(double(disc.labels.at(0).grids.at(0).stepY.millimetres), 120, 1e-9);
    const StockLabel& card = catalog.templates[2].labels.at(0);
    EXPECT_TRUE(card.cutDisc);
    EXPECT_NEAR(double(card.width.millimetres), 2.3 * 25.4, 1e-9);
    EXPECT_NEAR(double(card.height.millimetres), 3 * 25.4, 1e-9);
    EXPECT_EQ(catalog.templates[3].labels.at(0).shape, StockShape::Ellipse);
    EXPECT_EQ(catalog.templates[4].equivalentOf, "R1");
    EXPECT_TRUE(catalog.templates[4].labels.empty());
    EXPECT_EQ(catalog.templates[5].unknownShapes, 1);
    EXPECT_TRUE(catalog.templates[5].labels.empty());
}

TEST(StockXml, ReadsPaperSizes)
{
    const StockCatalog catalog = read(R"(<Glabels-paper-sizes>
  <Paper-size id="A4" _name="A4" width="210mm" height="297mm"/>
  <Paper-size id="US-Letter" width="8.5in" height="11in"/>
  <Paper-size id="Broken" width="wide" height="11in"/>
  <Paper-size id="Zero" width="0" height="11in"/>
</Glabels-paper-sizes>)");
    ASSERT_EQ(catalog.papers.size(), 2);
    EXPECT_NEAR(double(catalog.papers["US-Letter"].width.millimetres), 215.9, 1e-9);
    EXPECT_NEAR(double(catalog.papers["A4"].height.millimetres), 297, 1e-9);
}

// A value that cannot be read damages its template, and only that one.
TEST(StockXml, DamagedValuesMarkTheirTemplate)
{
    struct Case {
        const char* name;
        const char* label;
        const char* why;
    };
    const Case cases[] = {
        {"no width", R"(<Label-rectangle height="1in"><Layout nx="1" ny="1"/></Label-rectangle>)", "width"},
        {"bad length", R"(<Label-rectangle width="1 furlong" height="1in"><Layout nx="1" ny="1"/></Label-rectangle>)",
         "width"},
        {"huge count", R"(<Label-rectangle width="1in" height="1in"><Layout nx="99999" ny="1"/></Label-rectangle>)",
         "nx"},
        {"zero count", R"(<Label-rectangle width="1in" height="1in"><Layout nx="0" ny="1"/></Label-rectangle>)", "nx"},
        {"no step", R"(<Label-rectangle width="1in" height="1in"><Layout nx="2" ny="1"/></Label-rectangle>)", "dx"},
        {"no radius", R"(<Label-round><Layout nx="1" ny="1"/></Label-round>)", "radius"},
    };
    for (const Case& c : cases) {
        const QByteArray xml = templates(
            QByteArray(R"(<Template brand="B" part="bad" size="A4">)") + c.label +
            R"(</Template><Template brand="B" part="good" size="A4"><Label-rectangle width="1in" height="1in"><Layout nx="1" ny="1"/></Label-rectangle></Template>)");
        const StockCatalog catalog = read(xml);
        ASSERT_EQ(catalog.templates.size(), 2u) << c.name;
        EXPECT_TRUE(catalog.templates[0].damage.contains(QLatin1String(c.why)))
            << c.name << ": " << qPrintable(catalog.templates[0].damage);
        EXPECT_TRUE(catalog.templates[1].damage.isEmpty()) << c.name;
    }
}

TEST(StockXml, BrokenDocumentsKeepWhatWasComplete)
{
    QByteArray truncated = templates(kRectangle + kRectangle);
    truncated.chop(60);
    QString error;
    StockCatalog catalog;
    EXPECT_FALSE(readStockXml(truncated, catalog, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(catalog.templates.size(), 1u);

    for (const QByteArray& junk : {QByteArray(), QByteArray("not xml at all"), QByteArray("\x00\xff\xfe", 3),
                                   QByteArray("<a><b></a>")}) {
        StockCatalog none;
        readStockXml(junk, none);
        EXPECT_TRUE(none.templates.empty());
    }
}

TEST(StockXml, RefusesWhatIsTooLarge)
{
    StockCatalog catalog;
    QString error;
    const QByteArray huge(int(kMaxStockXmlBytes) + 1, ' ');
    EXPECT_FALSE(readStockXml(huge, catalog, &error));
    EXPECT_TRUE(error.contains("too large")) << qPrintable(error);
}

// Entities that expand to billions of characters stop at Qt's expansion limit
// instead of eating the memory.
TEST(StockXml, EntityExpansionIsBounded)
{
    QByteArray xml = "<?xml version=\"1.0\"?>\n<!DOCTYPE t [\n<!ENTITY a \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\">\n";
    QByteArray previous = "a";
    for (char name = 'b'; name <= 'k'; ++name) {
        xml += "<!ENTITY " + QByteArray(1, name) + " \"";
        for (int i = 0; i < 10; ++i)
            xml += "&" + previous + ";";
        xml += "\">\n";
        previous = QByteArray(1, name);
    }
    xml += "]>\n<Glabels-templates><Template brand=\"&k;\" part=\"x\"/></Glabels-templates>";
    StockCatalog catalog;
    EXPECT_FALSE(readStockXml(xml, catalog));
    EXPECT_TRUE(catalog.templates.empty());
}
