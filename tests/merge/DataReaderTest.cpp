// The data reader over text files, data link files and personal database files.

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "MergeFixtures.h"
#include "TestSupport.h"
#include "merge/DataReader.h"
#include "merge/FilterSort.h"
#include "pdb/PersonalTable.h"
#include "render/FieldSource.h"

namespace {

// Each test gets a folder and its own text-driver settings file (absent unless written).
class DataReaderTest : public testing::Test {
protected:
    void SetUp() override { DataReader::setTextDriverSettingsFile(dir.filePath("defado.cfg")); }
    void TearDown() override { DataReader::setTextDriverSettingsFile(QString()); }

    QString people() { return writeFileBytes(dir.filePath("people.csv"), peopleCsv()); }
    // Makes the text driver fail so the reader uses its own text-file reader.
    void breakTextDriver() { writeFileBytes(dir.filePath("defado.cfg"), "[ADO]\r\nTextConnect=NoSuchDriver\r\n"); }
    QStringList firstNames(DataReader& reader)
    {
        QStringList names;
        for (int r = 0; r < reader.recordCount(); ++r)
            names << (reader.gotoRecord(r) == r ? reader.fieldValue("FIRSTNAME") : QString("?"));
        return names;
    }

    QTemporaryDir dir;
    MessageRecorder messages;
};

// Both ways of reading a text file must give the same answers.
class TextModes : public DataReaderTest, public testing::WithParamInterface<bool> {
protected:
    void SetUp() override
    {
        DataReaderTest::SetUp();
        if (GetParam())
            breakTextDriver();
    }
};

TEST_P(TextModes, ReadsFieldsRecordsAndComposites)
{
    DataReader reader;
    QStringList fields{"stale"};
    ASSERT_EQ(reader.open(people(), &fields), 5);
    EXPECT_EQ(reader.providerApplied(), !GetParam());
    EXPECT_EQ(fields, QStringList({"FIRSTNAME", "LASTNAME", "ADDRESS", "CITY", "ZIP"}));
    EXPECT_EQ(reader.recordCount(), 4);
    EXPECT_EQ(firstNames(reader), QStringList({"Ann", "Bob", "Cid", "Dee"}));

    struct Case {
        int record;
        QString fieldSpec;
        QString value;
    };
    const std::vector<Case> cases = {
        {0, "lastname", "Smith"},
        {0, "NOSUCH", ""},
        {0, "FIRSTNAME+ +LASTNAME", "Ann Smith"},
        {0, "Dear+ +FIRSTNAME+,", "Dear Ann,"},
        {0, "FIRSTNAME+ +LASTNAME+\r\nADDRESS+\r\nCITY+ +ZIP", "Ann Smith\r\n1 Elm St\r\nBoston 02134"},
        // An empty address line leaves no blank line.
        {1, "FIRSTNAME+ +LASTNAME+\r\nADDRESS+\r\nCITY+ +ZIP", "Bob O'Brien\r\nBerlin 10115"},
        {3, "ZIP+-+CITY", "73301-Austin"},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(reader.gotoRecord(c.record), c.record);
        EXPECT_EQ(reader.fieldValue(c.fieldSpec), c.value) << c.fieldSpec.toStdString();
    }
}

TEST_P(TextModes, GotoRecordForwardBackwardAndPastTheEnd)
{
    DataReader reader;
    ASSERT_GE(reader.open(people()), 0);
    EXPECT_EQ(reader.gotoRecord(4), -1);
    EXPECT_EQ(reader.gotoRecord(-1), -1);
    EXPECT_EQ(reader.gotoRecord(2), 2);
    EXPECT_EQ(reader.fieldValue("FIRSTNAME"), "Cid");
    EXPECT_EQ(reader.gotoRecord(1), 1);
    EXPECT_EQ(reader.fieldValue("FIRSTNAME"), "Bob");
    EXPECT_EQ(reader.gotoRecord(3), 3);
    EXPECT_EQ(reader.fieldValue("FIRSTNAME"), "Dee");
    EXPECT_EQ(reader.gotoRecord(0), 0);
    EXPECT_EQ(reader.fieldValue("FIRSTNAME"), "Ann");
}

// Fields are found by name through an index of the names: it must follow the
// source that is open and find the first of repeated names.
TEST_P(TextModes, RepeatedNamesAndReopenedSources)
{
    DataReader reader;
    ASSERT_GE(reader.open(people()), 0);
    ASSERT_EQ(reader.open(writeFileBytes(dir.filePath("tags.csv"), "Tag,CITY,tag\r\nred,Bonn,blue\r\n")), 3);
    ASSERT_EQ(reader.gotoRecord(0), 0);
    EXPECT_EQ(reader.fieldValue("TAG"), "red");
    EXPECT_EQ(reader.fieldValue("city"), "Bonn");
    EXPECT_EQ(reader.fieldValue("Tag+/+City"), "red/Bonn");
    EXPECT_EQ(reader.fieldValue("FIRSTNAME"), "");
    reader.close();
    EXPECT_EQ(reader.fieldValue("TAG"), "");
}

TEST_P(TextModes, HeaderOnlyFileHasNoRecords)
{
    DataReader reader;
    ASSERT_EQ(reader.open(writeFileBytes(dir.filePath("empty.csv"), "A,B\r\n")), 2);
    EXPECT_EQ(reader.recordCount(), 0);
    EXPECT_EQ(reader.gotoRecord(0), -1);
}

INSTANTIATE_TEST_SUITE_P(Modes, TextModes, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "OwnTextReader" : "TextDriver";
                         });

