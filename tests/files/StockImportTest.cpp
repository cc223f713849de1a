// Stock templates as layout records and layout files: units kept exact where
// they can be, papers and disc shapes mapped, what cannot be held skipped with
// its reason, names unique and within the name field, files written safely.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "files/LayoutFile.h"
#include "files/StockImport.h"

namespace {

StockTemplate templateFrom(const QByteArray& body)
{
    StockCatalog catalog;
    EXPECT_TRUE(readStockXml("<Glabels-templates>" + body + "</Glabels-templates>", catalog));
    EXPECT_EQ(catalog.templates.size(), 1u);
    return catalog.templates.empty() ? StockTemplate{} : catalog.templates.front();
}

QByteArray rectangle(const QByteArray& paper, const QByteArray& size, const QByteArray& layout,
                     const QByteArray& extra = {})
{
    return "<Template brand=\"B\" part=\"P\" " + paper + extra + "><Label-rectangle " + size + "><Layout " + layout +
           "/></Label-rectangle></Template>";
}

StockConversion convert(const QByteArray& body) { return stockToLayout(templateFrom(body), {}); }

} // namespace

TEST(StockToLayout, KeepsEachTemplateInTheUnitThatHoldsItExactly)
{
    // Inches: 30 up on Letter, all in hundredths of an inch.
    const StockConversion letter = convert(rectangle("size=\"US-Letter\"", "width=\"2.63in\" height=\"1in\"",
                                                     "nx=\"3\" ny=\"10\" x0=\"0.19in\" y0=\"0.5in\" dx=\"2.75in\" dy=\"1in\""));
    ASSERT_EQ(letter.skip, StockSkip::None);
    const LayoutRecord& l = letter.record;
    EXPECT_EQ(l.unit, kLayoutInch);
    EXPECT_EQ(l.paperType, 0);
    EXPECT_EQ(l.columns, 3);
    EXPECT_EQ(l.rows, 10);
    EXPECT_EQ(l.elementWidth, 263);
    EXPECT_EQ(l.elementHeight, 100);
    EXPECT_EQ(l.leftMargin, 19);
    EXPECT_EQ(l.topMargin, 50);
    EXPECT_EQ(l.columnSpace, 12);
    EXPECT_EQ(l.rowSpace, 0);
    EXPECT_EQ(letter.roundingMillimetres, 0);

    // Millimetres: 21 up on A4.
    const StockConversion a4 = convert(rectangle("size=\"A4\"", "width=\"63.5mm\" height=\"38.1mm\"",
                                                 "nx=\"3\" ny=\"7\" x0=\"7.2mm\" y0=\"15.15mm\" dx=\"66mm\" dy=\"38.1mm\""));
    ASSERT_EQ(a4.skip, StockSkip::None);
    EXPECT_EQ(a4.record.unit, kLayoutMillimetre);
    EXPECT_EQ(a4.record.paperType, 4);
    EXPECT_EQ(a4.record.elementWidth, 6350);
    EXPECT_EQ(a4.record.topMargin, 1515);
    EXPECT_EQ(a4.record.columnSpace, 250);
    EXPECT_EQ(a4.roundingMillimetres, 0);
}

// Points fit neither unit: the one that moves no edge far wins, and the
// largest shift of any edge (including the far columns) is reported.
TEST(StockToLayout, RoundsPointsAndReportsTheShift)
{
    const StockConversion c = convert(rectangle("size=\"A4\"", "width=\"181.4\" height=\"108\"",
                                                "nx=\"3\" ny=\"7\" x0=\"21.2\" y0=\"43.9\" dx=\"187.2\" dy=\"108\""));
    ASSERT_EQ(c.skip, StockSkip::None);
    EXPECT_EQ(c.record.unit, kLayoutMillimetre);
    EXPECT_EQ(c.record.elementWidth, 6399);  // 181.4 pt = 63.9936 mm
    EXPECT_GT(c.roundingMillimetres, 0);
    EXPECT_LT(c.roundingMillimetres, 0.01L);
    // The third column's left edge, as printed, against the template's.
    const long double printed = (c.record.leftMargin + 2 * (c.record.elementWidth + c.record.columnSpace)) / 100.0L;
    EXPECT_NEAR(double(printed), (21.2 + 2 * 187.2) * 25.4 / 72, double(c.roundingMillimetres) + 1e-9);
}

