// The Linked Database Wizard and the Linked Database command, without showing them.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "MergeFixtures.h"
#include "TestSupport.h"
#include "merge/DataReader.h"
#include "merge/MergeTexts.h"
#include "ui/data/DataDialogTexts.h"
#include "ui/data/LinkCommand.h"
#include "ui/data/LinkWizardModel.h"
#include "ui/shell/DesignDocument.h"

namespace {

const QByteArray kPeople = "NAME,CITY\r\nSmith,Paris\r\nSmythe,Rome\r\nJones,Rome\r\nBrown,Oslo\r\n";

class LinkWizardTest : public testing::Test {
protected:
    void SetUp() override { DataReader::setTextDriverSettingsFile(dir.filePath("defado.cfg")); }
    void TearDown() override { DataReader::setTextDriverSettingsFile(QString()); }
    QString people() { return writeFileBytes(dir.filePath("people.csv"), kPeople); }
    // The wizard started on a link and moved to the record-selection page.
    void toRecordSelection(LinkWizardModel& wizard, const QString& link)
    {
        wizard.start(link);
        wizard.next();
        ASSERT_EQ(wizard.page(), LinkPage::Database);
        wizard.next();
        ASSERT_EQ(wizard.page(), LinkPage::RecordSelection);
    }

    QTemporaryDir dir;
    MessageRecorder messages;
};

TEST_F(LinkWizardTest, TextFileLinkWithAllRecordsWritesNoFilterOrSortFile)
{
    LinkWizardModel wizard(dir.path());
    wizard.start(QString());
    EXPECT_EQ(wizard.option(), LinkOption::PersonalOrText);
    EXPECT_FALSE(wizard.backEnabled());
    wizard.next();
    EXPECT_EQ(wizard.page(), LinkPage::Database);
    EXPECT_EQ(wizard.databaseLabel(), DataTexts::FileLabel);
    EXPECT_FALSE(wizard.nextEnabled());
    wizard.chooseFile(people());
    EXPECT_EQ(wizard.fileBox(), people());
    EXPECT_EQ(wizard.fields(), QStringList({"NAME", "CITY"}));
    EXPECT_FALSE(wizard.adoPanelVisible());
    wizard.next();
    ASSERT_EQ(wizard.page(), LinkPage::RecordSelection);
    EXPECT_TRUE(wizard.allRecords());
    wizard.next();
    EXPECT_EQ(wizard.page(), LinkPage::Finish);
    EXPECT_EQ(wizard.nextCaption(), DataTexts::Finish);
    EXPECT_TRUE(wizard.next());
    EXPECT_EQ(wizard.linkPath(), people());
    EXPECT_FALSE(QFile::exists(people() + ".flt"));
    EXPECT_FALSE(QFile::exists(people() + ".srt"));
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('\n').toStdString();
}

TEST_F(LinkWizardTest, AllRecordsDeletesTheFilterFileAndKeepsTheSortFile)
{
    const QString link = people();
    writeFileBytes(link + ".flt", "~FIELD FILTER 2.0~\r\nCITY= 'Rome'\r\n");
    writeFileBytes(link + ".srt", "~FIELD SORT 2.0~\r\nNAME DESC\r\n");
    LinkWizardModel wizard(dir.path());
    toRecordSelection(wizard, link);
    EXPECT_FALSE(wizard.allRecords());  // the source has a filter
    wizard.setAllRecords(true);
    wizard.next();
    EXPECT_EQ(wizard.page(), LinkPage::Finish);
    EXPECT_FALSE(QFile::exists(link + ".flt"));
    EXPECT_TRUE(QFile::exists(link + ".srt"));
    EXPECT_EQ(wizard.reader().recordCount(), 4);
}

TEST_F(LinkWizardTest, FilterAndSortPagesBuildTheirLines)
{
    const QString link = people();
    LinkWizardModel wizard(dir.path());
    toRecordSelection(wizard, link);
    wizard.setAllRecords(false);
    wizard.next();
    ASSERT_EQ(wizard.page(), LinkPage::Filter);
    EXPECT_FALSE(wizard.conditionEnabled());
    EXPECT_FALSE(wizard.andOrEnabled());
    wizard.filterField = "NAME";
    wizard.comparison = "LIKE";
    EXPECT_FALSE(wizard.conditionEnabled());  // no value yet
    wizard.filterValue = "Sm%";
    EXPECT_TRUE(wizard.conditionEnabled());
    wizard.addCondition();
    EXPECT_FALSE(wizard.conditionEnabled());
    EXPECT_TRUE(wizard.andOrEnabled());
    wizard.addOr();
    EXPECT_TRUE(wizard.filterField.isEmpty());
    EXPECT_TRUE(wizard.filterValue.isEmpty());
    EXPECT_FALSE(wizard.andOrEnabled());
    wizard.filterField = "CITY";
    wizard.comparison = "=";
    wizard.filterValue = "Rome";
    wizard.addCondition();
    EXPECT_EQ(wizard.filterText, "NAME LIKE 'Sm%'\r\nOR\r\nCITY= 'Rome'\r\n");

    wizard.next();
    ASSERT_EQ(wizard.page(), LinkPage::Sort);
    EXPECT_TRUE(QFile::exists(link + ".flt"));
    EXPECT_FALSE(wizard.addSortEnabled());
    wizard.sortField = "NAME";
    wizard.descending = true;
    wizard.addSort();
    EXPECT_TRUE(wizard.sortField.isEmpty());
    EXPECT_EQ(wizard.sortLines(), QStringList({"NAME DESC"}));
    wizard.next();
    ASSERT_EQ(wizard.page(), LinkPage::Finish);
    DataReader& reader = wizard.reader();
    QStringList names;
    for (int r = 0; r < reader.recordCount(); ++r) {
        reader.gotoRecord(r);
        names << reader.fieldValue("NAME");
    }
    EXPECT_EQ(names, QStringList({"Smythe", "Smith", "Jones"}));

    wizard.back();
    EXPECT_EQ(wizard.page(), LinkPage::Sort);
    wizard.back();
    EXPECT_EQ(wizard.page(), LinkPage::Filter);
    wizard.back();
    EXPECT_EQ(wizard.page(), LinkPage::RecordSelection);
    wizard.back();
    EXPECT_EQ(wizard.page(), LinkPage::Database);
    wizard.back();
    EXPECT_EQ(wizard.page(), LinkPage::Options);
    EXPECT_FALSE(wizard.backEnabled());
    EXPECT_TRUE(wizard.nextEnabled());
}

TEST_F(LinkWizardTest, ClearingTheFilterAsksFirst)
{
    LinkWizardModel wizard(dir.path());
    wizard.filterText = "CITY= 'Rome'\r\n";
    for (const auto& [answer, expected] :
         {std::pair{Messages::Answer::No, QString("CITY= 'Rome'\r\n")}, std::pair{Messages::Answer::Yes, QString()}}) {
        recordedMessages().queueAnswer(answer);
        wizard.clearFilter();
        EXPECT_EQ(wizard.filterText, expected);
    }
    EXPECT_EQ(messages.texts(), QStringList({DataTexts::ClearFilterPrompt, DataTexts::ClearFilterPrompt}));
}

TEST_F(LinkWizardTest, RejectedFilterKeepsThePage)
{
    const QString link = people();
    LinkWizardModel wizard(dir.path());
    toRecordSelection(wizard, link);
    wizard.setAllRecords(false);
    wizard.next();
    wizard.filterText = "NOSUCHFIELD= 'x'\r\n";
    wizard.next();
    EXPECT_EQ(wizard.page(), LinkPage::Filter);
    EXPECT_TRUE(messages.texts().contains(MergeTexts::FilterRejected));
    EXPECT_FALSE(QFile::exists(link + ".flt"));
}

TEST_F(LinkWizardTest, RemovingSortLinesSelectsTheLineBefore)
{
    LinkWizardModel wizard(dir.path());
    for (const char* field : {"A", "B", "C"}) {
        wizard.sortField = field;
        wizard.addSort();
    }
    wizard.selectSort(0);
    wizard.removeSort();
    EXPECT_EQ(wizard.sortLines(), QStringList({"B ASC", "C ASC"}));
    EXPECT_EQ(wizard.sortSelection(), 0);
    wizard.sortField = "D";
    wizard.addSort();
    wizard.selectSort(2);
    wizard.removeSort();
    EXPECT_EQ(wizard.sortLines(), QStringList({"B ASC", "C ASC"}));
    EXPECT_EQ(wizard.sortSelection(), 1);
}

TEST_F(LinkWizardTest, LinkFileOptionDropsATextLink)
{
    LinkWizardModel wizard(dir.path());
    wizard.start(people());
    EXPECT_EQ(wizard.option(), LinkOption::PersonalOrText);
    wizard.setOption(LinkOption::NewLinkFile);
    wizard.next();
    EXPECT_TRUE(wizard.linkPath().isEmpty());
    EXPECT_FALSE(wizard.nextEnabled());
    EXPECT_EQ(wizard.databaseLabel(), DataTexts::NewLinkLabel);
    EXPECT_EQ(messages.texts(), QStringList({DataTexts::ConnectError}));

    wizard.start(dir.filePath("shop.DlF"));
    EXPECT_EQ(wizard.option(), LinkOption::ExistingLinkFile);
}

TEST_F(LinkWizardTest, NewLinkFileIsWrittenWhenATableIsChosen)
{
    const QString folder = dir.filePath("texts");
    QDir().mkpath(folder);
    writeFileBytes(folder + "/people.csv", kPeople);
    LinkWizardModel wizard(dir.path());
    wizard.start(QString());
    wizard.setOption(LinkOption::NewLinkFile);
    wizard.next();
    wizard.chooseFile(dir.filePath("people"));
    EXPECT_TRUE(wizard.adoPanelVisible());
    EXPECT_FALSE(wizard.tablePanelVisible());
    EXPECT_TRUE(wizard.linkPath().isEmpty());
    wizard.setConnection("Driver=TEXT;DBQ=" + folder, {"people.csv"});
    EXPECT_TRUE(wizard.tablePanelVisible());
    ASSERT_TRUE(wizard.chooseTable("people.csv"));
    EXPECT_EQ(wizard.linkPath(), dir.filePath("people.dlf"));
    EXPECT_EQ(readFileBytes(dir.filePath("people.dlf")),
              "[ADO]\r\nConnection=Driver=TEXT;DBQ=" + folder.toUtf8() + "\r\nTable=people.csv\r\n");
    EXPECT_EQ(wizard.reader().recordCount(), 4);
    EXPECT_EQ(wizard.connection(), "Driver=TEXT;DBQ=" + folder);

    // A name with another extension still becomes a link file the reader knows.
    wizard.chooseFile(dir.filePath("people.txt"));
    ASSERT_TRUE(wizard.chooseTable("people.csv"));
    EXPECT_EQ(wizard.linkPath(), dir.filePath("people.txt.dlf"));
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('\n').toStdString();
}

TEST_F(LinkWizardTest, RecordsAreListedInBlocks)
{
    QByteArray csv = "NAME\r\n";
    for (int i = 0; i < 60; ++i)
        csv += "N" + QByteArray::number(i) + "\r\n";
    LinkWizardModel wizard(dir.path());
    wizard.start(writeFileBytes(dir.filePath("many.csv"), csv));
    wizard.next();
    wizard.next();
    wizard.next();
    ASSERT_EQ(wizard.page(), LinkPage::Finish);
    wizard.startListing();
    int blocks = 0;
    while (wizard.listNextBlock())
        ++blocks;
    EXPECT_EQ(blocks, 3);
    EXPECT_EQ(wizard.listedRecords().size(), 60);
    EXPECT_EQ(wizard.countText(), "60 Records");
    EXPECT_FALSE(wizard.listing());

    wizard.startListing();
    EXPECT_TRUE(wizard.listNextBlock());
    wizard.cancelListing();
    EXPECT_FALSE(wizard.listNextBlock());
    EXPECT_EQ(wizard.listedRecords().size(), LinkWizardModel::kListBlock);
}

class LinkCommandTest : public LinkWizardTest {
protected:
    void SetUp() override
    {
        LinkWizardTest::SetUp();
        ASSERT_TRUE(document.setLinkedDatabase(people()));
        document.editor.markSaved();
    }
    DesignDocument document;
};

TEST_F(LinkCommandTest, CancellingAsksWhetherToUnlink)
{
    recordedMessages().queueAnswer(Messages::Answer::No);
    EXPECT_FALSE(applyLinkWizardResult(document, false, QString()));
    EXPECT_EQ(document.linkedDatabasePath(), people());
    EXPECT_FALSE(document.isModified());
    recordedMessages().queueAnswer(Messages::Answer::Yes);
    EXPECT_FALSE(applyLinkWizardResult(document, false, QString()));
    EXPECT_TRUE(document.linkedDatabasePath().isEmpty());
    EXPECT_FALSE(document.dataReader().active());
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(messages.texts(), QStringList({DataTexts::UnlinkPrompt, DataTexts::UnlinkPrompt}));
}

TEST_F(LinkCommandTest, ChangingAnOpenLinkAsksFirst)
{
    const QString other = writeFileBytes(dir.filePath("other.csv"), "TITLE\r\nOne\r\n");
    recordedMessages().queueAnswer(Messages::Answer::No);
    EXPECT_FALSE(applyLinkWizardResult(document, true, other));
    EXPECT_EQ(document.linkedDatabasePath(), people());
    recordedMessages().queueAnswer(Messages::Answer::Yes);
    EXPECT_TRUE(applyLinkWizardResult(document, true, other));
    EXPECT_EQ(document.linkedDatabasePath(), other);
    EXPECT_EQ(document.dataReader().fieldNames(), QStringList({"TITLE"}));
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(messages.texts(), QStringList({DataTexts::ChangeLinkPrompt, DataTexts::ChangeLinkPrompt}));
}

TEST_F(LinkCommandTest, ASourceThatWillNotOpenChangesNothing)
{
    recordedMessages().setDefaultAnswer(Messages::Answer::Yes);
    EXPECT_FALSE(applyLinkWizardResult(document, true, dir.filePath("missing.csv")));
    EXPECT_EQ(document.linkedDatabasePath(), people());
    EXPECT_TRUE(document.dataReader().active());
    EXPECT_FALSE(document.isModified());
    EXPECT_TRUE(messages.texts().contains(DataTexts::SelectedDatabaseFailed));
}

} // namespace