TEST_F(DataReaderTest, LoadsFilterAndSortFilesBesideTheSource)
{
    const QString path = people();
    writeFileBytes(path + ".flt", "~FIELD FILTER 2.0~\r\nLASTNAME= 'Smith'\r\n");
    writeFileBytes(path + ".srt", "~FIELD SORT 2.0~\r\nFIRSTNAME DESC\r\n");
    DataReader reader;
    ASSERT_EQ(reader.open(path), 5);
    EXPECT_EQ(reader.filter(), "LASTNAME= 'Smith'\r\n");
    EXPECT_EQ(reader.sort(), "FIRSTNAME DESC\r\n");
    EXPECT_EQ(firstNames(reader), QStringList({"Dee", "Ann"}));
    reader.close();
    EXPECT_TRUE(reader.filter().isEmpty());
    EXPECT_FALSE(reader.active());
}

TEST_F(DataReaderTest, OwnTextReaderEvaluatesOnlyContainsFilters)
{
    breakTextDriver();
    const QString path = people();
    DataReader reader;
    ASSERT_GE(reader.open(path), 0);
    ASSERT_FALSE(reader.providerApplied());
    struct Case {
        QString filter;
        QStringList names;
    };
    const std::vector<Case> cases = {
        {"~FIELD FILTER 1.0~\r\nCITY contains b\r\nAND\r\nLASTNAME contains smith\r\n", {"Ann"}},
        {"~FIELD FILTER 1.0~\r\nCITY contains on\r\nOR\r\nFIRSTNAME contains dee\r\n", {"Ann", "Cid", "Dee"}},
        {"~FIELD FILTER 1.0~\r\nNOSPACE\r\n", {}},
        // Anything but a contains filter matches nothing here.
        {"LASTNAME= 'Smith'\r\n", {}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(reader.setFilter(c.filter));
        EXPECT_EQ(firstNames(reader), c.names) << c.filter.toStdString();
        EXPECT_EQ(reader.gotoRecord(int(c.names.size())), -1);
    }
}

TEST_F(DataReaderTest, SetFilterAndSortStoreReopenAndRestore)
{
    const QString path = people();
    DataReader reader;
    ASSERT_GE(reader.open(path), 0);
    EXPECT_TRUE(reader.setFilter(FilterSort::condition("LASTNAME", "=", "O'Brien") + "\r\n"));
    EXPECT_EQ(firstNames(reader), QStringList({"Bob"}));
    EXPECT_EQ(readFileBytes(path + ".flt"), QByteArray("~FIELD FILTER 2.0~\r\nLASTNAME= 'O''Brien'\r\n"));

    // A filter the provider rejects: false, the previous filter is back in memory and on disk.
    EXPECT_FALSE(reader.setFilter("LASTNAME = = 'x'\r\n"));
    EXPECT_TRUE(reader.active());
    EXPECT_EQ(reader.filter(), "LASTNAME= 'O''Brien'\r\n");
    EXPECT_EQ(reader.recordCount(), 1);
    EXPECT_EQ(readFileBytes(path + ".flt"), QByteArray("~FIELD FILTER 2.0~\r\nLASTNAME= 'O''Brien'\r\n"));

    // An empty filter deletes the file and brings every record back.
    EXPECT_TRUE(reader.setFilter(QString()));
    EXPECT_FALSE(QFile::exists(path + ".flt"));
    EXPECT_EQ(reader.recordCount(), 4);

    EXPECT_TRUE(reader.setSort("LASTNAME ASC\r\nFIRSTNAME DESC\r\n"));
    EXPECT_EQ(readFileBytes(path + ".srt"), QByteArray("~FIELD SORT 2.0~\r\nLASTNAME ASC\r\nFIRSTNAME DESC\r\n"));
    EXPECT_EQ(firstNames(reader), QStringList({"Cid", "Bob", "Dee", "Ann"}));
    EXPECT_FALSE(reader.setSort("NOSUCHFIELD ASC\r\n"));
    EXPECT_EQ(reader.sort(), "LASTNAME ASC\r\nFIRSTNAME DESC\r\n");
    EXPECT_EQ(firstNames(reader), QStringList({"Cid", "Bob", "Dee", "Ann"}));

    DataReader closed;
    EXPECT_TRUE(closed.setFilter("anything"));
}

TEST_F(DataReaderTest, StoredFilterTheTextDriverRejectsFailsTheOpen)
{
    const QString path = people();
    writeFileBytes(path + ".flt", "~FIELD FILTER 2.0~\r\nLASTNAME = = 1\r\n");
    DataReader reader;
    EXPECT_EQ(reader.open(path), -1);
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].contains("\n\nConnection=Provider=MSDASQL.1;"));
    EXPECT_TRUE(messages.texts()[0].contains("\nFilter=LASTNAME = = 1\r\n"));
}