TEST(StockToLayout, PapersMapToThePaperTableOrUserDefined)
{
    struct Case {
        QByteArray paper;
        int paperType;
        int32_t width, length;  // user-defined only
    };
    const Case cases[] = {
        {"size=\"US-Letter\"", 0, 0, 0},
        {"size=\"US-Legal\"", 1, 0, 0},
        {"size=\"A5\"", 5, 0, 0},
        {"size=\"Other\" width=\"210mm\" height=\"297mm\"", 4, 0, 0},
        {"size=\"Other\" width=\"4in\" height=\"6in\"", 17, 400, 600},
        {"size=\"Other\" width=\"100mm\" height=\"150mm\"", 17, 10000, 15000},
    };
    for (const Case& c : cases) {
        const StockConversion r =
            convert(rectangle(c.paper, "width=\"1in\" height=\"1in\"", "nx=\"1\" ny=\"1\" x0=\"0\" y0=\"0\""));
        ASSERT_EQ(r.skip, StockSkip::None) << c.paper.constData();
        EXPECT_EQ(r.record.paperType, c.paperType) << c.paper.constData();
        EXPECT_EQ(r.record.paperWidth, c.width) << c.paper.constData();
        EXPECT_EQ(r.record.paperLength, c.length) << c.paper.constData();
    }
    // A named size from a paper sizes file.
    QHash<QString, StockPaperSize> papers;
    papers.insert("Postcard", StockPaperSize{*parseStockLength(u"5in"), *parseStockLength(u"7in")});
    const StockConversion named = stockToLayout(
        templateFrom(rectangle("size=\"Postcard\"", "width=\"1in\" height=\"1in\"", "nx=\"1\" ny=\"1\"")), papers);
    ASSERT_EQ(named.skip, StockSkip::None);
    EXPECT_EQ(named.record.paperType, 17);
    EXPECT_EQ(named.record.paperWidth, 500);
}

TEST(StockToLayout, DiscsBecomeDiscStockTypes)
{
    struct Case {
        const char* label;
        uint8_t stockType;
        int32_t width, height;
    };
    const Case cases[] = {
        {R"(<Label-cd radius="2.25in" hole="0.8in"><Layout nx="1" ny="2" x0="2in" y0="0.75in" dy="5in"/></Label-cd>)",
         3, 450, 450},
        {R"(<Label-cd radius="1.5in" width="2.3in" hole="0.3in"><Layout nx="3" ny="3" x0="0.5in" y0="0.6in" dx="2.5in" dy="3.3in"/></Label-cd>)",
         1, 230, 300},
        {R"(<Label-cd radius="1.5in" height="2.3in" hole="0.3in"><Layout nx="3" ny="3" x0="0.5in" y0="0.6in" dx="3.3in" dy="2.5in"/></Label-cd>)",
         2, 300, 230},
        {R"(<Label-round radius="0.75in"><Layout nx="4" ny="5" x0="0.5in" y0="0.75in" dx="2in" dy="2in"/></Label-round>)",
         0, 150, 150},
        {R"(<Label-ellipse width="2in" height="1in"><Layout nx="3" ny="8" x0="0.5in" y0="0.5in" dx="2.5in" dy="1.25in"/></Label-ellipse>)",
         0, 200, 100},
    };
    for (const Case& c : cases) {
        const StockConversion r =
            convert(QByteArray("<Template brand=\"B\" part=\"P\" size=\"US-Letter\">") + c.label + "</Template>");
        ASSERT_EQ(r.skip, StockSkip::None) << c.label;
        EXPECT_EQ(r.record.stockType, c.stockType) << c.label;
        EXPECT_EQ(r.record.elementWidth, c.width) << c.label;
        EXPECT_EQ(r.record.elementHeight, c.height) << c.label;
    }
}

