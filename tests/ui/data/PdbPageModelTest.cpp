// A page of the Personal Databases dialog, without showing it.

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "MergeFixtures.h"
#include "TestSupport.h"
#include "base/Cp1252.h"
#include "pdb/PdbTexts.h"
#include "ui/data/PdbPageModel.h"

namespace {

class PdbPageModelTest : public testing::Test {
protected:
    QTemporaryDir dir;
    MessageRecorder messages;
};

void addText(PdbPageModel& page, const QString& text)
{
    ASSERT_TRUE(page.insert());
    ASSERT_TRUE(page.setValue("TEXT", text));
    ASSERT_TRUE(page.post());
}

TEST_F(PdbPageModelTest, NavigatorKeepsTheListInStep)
{
    PdbPageModel page(dir.path(), PdbKind::Texts);
    page.show();
    EXPECT_EQ(page.category(), "My Texts");
    ASSERT_TRUE(page.isOpen());
    for (const char* text : {"bob", "Carl", "anna"})
        addText(page, text);
    EXPECT_EQ(page.recordTexts(), QStringList({"anna", "bob", "Carl"}));
    EXPECT_EQ(page.selectedRow(), 0);  // the record just posted
    EXPECT_EQ(page.value("TEXT"), "anna");

    // Insert, then Delete before posting: only the new record goes.
    page.selectRow(2);
    ASSERT_TRUE(page.insert());
    ASSERT_TRUE(page.setValue("TEXT", "draft"));
    ASSERT_TRUE(page.deleteRecord());
    EXPECT_EQ(page.recordTexts(), QStringList({"anna", "bob", "Carl"}));
    EXPECT_EQ(page.table().recordCount(), 3);

    // Moving during an edit posts it; the list follows.
    page.selectRow(1);
    ASSERT_TRUE(page.setValue("TEXT", "Bobby"));
    page.selectRow(0);
    EXPECT_EQ(page.recordTexts(), QStringList({"anna", "Bobby", "Carl"}));
    EXPECT_EQ(page.value("TEXT"), "anna");

    // Cancel drops the edit.
    ASSERT_TRUE(page.setValue("TEXT", "gone"));
    page.cancel();
    EXPECT_EQ(page.value("TEXT"), "anna");

    // Delete keeps the position.
    page.selectRow(1);
    ASSERT_TRUE(page.deleteRecord());
    EXPECT_EQ(page.recordTexts(), QStringList({"anna", "Carl"}));
    EXPECT_EQ(page.selectedRow(), 1);
    EXPECT_EQ(page.value("TEXT"), "Carl");
}

TEST_F(PdbPageModelTest, TypingIntoAnEmptyCategoryInsertsARecord)
{
    PdbPageModel page(dir.path(), PdbKind::Media);
    page.show();
    EXPECT_EQ(page.categories(), QStringList({"Media 1"}));
    ASSERT_TRUE(page.setValue("TITLE", "Tapes"));
    EXPECT_TRUE(page.inserting());
    ASSERT_TRUE(page.postPending());
    EXPECT_EQ(page.recordTexts(), QStringList({"Tapes"}));
}

TEST_F(PdbPageModelTest, CategoriesComeAndGo)
{
    PdbPageModel page(dir.path(), PdbKind::Names);
    page.show();
    page.addCategory("Friends");
    EXPECT_EQ(page.categories(), QStringList({"Friends", "PDB 1"}));
    EXPECT_EQ(page.category(), "Friends");
    EXPECT_TRUE(page.isOpen());
    page.renameCategory("pdb 1");
    EXPECT_EQ(messages.texts(), QStringList({PdbTexts::CategoryExists}));
    EXPECT_EQ(page.category(), "Friends");
    EXPECT_TRUE(page.isOpen());
    page.renameCategory("Family");
    EXPECT_EQ(page.categories(), QStringList({"Family", "PDB 1"}));
    EXPECT_TRUE(page.isOpen());
    recordedMessages().queueAnswer(Messages::Answer::Yes);
    page.deleteCategory();
    EXPECT_EQ(page.categories(), QStringList({"PDB 1"}));
    EXPECT_TRUE(page.isOpen());
}

// A long import and the export after it give back the same records in order,
// whether the file came in Windows-1252 or UTF-8.
TEST_F(PdbPageModelTest, TenThousandNamesImportAndExportUnchanged)
{
    QStringList lines{"Given,Family,Town"};
    for (int i = 0; i < 10000; ++i)
        lines << QString("Zoë%1,Núñez-%2,\"Saint-Étienne, %1\"").arg(i).arg(9999 - i);
    const QString text = lines.join("\r\n") + "\r\n";
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const std::vector<Case> cases = {{"windows-1252", toCp1252(text)}, {"utf-8", text.toUtf8()}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(dir.filePath("Pdb")).removeRecursively();
        const QString in = writeFileBytes(dir.filePath(QString("in-%1.csv").arg(c.name)), c.bytes);
        PdbPageModel page(dir.path(), PdbKind::Names);
        page.show();
        const std::vector<PdbTransfer::ImportPair> pairs = {
            {0, 0, "First Name", "Given"}, {1, 1, "Last Name", "Family"}, {5, 2, "City", "Town"}};
        EXPECT_EQ(page.importPairs(in, pairs), 10000);
        const QString out = dir.filePath(QString("out-%1.txt").arg(c.name));
        ASSERT_TRUE(page.exportTo(out));
        const ReadResult back = readDelimited(out);
        ASSERT_EQ(back.records.size(), 10000u);
        for (int i = 0; i < 10000; i += 997) {
            const QStringList& record = back.records[size_t(i)];
            EXPECT_EQ(record.value(0), QString("Zoë%1").arg(i));
            EXPECT_EQ(record.value(1), QString("Núñez-%1").arg(9999 - i));
            EXPECT_EQ(record.value(5), QString("Saint-Étienne, %1").arg(i));
        }
        EXPECT_EQ(back.records.back().value(0), "Zoë9999");
    }
}

} // namespace