TEST_F(DataReaderTest, TextDriverSettingsFileReplacesTheConnection)
{
    const QString path = people();
    writeFileBytes(dir.filePath("defado.cfg"), "[ADO]\r\nTextConnect=Driver=TEXT;DBQ=<PATH>\r\n");
    DataReader reader;
    ASSERT_EQ(reader.open(path), 5);
    EXPECT_TRUE(reader.providerApplied());
    EXPECT_EQ(reader.recordCount(), 4);
}

TEST_F(DataReaderTest, FailsWithoutExtensionOrFile)
{
    DataReader reader;
    EXPECT_EQ(reader.open(writeFileBytes(dir.filePath("noext"), peopleCsv())), -1);
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(reader.open(dir.filePath("missing.csv")), -1);
    EXPECT_EQ(messages.texts(), QStringList({"ERROR: Open with TDFile"}));
    EXPECT_EQ(reader.gotoRecord(0), -1);
    EXPECT_TRUE(reader.fieldValue("A").isEmpty());
}

TEST_F(DataReaderTest, ListRecordsSummarisesRecords)
{
    writeFileBytes(dir.filePath("seven.csv"), "A,B,C,D,E,F,G\r\n1,2,3,4,5,6,7\r\n\"a\r\nb\",x,y,z,w,v,u\r\n" +
                                                  QByteArray(200, 'L') + ",2,3,4,5,6,7\r\n");
    DataReader reader;
    ASSERT_EQ(reader.open(dir.filePath("seven.csv")), 7);
    QStringList list;
    QString status;
    reader.listRecords(list, 0, 25, 128, 5, status);
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list[0], "1 | 2 | 3 | 4 | 5 | ");
    EXPECT_EQ(list[1], "a b | x | y | z | w | ");
    EXPECT_EQ(list[2], QString(128, 'L'));
    EXPECT_EQ(status, "Record 3 of 3");
    list.clear();
    reader.listRecords(list, 1, 1, 0, 2, status);
    EXPECT_EQ(list, QStringList({"a b | x | "}));
    EXPECT_EQ(status, "Record 2 of 3");
}