TEST(StockToLayout, SkipsWhatARecordCannotHold)
{
    const QByteArray oneInch = "width=\"1in\" height=\"1in\"";
    struct Case {
        const char* name;
        QByteArray body;
        StockSkip why;
    };
    const Case cases[] = {
        {"damaged", rectangle("size=\"A4\"", "width=\"wide\" height=\"1in\"", "nx=\"1\" ny=\"1\""), StockSkip::Damaged},
        {"unknown paper", rectangle("size=\"Napkin\"", oneInch, "nx=\"1\" ny=\"1\""), StockSkip::UnknownPaper},
        {"tiny label", rectangle("size=\"A4\"", "width=\"2mm\" height=\"10mm\"", "nx=\"1\" ny=\"1\""),
         StockSkip::SizeOutOfRange},
        {"huge label", rectangle("size=\"Other\" width=\"500mm\" height=\"500mm\"", "width=\"450mm\" height=\"10mm\"",
                                 "nx=\"1\" ny=\"1\""),
         StockSkip::SizeOutOfRange},
        {"off the paper", rectangle("size=\"A4\"", oneInch, "nx=\"12\" ny=\"1\" dx=\"1.1in\""), StockSkip::OffPaper},
        {"steps backwards", rectangle("size=\"A4\"", oneInch, "nx=\"2\" ny=\"1\" x0=\"3in\" dx=\"-1.1in\""),
         StockSkip::OffPaper},
        {"too many labels",
         rectangle("size=\"Other\" width=\"5000mm\" height=\"5000mm\"", "width=\"3mm\" height=\"3mm\"",
                   "nx=\"200\" ny=\"200\" dx=\"3mm\" dy=\"3mm\""),
         StockSkip::TooManyLabels},
        {"no layout", "<Template brand=\"B\" part=\"P\" size=\"A4\"><Label-rectangle " + oneInch + "/></Template>",
         StockSkip::NoLabel},
        {"unknown shape",
         "<Template brand=\"B\" part=\"P\" size=\"A4\"><Label-path><Layout nx=\"1\" ny=\"1\"/></Label-path></Template>",
         StockSkip::UnknownShape},
        {"two shapes",
         "<Template brand=\"B\" part=\"P\" size=\"A4\"><Label-rectangle " + oneInch +
             "><Layout nx=\"1\" ny=\"1\"/></Label-rectangle><Label-round radius=\"1in\"><Layout nx=\"1\" ny=\"1\" "
             "y0=\"3in\"/></Label-round></Template>",
         StockSkip::SeveralShapes},
        {"two grids, not one",
         "<Template brand=\"B\" part=\"P\" size=\"A4\"><Label-rectangle " + oneInch +
             "><Layout nx=\"1\" ny=\"1\" x0=\"0.5in\" y0=\"0.5in\"/><Layout nx=\"1\" ny=\"1\" x0=\"3in\" "
             "y0=\"5in\"/></Label-rectangle></Template>",
         StockSkip::SeveralGrids},
    };
    for (const Case& c : cases)
        EXPECT_EQ(convert(c.body).skip, c.why) << c.name;
}

// Two half sheets that together are one regular grid are one layout.
TEST(StockToLayout, GridsThatMakeOneGridCombine)
{
    StockGrid top, bottom;
    top.columns = bottom.columns = 2;
    top.left = bottom.left = *parseStockLength(u"0.75in");
    top.stepX = bottom.stepX = *parseStockLength(u"6.75in");
    top.top = *parseStockLength(u"0.64in");
    bottom.top = *parseStockLength(u"5.6725in");
    const auto grid = combinedGrid({top, bottom});
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->columns, 2);
    EXPECT_EQ(grid->rows, 2);
    EXPECT_NEAR(double(grid->stepY.millimetres), (5.6725 - 0.64) * 25.4, 1e-6);

    // The same place twice, or a hole in the grid, is no grid.
    EXPECT_FALSE(combinedGrid({top, top}));
    StockGrid third = top;
    third.columns = 1;
    third.top = *parseStockLength(u"10.705in");
    EXPECT_FALSE(combinedGrid({top, bottom, third}));
}

namespace {

StockCatalog catalogOf(const QByteArray& body)
{
    StockCatalog catalog;
    EXPECT_TRUE(readStockXml("<Glabels-templates>" + body + "</Glabels-templates>", catalog));
    return catalog;
}

QByteArray stock(const QByteArray& brand, const QByteArray& part, const QByteArray& paper = "A4",
                 const QByteArray& description = "Labels")
{
    return "<Template brand=\"" + brand + "\" part=\"" + part + "\" size=\"" + paper + "\" _description=\"" +
           description +
           "\"><Label-rectangle width=\"1in\" height=\"1in\"><Layout nx=\"2\" ny=\"3\" x0=\"0.5in\" y0=\"0.5in\" "
           "dx=\"1.5in\" dy=\"1.5in\"/></Label-rectangle></Template>";
}

QStringList namesOf(const StockBrandFile& file)
{
    QStringList names;
    for (const LayoutRecord& r : file.records)
        names << r.displayName();
    return names;
}

} // namespace

