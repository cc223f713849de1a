// Connections for data link files: their strings, and tests against real
// drivers (SQLite, ODBC through libsqliteodbc with a DSN of the test's own).

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "MergeFixtures.h"
#include "TestSupport.h"
#include "ui/data/ConnectionModel.h"

namespace {

const char* const kSqliteOdbcDriver = "/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so";

// A small SQLite file with one table of people.
QString writeSqliteFile(const QString& path)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "connection-test-fixture");
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(db);
            q.exec("CREATE TABLE people (NAME TEXT, CITY TEXT)");
            q.exec("INSERT INTO people VALUES ('Ann','Rome'),('Bob','Oslo')");
            db.close();
        }
    }
    QSqlDatabase::removeDatabase("connection-test-fixture");
    return path;
}

TEST(ConnectionParts, StringsRoundTrip)
{
    struct Case {
        ConnectionParts parts;
        QString text;
    };
    ConnectionParts sqlite;
    sqlite.file = "/data/shop.db";
    ConnectionParts pg;
    pg.provider = ConnectionProvider::Postgres;
    pg.host = "db.example";
    pg.port = "5433";
    pg.database = "office";
    pg.user = "clerk";
    pg.password = "a;b=c";
    ConnectionParts odbc;
    odbc.provider = ConnectionProvider::Odbc;
    odbc.dsn = "Shop";
    ConnectionParts text;
    text.provider = ConnectionProvider::Text;
    text.folder = "/data/csv";
    const std::vector<Case> cases = {
        {sqlite, "Driver=QSQLITE;Database=/data/shop.db;"},
        {pg, "Driver=QPSQL;Host=db.example;Port=5433;Database=office;User=clerk;Password={a;b=c};"},
        {odbc, "Driver=QODBC;DSN=Shop;"},
        {text, "Driver=TEXT;DBQ=/data/csv;"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.parts.connectionString(), c.text);
        const ConnectionParts back = ConnectionParts::fromConnection(c.text);
        EXPECT_EQ(back.provider, c.parts.provider);
        EXPECT_EQ(back.connectionString(), c.text);
        EXPECT_TRUE(back.complete());
    }
    EXPECT_FALSE(ConnectionParts().complete());
    EXPECT_EQ(ConnectionParts::fromConnection("Provider=Unknown").provider, ConnectionProvider::Sqlite);
}

TEST(ConnectionTest, ReportsTablesOrTheDriversOwnError)
{
    QTemporaryDir dir;
    ConnectionParts parts;
    parts.file = writeSqliteFile(dir.filePath("shop.db"));
    const ConnectionTestResult good = testConnection(parts.connectionString());
    EXPECT_TRUE(good.ok) << good.error.toStdString();
    EXPECT_EQ(good.tables, QStringList({"people"}));

    ConnectionParts pg;
    pg.provider = ConnectionProvider::Postgres;
    pg.host = "127.0.0.1";
    pg.port = "1";  // nothing listens there
    pg.database = "none";
    const ConnectionTestResult refused = testConnection(pg.connectionString());
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.error.contains("connect", Qt::CaseInsensitive)) << refused.error.toStdString();
}

// The ODBC path: a DSN defined in the test's own odbc.ini, served by the SQLite
// ODBC driver. unixODBC reads ODBCSYSINI and ODBCINI once per process: this
// runs in a process of its own (as ctest runs every case).
TEST(ConnectionTest, OdbcDataSourceNameThroughSqliteOdbc)
{
    if (!QFileInfo::exists(kSqliteOdbcDriver))
        GTEST_SKIP() << "libsqliteodbc is not installed";
    QTemporaryDir dir;
    const QString db = writeSqliteFile(dir.filePath("odbc.db"));
    writeFileBytes(dir.filePath("odbcinst.ini"), QByteArray("[SQLite3 Test]\nDriver=") + kSqliteOdbcDriver + "\n");
    writeFileBytes(dir.filePath("odbc.ini"),
                   "[StickwellTest]\nDriver=SQLite3 Test\nDatabase=" + db.toUtf8() + "\n");
    qputenv("ODBCSYSINI", dir.path().toUtf8());
    qputenv("ODBCINI", dir.filePath("odbc.ini").toUtf8());

    ConnectionParts parts;
    parts.provider = ConnectionProvider::Odbc;
    parts.dsn = "StickwellTest";
    const ConnectionTestResult result = testConnection(parts.connectionString());
    EXPECT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_TRUE(result.tables.contains("people"));

    ConnectionParts missing = parts;
    missing.dsn = "NoSuchSource";
    const ConnectionTestResult refused = testConnection(missing.connectionString());
    EXPECT_FALSE(refused.ok);
    EXPECT_FALSE(refused.error.isEmpty());
    qunsetenv("ODBCSYSINI");
    qunsetenv("ODBCINI");
}

} // namespace
