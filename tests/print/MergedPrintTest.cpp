// Printing with the real object drawing and merge data: database records
// from a start record with and without cycling, lists and counters per
// element, and the bundled address-label example, read back from the PDF.

#include <gtest/gtest.h>

#include <QFile>

#include "PrintFixtures.h"
#include "print/DesignPrinting.h"
#include "print/PrintData.h"

namespace {

// NAME is "N" and the record index, two digits: N00 … N24.
QString writeNames(const QString& folder, int records)
{
    const QString path = folder + "/names.csv";
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\"NAME\",\"CITY\"\r\n");
    for (int i = 0; i < records; ++i)
        file.write(QString("\"N%1\",\"C%1\"\r\n").arg(i, 2, 10, QChar('0')).toLatin1());
    return path;
}

// The word in each cell of the first sheet, cell → text.
std::map<int, QString> wordsByCell(const PdfText& text, const LayoutRecord& layout)
{
    std::map<int, QString> cells;
    for (const PdfWord& w : text.onPage(0))
        cells[cellOfWord(w, layout)] += w.text;
    return cells;
}

PrintSettings elements(int quantity)
{
    PrintSettings s;
    s.quantity = quantity;
    return s;
}

} // namespace

struct RecordCase {
    const char* name;
    int startRecord;
    bool cycle;
    std::vector<QString> expected;  // element 1, 2, …; empty: nothing printed
};

class MergedRecordsTest : public testing::TestWithParam<RecordCase> {};

TEST_P(MergedRecordsTest, EachElementShowsItsRecord)
{
    const RecordCase& c = GetParam();
    QTemporaryDir dir;
    PrintData data;
    ASSERT_TRUE(data.open(writeNames(dir.path(), 25)));
    ASSERT_EQ(data.recordCount(), 25);
    TestDesign design(thirtyUpLayout());
    design.addText("{-NAME-}");
    PrintSettings s = elements(int(c.expected.size()));
    s.startRecord = c.startRecord;
    s.cycle = c.cycle;
    const PrintedPdf pdf = printToPdf(design, s, dir.path(), data.drawing());
    ASSERT_TRUE(pdf.result.printed);
    const auto cells = wordsByCell(pdf.text, design.layout);
    for (size_t i = 0; i < c.expected.size(); ++i) {
        const auto it = cells.find(int(i) + 1);
        if (c.expected[i].isEmpty())
            EXPECT_EQ(it, cells.end()) << "element " << i + 1 << " shows " << qPrintable(it->second);
        else
            EXPECT_TRUE(it != cells.end() && it->second == c.expected[i]) << "element " << i + 1;
    }
    EXPECT_EQ(cells.size(), size_t(std::count_if(c.expected.begin(), c.expected.end(),
                                                  [](const QString& e) { return !e.isEmpty(); })));
}

INSTANTIATE_TEST_SUITE_P(
    Records, MergedRecordsTest,
    testing::Values(RecordCase{"FromTwentyNoCycle", 20, false, {"N20", "N21", "N22", "N23", "N24", "", "", "", "", ""}},
                    RecordCase{"FromTwentyCycling", 20, true,
                               {"N20", "N21", "N22", "N23", "N24", "N00", "N01", "N02", "N03", "N04"}},
                    RecordCase{"FromFirst", 0, false, {"N00", "N01", "N02"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MergedPrintTest, ListsRunOutAndCountersCount)
{
    QTemporaryDir dir;
    TestDesign design(thirtyUpLayout());
    DesignObject* list = design.addText("");
    list->lines = QStringList{"L1", "L2", "L3", "L4"};
    design.addText("{-_-05_2_-}", 10, 50);
    PrintData noData;
    const PrintedPdf pdf = printToPdf(design, elements(6), dir.path(), noData.drawing());
    ASSERT_TRUE(pdf.result.printed);
    const char* const lists[] = {"L1", "L2", "L3", "L4", nullptr, nullptr};
    const char* const counters[] = {"-05", "-03", "-01", "001", "003", "005"};
    for (int n = 1; n <= 6; ++n) {
        std::vector<QString> inCell;
        for (const PdfWord& w : pdf.text.words)
            if (cellOfWord(w, design.layout) == n)
                inCell.push_back(w.text);
        const auto has = [&inCell](const QString& t) { return std::find(inCell.begin(), inCell.end(), t) != inCell.end(); };
        if (lists[n - 1]) {
            EXPECT_TRUE(has(lists[n - 1])) << n;
        }
        EXPECT_TRUE(has(counters[n - 1])) << n;
        EXPECT_EQ(inCell.size(), lists[n - 1] ? 2u : 1u) << n;
    }
}

TEST(MergedPrintTest, FieldCodesWithoutDataPrintAsCodes)
{
    QTemporaryDir dir;
    TestDesign design(thirtyUpLayout());
    design.addText("{-NAME-}");
    PrintData noData;
    const PrintedPdf pdf = printToPdf(design, elements(2), dir.path(), noData.drawing());
    EXPECT_EQ(pdf.text.findAll("{-NAME-}").size(), 2u);
}

// The bundled example: every address of its CSV on its label, in order.
TEST(MergedPrintTest, BundledAddressLabelsPrintEveryAddressInOrder)
{
    const QString folder = QStringLiteral(STICKWELL_DATA_SOURCE) + "/examples";
    DesignForPrinting design;
    ASSERT_EQ(design.load(folder + "/address-label.lpd"), 1);
    PrintData data;
    ASSERT_TRUE(data.open(resolveLinkedPath(design.path, design.linkedPath)));
    ASSERT_GE(data.recordCount(), 100);
    QFile csv(folder + "/addresses.csv");
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = csv.readAll().split('\n');
    QTemporaryDir dir;
    const QString out = dir.filePath("labels.pdf");
    PrintSettings s;
    s.quantity = data.recordCount();
    {
        QPdfWriter writer(out);
        writer.setResolution(600);
        PrintDesign job = design.printDesign();
        ASSERT_TRUE(runPrintJob(job, writer, s, data.drawing()).printed);
    }
    const PdfText text = readPdfText(out);
    EXPECT_EQ(text.pageCount, (data.recordCount() + 29) / 30);
    EXPECT_NEAR(text.pageWidth, 612, 1);  // the layout's Letter paper
    // Each label's first word is the first name; it sits where the text
    // object (14, 10) of its label starts.
    for (int r = 0; r < data.recordCount(); ++r) {
        const QString first = QString::fromLatin1(lines[r + 1].split(',')[0]).remove('"');
        const int page = r / 30, cell = r % 30;
        const double x = (19 + (cell % 3) * 274 + 14) * 0.72;
        const double y = (50 + (cell / 3) * 100 + 10) * 0.72;
        bool found = false;
        for (const PdfWord& w : text.onPage(page))
            if (w.text == first && std::abs(w.left - x) < 2 && w.top > y - 2 && w.top < y + 6)
                found = true;
        EXPECT_TRUE(found) << "record " << r << " " << qPrintable(first);
    }
}