TEST(StockImport, OneFilePerBrandGroupedByPaper)
{
    StockImportReport report;
    const auto files = stockLayoutFiles(
        catalogOf(stock("Acme", "L10", "A4") + stock("Acme", "L9", "US-Letter") + stock("ACME", "L100", "A4") +
                  stock("Acme", "L2", "A4") + stock("Zed/Co", "Z1") + "<Template brand=\"Acme\" part=\"L11\" equiv=\"L10\"/>"),
        report);
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].fileName, "Acme.LYT");
    EXPECT_EQ(namesOf(files[0]), (QStringList{"===== Letter (8 1/2 x 11 in) =====", "L9<>Labels, 6 per sheet",
                                              "===== A4 (210 x 297 mm) =====", "L2<>Labels, 6 per sheet",
                                              "L10<>Labels, 6 per sheet", "L11<>Labels, 6 per sheet",
                                              "L100<>Labels, 6 per sheet"}));
    EXPECT_EQ(files[1].fileName, "Zed-Co.LYT");

    // Brands whose names make the same file name keep files of their own.
    StockImportReport clash;
    const auto clashing = stockLayoutFiles(catalogOf(stock("A/B", "1") + stock("A-B", "2") + stock("a\\b", "3")), clash);
    ASSERT_EQ(clashing.size(), 3u);
    EXPECT_EQ(clashing[0].fileName, "A-B.LYT");
    EXPECT_EQ(clashing[1].fileName, "A-B (2).LYT");
    EXPECT_EQ(clashing[2].fileName, "a-b (3).LYT");
    EXPECT_EQ(report.imported, 6);
    EXPECT_EQ(report.skippedCount(), 0);
}

TEST(StockImport, NamesAreUniqueAndFitTheNameField)
{
    const QByteArray longDescription = "Extra strong weatherproof polyester labels for outdoor use, laser printers";
    StockImportReport report;
    const auto files = stockLayoutFiles(catalogOf(stock("B", "X1", "A4", longDescription) + stock("B", "X1") +
                                                  stock("B", "x1") + stock("B", "A&lt;&gt;B") +
                                                  stock("B", "PART-NUMBER-THAT-GOES-ON-AND-ON-AND-ON") +
                                                  stock("B", "=====") + stock("B", "Y", "A4", "Caf\xc3\xa9 \xe2\x84\xa2")),
                                        report);
    ASSERT_EQ(files.size(), 1u);
    QSet<QString> shown;
    for (const LayoutRecord& r : files[0].records) {
        EXPECT_LE(r.name.size(), LayoutRecord::kNameSize - 1) << qPrintable(r.displayName());
        if (!layoutSelectable(r))
            continue;
        EXPECT_FALSE(shown.contains(layoutShownName(r).toCaseFolded())) << qPrintable(r.displayName());
        shown.insert(layoutShownName(r).toCaseFolded());
    }
    EXPECT_EQ(shown.size(), 7);
    const QStringList names = namesOf(files[0]);
    EXPECT_TRUE(names.contains("X1 (2)<>Labels, 6 per sheet")) << qPrintable(names.join('\n'));
    EXPECT_TRUE(names.contains("A< >B<>Labels, 6 per sheet")) << qPrintable(names.join('\n'));
    EXPECT_TRUE(names.contains("Part =====<>Labels, 6 per sheet")) << qPrintable(names.join('\n'));
    EXPECT_TRUE(names.contains(QString::fromUtf8("Y<>Caf\xc3\xa9 \xe2\x84\xa2, 6 per sheet")))
        << qPrintable(names.join('\n'));
    // A long description is cut at a word, with an ellipsis.
    const auto cut = std::find_if(names.begin(), names.end(), [](const QString& n) { return n.startsWith("X1<>"); });
    ASSERT_NE(cut, names.end());
    EXPECT_TRUE(cut->endsWith(QChar(0x2026))) << qPrintable(*cut);
    EXPECT_FALSE(cut->contains("per sheet"));
}

TEST(StockImport, SkipsAreCountedWithTheirTemplates)
{
    StockImportReport report;
    stockLayoutFiles(catalogOf(stock("B", "ok") + "<Template brand=\"B\" part=\"gone\" equiv=\"missing\"/>" +
                               "<Template brand=\"B\" part=\"loop\" equiv=\"loop\"/>" + stock("B", "napkin", "Napkin")),
                     report);
    EXPECT_EQ(report.imported, 1);
    EXPECT_EQ(report.skipped[size_t(StockSkip::NoEquivalent)], 2);
    EXPECT_EQ(report.skipped[size_t(StockSkip::UnknownPaper)], 1);
    EXPECT_EQ(report.skippedCount(), 3);
    EXPECT_TRUE(report.skippedTemplates.contains("B napkin: an unknown paper size"))
        << qPrintable(report.skippedTemplates.join('\n'));
}

