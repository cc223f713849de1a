// Read-only table datasets: connection strings, the text driver and SQLite.

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "MergeFixtures.h"
#include "merge/TableDataset.h"

namespace {

QString textConnection(const QString& folder)
{
    return "Provider=MSDASQL.1;Driver={Microsoft Text Driver (*.txt; *.csv)};DBQ=" + folder;
}

QStringList Column(TableDataset& table, const QString& field)
{
    QStringList values;
    if (!table.first())
        return values;
    do
        values << table.fieldText(field);
    while (table.moveBy(1) == 1);
    return values;
}

// Builds a small SQLite database file with one table.
QString makeSqliteDatabase(const QString& path)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "fixture-writer");
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        q.exec("CREATE TABLE people (NAME TEXT, CITY TEXT, AGE INTEGER)");
        q.exec("INSERT INTO people VALUES ('Smith','Boston',40),('Jones','Berlin',30),('Brown','Bonn',50)");
        q.exec("CREATE TABLE \"my table\" (A TEXT)");
        q.exec("INSERT INTO \"my table\" VALUES ('x')");
        db.close();
    }
    QSqlDatabase::removeDatabase("fixture-writer");
    return path;
}

TEST(ConnectionString, ParsesKeysBracesAndQuotes)
{
    const auto parts = parseConnectionString(
        "Provider=MSDASQL.1;Driver={Microsoft Text Driver (*.txt; *.csv)};DBQ=/data/x; Password=\"a;b\";junk;Empty=");
    ASSERT_EQ(parts.size(), 5);
    EXPECT_EQ(parts[1].first, "Driver");
    EXPECT_EQ(parts[1].second, "Microsoft Text Driver (*.txt; *.csv)");
    EXPECT_EQ(parts[2].second, "/data/x");
    EXPECT_EQ(parts[3].first, "Password");
    EXPECT_EQ(parts[3].second, "a;b");
    EXPECT_EQ(connectionValue("driver=QSQLITE;DATABASE=f.db", "Database"), "f.db");
    EXPECT_TRUE(connectionValue("Driver=QSQLITE", "Database").isNull());
    EXPECT_FALSE(connectionValue("Empty=", "Empty").isNull());
}

TEST(TextDriver, FiltersAndSortsWithProviderStrings)
{
    QTemporaryDir dir;
    writeFileBytes(dir.filePath("people.csv"), peopleCsv());
    struct Case {
        QString filter;
        QString sort;
        QStringList firstNames;
    };
    const std::vector<Case> cases = {
        {"", "", {"Ann", "Bob", "Cid", "Dee"}},
        {"LASTNAME= 'Smith' ", "", {"Ann", "Dee"}},
        {"LASTNAME= 'Smith' AND CITY LIKE 'B%' ", "", {"Ann"}},
        {"LASTNAME= 'Smith' OR CITY LIKE 'Bo%' ", "FIRSTNAME DESC, ", {"Dee", "Cid", "Ann"}},
        {"", "LASTNAME ASC, FIRSTNAME DESC, ", {"Cid", "Bob", "Dee", "Ann"}},
        {"LASTNAME= 'O''Brien' ", "", {"Bob"}},
        {"ADDRESS= '' ", "", {"Bob"}},
    };
    for (const Case& c : cases) {
        TableDataset table(textConnection(dir.path()), "people.csv");
        table.setFilter(c.filter);
        table.setSort(c.sort);
        ASSERT_TRUE(table.open()) << c.filter.toStdString() << table.errorText().toStdString();
        EXPECT_EQ(table.recordCount(), c.firstNames.size()) << c.filter.toStdString();
        EXPECT_EQ(Column(table, "firstname"), c.firstNames) << c.filter.toStdString() << " / " << c.sort.toStdString();
    }
}

TEST(TextDriver, ClassicConnectionsAndFileNameCase)
{
    QTemporaryDir dir;
    writeFileBytes(dir.filePath("People.CSV"), peopleCsv());
    const QStringList connections = {
        textConnection(dir.path()),
        "Driver={Microsoft Text Driver (*.txt; *.csv)};DefaultDir=" + dir.path() + ";Extensions=asc,csv,tab,txt;",
        "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + dir.path() + ";Extended Properties=\"text;HDR=Yes\"",
    };
    for (const QString& connection : connections) {
        TableDataset table(connection, "people.csv");
        ASSERT_TRUE(table.open()) << connection.toStdString() << ": " << table.errorText().toStdString();
        EXPECT_EQ(table.recordCount(), 4);
    }
}

