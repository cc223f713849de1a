// End to end against a real PostgreSQL server (the throwaway cluster of the
// merge tests, whose port comes in STICKWELL_PG_PORT): the address example is
// linked through the wizard to a table with a filter and a sort, saved and
// printed by stickwell-cli; the PDF holds exactly the chosen records in order.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>

#include "PdfProbe.h"
#include "TestSupport.h"
#include "ui/data/ConnectionModel.h"
#include "ui/data/DataDialogTexts.h"
#include "ui/data/LinkCommand.h"
#include "ui/data/LinkWizardModel.h"
#include "ui/shell/DesignDocument.h"

namespace {

bool serverBinariesInstalled()
{
    return !QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty();
}

// The table the design will print from.
void createContacts(const QString& port)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL", "wizard-pg-fixture");
        db.setHostName("127.0.0.1");
        db.setPort(port.toInt());
        db.setDatabaseName("postgres");
        db.setUserName("tester");
        ASSERT_TRUE(db.open()) << db.lastError().text().toStdString();
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec("DROP TABLE IF EXISTS wizard_contacts"));
        ASSERT_TRUE(q.exec("CREATE TABLE wizard_contacts (firstname TEXT, lastname TEXT, address TEXT, city TEXT, "
                           "state TEXT, zip TEXT)"));
        ASSERT_TRUE(q.exec("INSERT INTO wizard_contacts VALUES "
                           "('Alvar','Smalley','1 Oak St','Leeds','WY','10001'),"
                           "('Bertil','Jonsson','2 Elm St','Rome','NY','10002'),"
                           "('Caspar','Smithers','3 Ash St','Oslo','OR','10003'),"
                           "('Dagny','Brandt','4 Fir St','Paris','TX','10004'),"
                           "('Eskil','Smedley','5 Yew St','Rome','GA','10005'),"
                           "('Folke','Lindqvist','6 Bay St','Lima','OH','10006')"))
            << q.lastError().text().toStdString();
        db.close();
    }
    QSqlDatabase::removeDatabase("wizard-pg-fixture");
}

TEST(DataPostgres, WizardLinksFiltersSortsAndPrints)
{
    if (!serverBinariesInstalled())
        GTEST_SKIP() << "PostgreSQL server binaries are not installed";
    const QString port = qEnvironmentVariable("STICKWELL_PG_PORT");
    ASSERT_FALSE(port.isEmpty()) << "STICKWELL_PG_PORT is not set: the PostgreSQL test server fixture did not run";
    createContacts(port);

    QTemporaryDir dir;
    MessageRecorder messages;
    const QString design = dir.filePath("address-label.lpd");
    ASSERT_TRUE(QFile::copy(QStringLiteral(STICKWELL_DATA_SOURCE "/examples/address-label.lpd"), design));
    ASSERT_TRUE(QFile::copy(QStringLiteral(STICKWELL_DATA_SOURCE "/examples/addresses.csv"),
                            dir.filePath("addresses.csv")));
    QFile::setPermissions(design, QFile::ReadOwner | QFile::WriteOwner);
    DesignDocument document;
    ASSERT_TRUE(document.open(design));
    ASSERT_TRUE(document.dataReader().active());

    ConnectionParts parts;
    parts.provider = ConnectionProvider::Postgres;
    parts.host = "127.0.0.1";
    parts.port = port;
    parts.database = "postgres";
    parts.user = "tester";
    const ConnectionTestResult test = testConnection(parts.connectionString());
    ASSERT_TRUE(test.ok) << test.error.toStdString();
    ASSERT_TRUE(test.tables.contains("wizard_contacts"));

    LinkWizardModel wizard(dir.path());
    wizard.start(document.linkedDatabasePath());
    wizard.setOption(LinkOption::NewLinkFile);
    wizard.next();  // the CSV link does not fit a link file: dropped, with the message
    EXPECT_EQ(messages.texts(), QStringList({DataTexts::ConnectError}));
    wizard.chooseFile(dir.filePath("contacts"));
    wizard.setConnection(parts.connectionString(), test.tables);
    ASSERT_TRUE(wizard.chooseTable("wizard_contacts")) << messages.texts().join('\n').toStdString();
    wizard.next();
    ASSERT_EQ(wizard.page(), LinkPage::RecordSelection);
    wizard.setAllRecords(false);
    wizard.next();
    wizard.filterField = "lastname";
    wizard.comparison = "LIKE";
    wizard.filterValue = "Sm%";
    wizard.addCondition();
    wizard.addOr();
    wizard.filterField = "city";
    wizard.comparison = "=";
    wizard.filterValue = "Rome";
    wizard.addCondition();
    wizard.next();
    ASSERT_EQ(wizard.page(), LinkPage::Sort) << messages.texts().join('\n').toStdString();
    wizard.sortField = "firstname";
    wizard.descending = true;
    wizard.addSort();
    wizard.next();
    ASSERT_EQ(wizard.page(), LinkPage::Finish) << messages.texts().join('\n').toStdString();
    ASSERT_TRUE(wizard.next());

    ASSERT_TRUE(applyLinkWizardResult(document, true, wizard.linkPath()));
    EXPECT_EQ(document.dataReader().recordCount(), 4);
    ASSERT_EQ(document.save(false, {}), design);

    const QString pdf = dir.filePath("labels.pdf");
    QProcess cli;
    cli.start(QStringLiteral(STICKWELL_CLI), {"print", design, "-o", pdf});
    ASSERT_TRUE(cli.waitForFinished(60000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();

    const PdfText text = readPdfText(pdf);
    const QStringList everyone{"Alvar", "Bertil", "Caspar", "Dagny", "Eskil", "Folke"};
    std::vector<PdfWord> printed;
    for (const PdfWord& word : text.words)
        if (everyone.contains(word.text))
            printed.push_back(word);
    // Labels fill the sheet row by row: top first, then left to right.
    std::sort(printed.begin(), printed.end(), [](const PdfWord& a, const PdfWord& b) {
        if (a.page != b.page)
            return a.page < b.page;
        if (std::abs(a.top - b.top) > 2)
            return a.top < b.top;
        return a.left < b.left;
    });
    QStringList order;
    for (const PdfWord& word : printed)
        order << word.text;
    EXPECT_EQ(order, QStringList({"Eskil", "Caspar", "Bertil", "Alvar"}));
}

} // namespace