TEST(StockImport, ReadsAFolderOrOneFileWithItsPaperSizes)
{
    QTemporaryDir dir;
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write("paper-sizes.xml", "<Glabels-paper-sizes><Paper-size id=\"Card\" width=\"4in\" height=\"6in\"/>"
                             "</Glabels-paper-sizes>");
    write("one.xml", "<Glabels-templates>" + stock("B", "C1", "Card") + "</Glabels-templates>");
    write("broken.xml", "<Glabels-templates>" + stock("B", "C2") + "<Template");
    write("notes.txt", "not read");

    const QString out = dir.filePath("out");
    const StockImportReport single = importStockDefinitions(dir.filePath("one.xml"), out, true);
    EXPECT_EQ(single.filesRead, 2);
    EXPECT_EQ(single.imported, 1);
    const auto records = readLayoutFile(out + "/B.LYT");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].paperType, 17);
    EXPECT_EQ(records[1].paperLength, 600);

    const StockImportReport folder = importStockDefinitions(dir.path(), out, true);
    EXPECT_EQ(folder.filesRead, 3);
    EXPECT_EQ(folder.imported, 2);
    ASSERT_EQ(folder.fileProblems.size(), 1);
    EXPECT_TRUE(folder.fileProblems[0].contains("broken.xml")) << qPrintable(folder.fileProblems[0]);

    StockImportReport none;
    StockCatalog catalog;
    EXPECT_FALSE(readStockSource(dir.filePath("missing.xml"), catalog, none));
    EXPECT_FALSE(readStockSource(out, catalog, none));  // a folder without *.xml
}

TEST(StockImport, WritesSafelyAndKeepsFilesWhenAsked)
{
    QTemporaryDir dir;
    StockImportReport report;
    const auto files = stockLayoutFiles(catalogOf(stock("Acme", "L1") + stock("Other", "O1")), report);
    QFile mine(dir.filePath("Acme.LYT"));
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.write("mine");
    mine.close();

    writeStockLayoutFiles(files, dir.path(), false, report);
    EXPECT_EQ(report.keptFiles, QStringList{dir.filePath("Acme.LYT")});
    EXPECT_EQ(report.layoutFiles, QStringList{dir.filePath("Other.LYT")});
    ASSERT_TRUE(mine.open(QIODevice::ReadOnly));
    EXPECT_EQ(mine.readAll(), "mine");
    mine.close();

    StockImportReport replacing;
    writeStockLayoutFiles(files, dir.path(), true, replacing);
    EXPECT_EQ(readLayoutFile(dir.filePath("Acme.LYT")).size(), 2u);

    // A folder that cannot be made or written is reported, never claimed.
    StockImportReport failing;
    writeStockLayoutFiles(files, dir.filePath("Acme.LYT") + "/sub", true, failing);
    EXPECT_FALSE(failing.writeProblems.isEmpty());
    EXPECT_TRUE(failing.layoutFiles.isEmpty());
}

// A new per-user folder gets the stocks of the system's stock definitions,
// without replacing a layout file that is already there.
TEST(StockImport, SeedsANewFolderFromTheInstalledDefinitions)
{
    QTemporaryDir system, user;
    const QString templates = system.filePath("libglabels-3.0/templates");
    ASSERT_TRUE(QDir().mkpath(templates));
    QFile xml(templates + "/acme.xml");
    ASSERT_TRUE(xml.open(QIODevice::WriteOnly));
    xml.write("<Glabels-templates>" + stock("Acme", "L1") + stock("Other", "O1") + "</Glabels-templates>");
    xml.close();
    QFile mine(user.filePath("Acme.LYT"));
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.write(LayoutRecord().toBytes());
    mine.close();

    const QByteArray previous = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_DIRS", QFile::encodeName(system.path()));
    EXPECT_EQ(QDir(installedStockFolder()).canonicalPath(), QDir(templates).canonicalPath());
    seedStocksFromSystem(user.path());
    qputenv("XDG_DATA_DIRS", previous);

    EXPECT_EQ(readLayoutFile(user.filePath("Acme.LYT")).size(), 1u);
    EXPECT_EQ(readLayoutFile(user.filePath("Other.LYT")).size(), 2u);
}