QString makeSqlite(const QString& path)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "reader-fixture");
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        q.exec("CREATE TABLE people (NAME TEXT, CITY TEXT)");
        q.exec("INSERT INTO people VALUES ('Smith','Boston'),('Jones','Berlin'),('Brown','Bonn')");
        db.close();
    }
    QSqlDatabase::removeDatabase("reader-fixture");
    return path;
}

TEST_F(DataReaderTest, DataLinkFileReadsItsTable)
{
    const QString db = makeSqlite(dir.filePath("db.sqlite"));
    const QString link = writeFileBytes(dir.filePath("orders.DLF"), "[ADO]\r\nConnection=Driver=QSQLITE;Database=" +
                                                                         db.toUtf8() + "\r\nTable=people\r\n");
    writeFileBytes(link + ".flt", "~FIELD FILTER 2.0~\r\nCITY LIKE 'B%'\r\n");
    writeFileBytes(link + ".srt", "~FIELD SORT 2.0~\r\nNAME ASC\r\n");
    DataReader reader;
    QStringList fields;
    ASSERT_EQ(reader.open(link, &fields), 2) << messages.texts().join("|").toStdString();
    EXPECT_EQ(fields, QStringList({"NAME", "CITY"}));
    QStringList names;
    for (int r = 0; r < reader.recordCount(); ++r)
        names << (reader.gotoRecord(r) == r ? reader.fieldValue("NAME") : QString("?"));
    EXPECT_EQ(names, QStringList({"Brown", "Jones", "Smith"}));
    EXPECT_EQ(reader.gotoRecord(0), 0);
    EXPECT_EQ(reader.fieldValue("NAME+ of +CITY"), "Brown of Bonn");
}

TEST_F(DataReaderTest, DataLinkFileFailures)
{
    const QString db = makeSqlite(dir.filePath("db.sqlite"));
    DataReader reader;
    const QString noTable = writeFileBytes(dir.filePath("a.dlf"), "[ADO]\r\nConnection=Driver=QSQLITE;Database=" +
                                                                       db.toUtf8() + "\r\nTable=\r\n");
    EXPECT_EQ(reader.open(noTable), -1);
    EXPECT_TRUE(messages.texts().isEmpty());
    const QString badTable = writeFileBytes(dir.filePath("b.dlf"), "[ADO]\r\nConnection=Driver=QSQLITE;Database=" +
                                                                        db.toUtf8() + "\r\nTable=nosuch\r\n");
    EXPECT_EQ(reader.open(badTable), -1);
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].endsWith("\nTable=nosuch\nFilter=\nSort="));
    EXPECT_FALSE(reader.active());
}

QString makeNamesTable(const QString& path, const std::vector<std::pair<QString, QString>>& names)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    PersonalTable table;
    table.tableName = path;
    table.fieldDefs = PdbSchema::names();
    table.createTable();
    table.open();
    for (const auto& [first, last] : names) {
        table.insert();
        table.setFieldValue("FIRSTNAME", first);
        table.setFieldValue("LASTNAME", last);
        table.post();
    }
    return path;
}

