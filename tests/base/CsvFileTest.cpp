// Reading and writing delimited text files.

#include <gtest/gtest.h>

#include "MergeFixtures.h"

namespace {

struct ReadCase {
    const char* name;
    QByteArray bytes;
    QStringList names;
    std::vector<QStringList> records;
};

class CsvFileRead : public testing::TestWithParam<ReadCase> {};

TEST_P(CsvFileRead, ReadsNamesAndRecords)
{
    QTemporaryDir dir;
    const ReadCase& c = GetParam();
    const ReadResult result = readDelimited(writeFileBytes(dir.filePath("f.csv"), c.bytes));
    ASSERT_TRUE(result.opened);
    EXPECT_EQ(result.names, c.names);
    EXPECT_EQ(result.fieldCount, c.names.size());
    ASSERT_EQ(result.records.size(), c.records.size());
    for (size_t i = 0; i < c.records.size(); ++i)
        EXPECT_EQ(result.records[i], c.records[i]) << "record " << i;
}

const QByteArray kLongField(10000, 'x');

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvFileRead,
    testing::Values(
        ReadCase{"QuotedComma", "A,B,C\r\n1,\"x,y\",3\r\n", {"A", "B", "C"}, {{"1", "x,y", "3"}}},
        ReadCase{"DoubledQuote", "A,B\r\n\"say \"\"hi\"\"\",2\r\n", {"A", "B"}, {{"say \"hi\"", "2"}}},
        ReadCase{"QuotedLineBreak", "A,B\r\n\"one\r\ntwo\",2\r\n", {"A", "B"}, {{"one\r\ntwo", "2"}}},
        ReadCase{"QuotedLfBecomesCrLf", "A,B\n\"one\ntwo\",2\n", {"A", "B"}, {{"one\r\ntwo", "2"}}},
        ReadCase{"MidFieldQuote", "A,B\r\nab\"c,d\"e,z\r\n", {"A", "B"}, {{"abc,de", "z"}}},
        ReadCase{"NamesOnly", "A,B\r\n", {"A", "B"}, {}},
        ReadCase{"LastLineWithoutEnd", "A,B\r\n1,2\r\n3,4", {"A", "B"}, {{"1", "2"}, {"3", "4"}}},
        ReadCase{"SingleFieldLastLineWithoutEnd", "Text\r\nhello\r\nworld", {"Text"}, {{"hello"}, {"world"}}},
        ReadCase{"TrailingCommaCountsAField", "a,b,\r\n1,2,3\r\n", {"a", "b", ""}, {{"1", "2", "3"}}},
        ReadCase{"EmptyLineIsOneEmptyValue", "A,B\r\n1,2\r\n\r\n3,4\r\n", {"A", "B"}, {{"1", "2"}, {""}, {"3", "4"}}},
        // Line ends of every kind end a line, and nothing after a lone CR is lost.
        ReadCase{"LfLineEnds", "A,B\n1,2\n3,4\n", {"A", "B"}, {{"1", "2"}, {"3", "4"}}},
        ReadCase{"LoneCrLineEnds", "A,B\r1,2\r3,4\r", {"A", "B"}, {{"1", "2"}, {"3", "4"}}},
        ReadCase{"MixedLineEnds", "A,B\r\n1,2\n3,4\r5,6", {"A", "B"}, {{"1", "2"}, {"3", "4"}, {"5", "6"}}},
        // Surplus fields are dropped instead of spilling into the next record.
        ReadCase{"SurplusFieldsSkipped", "A,B\r\n1,2,3,4\r\n5,6\r\n", {"A", "B"}, {{"1", "2"}, {"5", "6"}}},
        ReadCase{"ShortLineKeepsItsValues", "A,B,C\r\n1\r\n", {"A", "B", "C"}, {{"1"}}},
        // A field of any length is read whole.
        ReadCase{"LongFieldReadWhole", "A,B\r\n" + kLongField + ",2\r\n3,4\r\n", {"A", "B"},
                 {{QString::fromLatin1(kLongField), "2"}, {"3", "4"}}},
        // UTF-8 bytes are read as UTF-8, anything else as Windows-1252.
        ReadCase{"Utf8", "N\r\nJos\xC3\xA9\r\n", {"N"}, {{QString::fromUtf8("Jos\xC3\xA9")}}},
        ReadCase{"Utf8WithByteOrderMark", "\xEF\xBB\xBFN\r\nJos\xC3\xA9\r\n", {"N"}, {{QString::fromUtf8("Jos\xC3\xA9")}}},
        ReadCase{"Windows1252", "N\r\nJos\xE9 \x80\r\n", {"N"}, {{QString::fromUtf8("Jos\xC3\xA9 \xE2\x82\xAC")}}},
        ReadCase{"TruncatedUtf8IsWindows1252", "N\r\nab\xC3", {"N"}, {{QString::fromUtf8("ab\xC3\x83")}}}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(TDFile, EmptyOrMissingFileDoesNotOpen)
{
    QTemporaryDir dir;
    CsvFile file;
    EXPECT_FALSE(file.openRead(writeFileBytes(dir.filePath("empty.csv"), QByteArray()), ',', '"'));
    EXPECT_FALSE(file.openRead(dir.filePath("missing.csv"), ',', '"'));
    EXPECT_EQ(file.fieldCount(), 0);
    EXPECT_FALSE(file.readNext());
}

TEST(TDFile, RewindReadsTheNamesAgain)
{
    QTemporaryDir dir;
    CsvFile file;
    ASSERT_TRUE(file.openRead(writeFileBytes(dir.filePath("f.csv"), "A,B\r\n1,2\r\n3,4\r\n"), ',', '"'));
    ASSERT_TRUE(file.readNext());
    ASSERT_TRUE(file.readNext());
    EXPECT_FALSE(file.readNext());
    ASSERT_TRUE(file.rewind());
    EXPECT_EQ(file.values(), QStringList({"A", "B"}));
    ASSERT_TRUE(file.readNext());
    EXPECT_EQ(file.values(), QStringList({"1", "2"}));
    EXPECT_EQ(file.countFields(), 2);
    ASSERT_TRUE(file.readNext());  // counting kept the position
    EXPECT_EQ(file.values(), QStringList({"3", "4"}));
}

TEST(TDFile, RewindWorksPastTheFirstBuffer)
{
    QTemporaryDir dir;
    QByteArray bytes = "A,B\r\n";
    for (int i = 0; i < 20000; ++i)
        bytes += QByteArray::number(i) + ",row\r\n";
    CsvFile file;
    ASSERT_TRUE(file.openRead(writeFileBytes(dir.filePath("f.csv"), bytes), ',', '"'));
    int count = 0;
    while (file.readNext())
        ++count;
    EXPECT_EQ(count, 20000);
    ASSERT_TRUE(file.rewind());
    ASSERT_TRUE(file.readNext());
    EXPECT_EQ(file.values().first(), "0");
}

TEST(TDFile, OtherDelimiterAndQuote)
{
    QTemporaryDir dir;
    CsvFile file;
    ASSERT_TRUE(file.openRead(writeFileBytes(dir.filePath("f.txt"), "A;B\r\n'x;y';2\r\n"), ';', '\''));
    ASSERT_TRUE(file.readNext());
    EXPECT_EQ(file.values(), QStringList({"x;y", "2"}));
}

TEST(TDFile, WritesQuotedWindows1252Lines)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("out.csv");
    CsvFile file;
    ASSERT_TRUE(file.openWrite(path, ';', '\''));  // the writer always uses comma and double quote
    EXPECT_TRUE(file.writeRecord({"A", "B", "C"}));
    EXPECT_TRUE(file.writeRecord({"x", "y\"z", ""}));
    EXPECT_TRUE(file.writeRecord({QString::fromUtf8("Jos\xC3\xA9"), "a,b", "c", "surplus"}));
    EXPECT_TRUE(file.close());
    EXPECT_EQ(readFileBytes(path), QByteArray("\"A\",\"B\",\"C\"\r\n"
                                              "\"x\",\"y\"\"z\",\"\"\r\n"
                                              "\"Jos\xE9\",\"a,b\",\"c\"\r\n"));
    // ... and reads back what it wrote.
    const ReadResult back = readDelimited(path);
    ASSERT_EQ(back.records.size(), 2u);
    EXPECT_EQ(back.records[0], QStringList({"x", "y\"z", ""}));
    EXPECT_EQ(back.records[1], QStringList({QString::fromUtf8("Jos\xC3\xA9"), "a,b", "c"}));
}

TEST(TDFile, WriteFailsWhenNotOpen)
{
    CsvFile file;
    EXPECT_FALSE(file.writeRecord({"a"}));
    QTemporaryDir dir;
    EXPECT_FALSE(file.openWrite(dir.filePath("no/such/folder/out.csv")));
}

} // namespace
