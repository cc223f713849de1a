// A data link file to a table on a real PostgreSQL server (started by the
// test fixture, which passes its port in STICKWELL_PG_PORT).

#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include "MergeFixtures.h"
#include "TestSupport.h"
#include "merge/DataReader.h"
#include "merge/FilterSort.h"

namespace {

QString serverConnection(const QString& port)
{
    return "Driver=QPSQL;Host=127.0.0.1;Port=" + port + ";Database=postgres;User=tester;Password=";
}

TEST(Postgres, DataLinkFileReadsFilteredSortedRecords)
{
    const QString port = qEnvironmentVariable("STICKWELL_PG_PORT");
    ASSERT_FALSE(port.isEmpty()) << "STICKWELL_PG_PORT is not set: the PostgreSQL test server fixture did not run";
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL", "pg-fixture");
        db.setHostName("127.0.0.1");
        db.setPort(port.toInt());
        db.setDatabaseName("postgres");
        db.setUserName("tester");
        ASSERT_TRUE(db.open()) << "Cannot reach the PostgreSQL test server on 127.0.0.1:" << port.toStdString() << ": "
                               << db.lastError().text().toStdString();
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec("DROP TABLE IF EXISTS contacts"));
        ASSERT_TRUE(q.exec("CREATE TABLE contacts (firstname TEXT, lastname TEXT, city TEXT, zip TEXT)"));
        ASSERT_TRUE(q.exec("INSERT INTO contacts VALUES "
                           "('Ann','Smith','Boston','02134'),('Bob','O''Brien','Berlin','10115'),"
                           "('Cid','Brown','Bonn','53111'),('Dee','Smith','Bremen','28195'),"
                           "('Eve','Stone','Austin','73301'),('Fay','Smith','Austin','73344')"))
            << q.lastError().text().toStdString();
        db.close();
    }
    QSqlDatabase::removeDatabase("pg-fixture");

    QTemporaryDir dir;
    const QString link = writeFileBytes(dir.filePath("contacts.DLF"),
                                        "[ADO]\r\nConnection=" + serverConnection(port).toUtf8() + "\r\nTable=contacts\r\n");
    writeFileBytes(link + ".flt", "~FIELD FILTER 2.0~\r\nlastname= 'Smith'\r\nOR\r\ncity LIKE 'Be%'\r\n");
    writeFileBytes(link + ".srt", "~FIELD SORT 2.0~\r\ncity DESC\r\nfirstname ASC\r\n");

    MessageRecorder messages;
    DataReader reader;
    QStringList fields;
    ASSERT_EQ(reader.open(link, &fields), 4) << messages.texts().join('\n').toStdString();
    EXPECT_TRUE(reader.providerApplied());
    EXPECT_EQ(fields, QStringList({"firstname", "lastname", "city", "zip"}));
    ASSERT_EQ(reader.recordCount(), 4);
    QStringList rows;
    for (int r = 0; r < reader.recordCount(); ++r) {
        ASSERT_EQ(reader.gotoRecord(r), r);
        rows << reader.fieldValue("FIRSTNAME+ +LASTNAME+, +CITY+ +ZIP");
    }
    EXPECT_EQ(rows, QStringList({"Dee Smith, Bremen 28195", "Ann Smith, Boston 02134", "Bob O'Brien, Berlin 10115",
                                 "Fay Smith, Austin 73344"}));
    EXPECT_EQ(reader.gotoRecord(4), -1);
    EXPECT_EQ(reader.gotoRecord(1), 1);
    EXPECT_EQ(reader.fieldValue("firstname"), "Ann");

    // A value with an apostrophe filters as itself.
    ASSERT_TRUE(reader.setFilter(FilterSort::condition("lastname", "=", "O'Brien") + "\r\n"));
    EXPECT_EQ(reader.recordCount(), 1);
    ASSERT_EQ(reader.gotoRecord(0), 0);
    EXPECT_EQ(reader.fieldValue("firstname"), "Bob");

    // The server refuses a bad sort: the reader keeps the previous one.
    EXPECT_FALSE(reader.setSort("nosuchcolumn ASC\r\n"));
    EXPECT_EQ(reader.sort(), "city DESC\r\nfirstname ASC\r\n");
    EXPECT_TRUE(reader.active());
    EXPECT_EQ(reader.recordCount(), 1);
}

} // namespace