TEST_F(DataReaderTest, PersonalDatabaseFilesGoThroughAPrivateTemporaryCopy)
{
    const QString path = makeNamesTable(dir.filePath("Pdb/Friends.dat"),
                                        {{QString::fromUtf8("Jos\xC3\xA9"), "Diaz, Jr."}, {"Ann", "\"Q\" Lee"}});
    DataReader first;
    DataReader second;
    QStringList fields;
    ASSERT_EQ(first.open(path, &fields), 22);
    ASSERT_EQ(second.open(path), 22);
    EXPECT_EQ(fields.first(), "FIRSTNAME");
    EXPECT_EQ(fields.last(), "USER4");
    EXPECT_NE(first.tempCsvPath(), second.tempCsvPath());
    EXPECT_EQ(QFileInfo(first.tempCsvPath()).absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
    EXPECT_FALSE(QFile::exists(dir.filePath("Pdb/pdbcsv.tmp")));
    EXPECT_EQ(first.recordCount(), 2);
    ASSERT_EQ(first.gotoRecord(0), 0);
    EXPECT_EQ(first.fieldValue("FIRSTNAME+ +LASTNAME"), QString::fromUtf8("Jos\xC3\xA9 Diaz, Jr."));
    ASSERT_EQ(second.gotoRecord(1), 1);
    EXPECT_EQ(second.fieldValue("LASTNAME"), "\"Q\" Lee");
    const QString temp = first.tempCsvPath();
    ASSERT_TRUE(QFile::exists(temp));
    first.close();
    EXPECT_FALSE(QFile::exists(temp));
    EXPECT_TRUE(QFile::exists(second.tempCsvPath()));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(DataReaderTest, UnreadablePersonalDatabaseFails)
{
    const QString path = writeFileBytes(dir.filePath("Bad.dat"), "not a table");
    DataReader reader;
    EXPECT_EQ(reader.open(path), -1);
    EXPECT_EQ(messages.texts(), QStringList({"EXCEPTIOM: Convert BINDATASET"}));
    EXPECT_TRUE(reader.tempCsvPath().isEmpty());
}

} // namespace

namespace {

TEST(BuildConnection, ListsTheTablesOfTheEditedConnection)
{
    QTemporaryDir dir;
    writeFileBytes(dir.filePath("a.csv"), "A\r\n");
    QStringList tables{"stale"};
    QString started;
    const QString text = "Driver=TEXT;DBQ=" + dir.path();
    EXPECT_EQ(DataReader::buildConnection(
                  [&](const QString& from) {
                      started = from;
                      return text;
                  },
                  tables),
              text);
    EXPECT_EQ(started, "Provider=MSDASQL.1");
    EXPECT_EQ(tables, QStringList({"a.csv"}));
    // The unchanged starting string counts as cancelled.
    EXPECT_TRUE(DataReader::buildConnection([](const QString& from) { return from; }, tables).isEmpty());
    EXPECT_EQ(tables, QStringList({"a.csv"}));
}

} // namespace

namespace {

// Text resolution reaches the reader through its FieldSource adapter.
TEST(DataReaderAsFieldSource, AnswersThroughTheRenderAdapter)
{
    QTemporaryDir dir;
    DataReader reader;
    DataReaderSource<DataReader> source(reader);
    EXPECT_FALSE(source.active());
    ASSERT_GE(reader.open(writeFileBytes(dir.filePath("p.csv"), peopleCsv())), 0);
    EXPECT_TRUE(source.active());
    EXPECT_EQ(source.recordCount(), 4);
    EXPECT_EQ(source.gotoRecord(3), 3);
    EXPECT_EQ(source.fieldValue("FIRSTNAME+ +LASTNAME"), "Dee Smith");
    EXPECT_EQ(source.gotoRecord(4), -1);
}

} // namespace

namespace {

// A long text file reports progress while it loads and can be cancelled,
// through the text driver and through the own reader alike.
TEST_P(TextModes, LongTextFilesReportProgressAndCanBeCancelled)
{
    QByteArray csv = "FIRSTNAME,CITY\r\n";
    for (int i = 0; i < 20000; ++i)
        csv += "Name" + QByteArray::number(i) + ",Rome\r\n";
    const QString file = writeFileBytes(dir.filePath("long.csv"), csv);

    DataReader reader;
    qint64 last = 0;
    reader.setLoadProgress([&](qint64 read) {
        last = read;
        return true;
    });
    ASSERT_EQ(reader.open(file), 2);
    EXPECT_EQ(reader.recordCount(), 20000);
    EXPECT_GT(last, 0);
    EXPECT_LE(last, 20000);

    reader.setLoadProgress([](qint64) { return false; });
    EXPECT_EQ(reader.open(file), -1);
    EXPECT_TRUE(reader.loadCancelled());
    EXPECT_FALSE(reader.active());
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('\n').toStdString();
}

} // namespace