TEST(TextDriver, RefusesBadFilterAndMissingFile)
{
    QTemporaryDir dir;
    writeFileBytes(dir.filePath("people.csv"), peopleCsv());
    TableDataset badFilter(textConnection(dir.path()), "people.csv");
    badFilter.setFilter("NOSUCHFIELD = 1 ");
    EXPECT_FALSE(badFilter.open());
    EXPECT_FALSE(badFilter.errorText().isEmpty());
    TableDataset missing(textConnection(dir.path()), "nothere.csv");
    EXPECT_FALSE(missing.open());
    TableDataset noFolder("Driver=TEXT;DBQ=" + dir.filePath("nofolder"), "people.csv");
    EXPECT_FALSE(noFolder.open());
}

TEST(TextDriver, FilterOnOpenDatasetRunsAgain)
{
    QTemporaryDir dir;
    writeFileBytes(dir.filePath("people.csv"), peopleCsv());
    TableDataset table("Driver=TEXT;DBQ=" + dir.path(), "people.csv");
    ASSERT_TRUE(table.open());
    EXPECT_EQ(table.recordCount(), 4);
    EXPECT_TRUE(table.setFilter("CITY= 'Bonn' "));
    EXPECT_EQ(table.recordCount(), 1);
    EXPECT_EQ(table.fieldText("FIRSTNAME"), "Cid");
    EXPECT_FALSE(table.setFilter("CITY = = "));
}

TEST(TextDriver, MovesAndReportsShortMoves)
{
    QTemporaryDir dir;
    writeFileBytes(dir.filePath("people.csv"), peopleCsv());
    TableDataset table("Driver=TEXT;DBQ=" + dir.path(), "people.csv");
    ASSERT_TRUE(table.open());
    EXPECT_EQ(table.fieldNames(), QStringList({"FIRSTNAME", "LASTNAME", "ADDRESS", "CITY", "ZIP"}));
    EXPECT_EQ(table.moveBy(2), 2);
    EXPECT_EQ(table.fieldText("FIRSTNAME"), "Cid");
    EXPECT_EQ(table.fieldText("ZIP"), "53111");  // text stays text: no leading zero lost elsewhere either
    EXPECT_EQ(table.moveBy(5), 1);
    EXPECT_EQ(table.position(), -1);
    EXPECT_TRUE(table.fieldText("FIRSTNAME").isEmpty());
    ASSERT_TRUE(table.first());
    EXPECT_EQ(table.fieldText("FIRSTNAME"), "Ann");
    EXPECT_EQ(table.fieldText("ZIP"), "02134");
    EXPECT_TRUE(table.fieldText("NOSUCH").isEmpty());
}

TEST(TextDriver, OddColumnNamesStillLoad)
{
    QTemporaryDir dir;
    writeFileBytes(dir.filePath("odd.csv"), "Name,name,,\"we\"\"ird\",NAME,name_2,Name\r\na,b,c,d,e,f,g\r\n");
    TableDataset table("Driver=TEXT;DBQ=" + dir.path(), "odd.csv");
    ASSERT_TRUE(table.open()) << table.errorText().toStdString();
    // A repeated name takes the first suffix no other column has.
    EXPECT_EQ(table.fieldNames(), QStringList({"Name", "name_2", "F3", "we\"ird", "NAME_3", "name_2_2", "Name_4"}));
    EXPECT_EQ(table.fieldText("F3"), "c");
    EXPECT_EQ(table.fieldText("NAME"), "a");
    EXPECT_EQ(table.fieldText("NAME_2_2"), "f");
    EXPECT_EQ(table.fieldText("name_4"), "g");
}

TEST(Sqlite, ReadsTablesReadOnlyWithQuotedNames)
{
    QTemporaryDir dir;
    const QString connection = "Driver=QSQLITE;Database=" + makeSqliteDatabase(dir.filePath("db.sqlite"));
    TableDataset people(connection, "people");
    people.setFilter("AGE > 35 ");
    people.setSort("AGE DESC, ");
    ASSERT_TRUE(people.open()) << people.errorText().toStdString();
    EXPECT_EQ(Column(people, "NAME"), QStringList({"Brown", "Smith"}));

    TableDataset spaced(connection, "my table");
    ASSERT_TRUE(spaced.open()) << spaced.errorText().toStdString();
    EXPECT_EQ(Column(spaced, "A"), QStringList({"x"}));

    // A table name never carries SQL of its own.
    TableDataset injected(connection, "people; DROP TABLE people");
    EXPECT_FALSE(injected.open());
    // The connection is read-only: a filter cannot change the data either.
    TableDataset writer(connection, "people");
    writer.setFilter("1=1; DELETE FROM people ");
    writer.open();
    TableDataset again(connection, "people");
    ASSERT_TRUE(again.open());
    EXPECT_EQ(again.recordCount(), 3);

    EXPECT_EQ(TableDataset::tableNames(connection), QStringList({"my table", "people"}));
}

TEST(Sqlite, MissingDatabaseFails)
{
    QTemporaryDir dir;
    TableDataset table("Driver=QSQLITE;Database=" + dir.filePath("none.sqlite"), "people");
    EXPECT_FALSE(table.open());
    EXPECT_FALSE(table.errorText().isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath("none.sqlite")));
    TableDataset unknown("Nothing=here", "t");
    EXPECT_FALSE(unknown.open());
}

TEST(TextDriver, ListsTextFilesAsTables)
{
    QTemporaryDir dir;
    writeFileBytes(dir.filePath("b.CSV"), "A\r\n");
    writeFileBytes(dir.filePath("a.txt"), "A\r\n");
    writeFileBytes(dir.filePath("c.dat"), "A\r\n");
    EXPECT_EQ(TableDataset::tableNames(textConnection(dir.path())), QStringList({"a.txt", "b.CSV"}));
}

// ODBC through unixODBC and the SQLite ODBC driver, when that driver is registered.
TEST(Odbc, ReadsThroughTheDriverManager)
{
    QTemporaryDir dir;
    const QString file = makeSqliteDatabase(dir.filePath("odbc.sqlite"));
    TableDataset table("Driver={SQLite3};Database=" + file, "people");
    table.setSort("NAME ASC, ");
    if (!table.open())
        GTEST_SKIP() << "SQLite3 ODBC driver not usable here: " << table.errorText().toStdString();
    EXPECT_EQ(Column(table, "NAME"), QStringList({"Brown", "Jones", "Smith"}));
}

// A data source name, defined in the test's own odbc.ini for the SQLite ODBC
// driver. unixODBC reads ODBCSYSINI and ODBCINI once per process, so this runs
// in a process of its own (as ctest runs every case) before any other ODBC use.
TEST(Odbc, ReadsThroughADataSourceName)
{
    const QByteArray driver = "/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so";
    if (!QFileInfo::exists(QString::fromLatin1(driver)))
        GTEST_SKIP() << "libsqliteodbc is not installed";
    QTemporaryDir dir;
    const QString file = makeSqliteDatabase(dir.filePath("dsn.sqlite"));
    writeFileBytes(dir.filePath("odbcinst.ini"), "[SQLite3 DSN Test]\nDriver=" + driver + "\n");
    writeFileBytes(dir.filePath("odbc.ini"), "[ShopDsn]\nDriver=SQLite3 DSN Test\nDatabase=" + file.toUtf8() + "\n");
    qputenv("ODBCSYSINI", dir.path().toUtf8());
    qputenv("ODBCINI", dir.filePath("odbc.ini").toUtf8());
    for (const char* connection : {"Driver=QODBC;DSN=ShopDsn", "Driver=QODBC;DSN=ShopDsn;UID=reader;"}) {
        SCOPED_TRACE(connection);
        TableDataset table(connection, "people");
        table.setSort("NAME DESC");
        ASSERT_TRUE(table.open()) << table.errorText().toStdString();
        EXPECT_EQ(Column(table, "NAME"), QStringList({"Smith", "Jones", "Brown"}));
    }
    qunsetenv("ODBCSYSINI");
    qunsetenv("ODBCINI");
}

} // namespace
