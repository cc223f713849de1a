// Categories of the personal databases and their record lists.

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "PdbFixtures.h"
#include "TestSupport.h"
#include "pdb/CategoryStore.h"
#include "pdb/PdbTexts.h"

namespace {

class CategoryStoreTest : public testing::Test {
protected:
    QString db() const { return dir.path(); }
    QString path(PdbKind kind, const QString& name) const { return PdbCategories::categoryPath(db(), kind, name); }
    void touch(PdbKind kind, const QString& file)
    {
        QDir().mkpath(PdbCategories::kindFolder(db(), kind));
        QFile f(QDir(PdbCategories::kindFolder(db(), kind)).filePath(file));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }

    QTemporaryDir dir;
    MessageRecorder messages;
};

TEST_F(CategoryStoreTest, PagesShowTheirDefaultCategories)
{
    struct Case {
        PdbKind kind;
        QStringList files;
        QStringList names;
        QString selected;
    };
    const std::vector<Case> cases = {
        {PdbKind::Names, {}, {"PDB 1"}, "PDB 1"},
        {PdbKind::Media, {"b.dat", "A.DAT", "notes.txt"}, {"A", "b"}, "A"},
        {PdbKind::Texts, {"Verses.dat"}, {"My Texts", "Verses"}, "My Texts"},
    };
    for (const Case& c : cases) {
        for (const QString& file : c.files)
            touch(c.kind, file);
        const PdbCategories::PageCategories page = PdbCategories::forPage(db(), c.kind);
        EXPECT_EQ(page.names, c.names);
        EXPECT_EQ(page.selected, c.selected);
    }
}

TEST_F(CategoryStoreTest, OpeningAMissingCategoryCreatesAnEmptyTable)
{
    PersonalTable table;
    ASSERT_TRUE(PdbCategories::openCategory(table, path(PdbKind::Names, "PDB 1"), PdbKind::Names));
    EXPECT_EQ(fileBytes(path(PdbKind::Names, "PDB 1")).size(), 950);
    EXPECT_EQ(table.recordCount(), 0);
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(PdbCategories::list(db(), PdbKind::Names), QStringList({"PDB 1"}));
}

TEST_F(CategoryStoreTest, UnreadableCategoryAsksBeforeOverwriting)
{
    touch(PdbKind::Texts, "Broken.dat");
    const QString file = path(PdbKind::Texts, "Broken");
    PersonalTable table;
    recordedMessages().queueAnswer(Messages::Answer::No);
    EXPECT_FALSE(PdbCategories::openCategory(table, file, PdbKind::Texts));
    EXPECT_EQ(messages.texts(), QStringList({PdbTexts::cannotOpenCategory(file)}));
    EXPECT_EQ(fileBytes(file).size(), 0);
    recordedMessages().queueAnswer(Messages::Answer::Yes);
    EXPECT_TRUE(PdbCategories::openCategory(table, file, PdbKind::Texts));
    EXPECT_EQ(fileBytes(file).size(), 89);
}

TEST_F(CategoryStoreTest, RecordListsShowDisplayTextsSorted)
{
    PersonalTable texts;
    ASSERT_TRUE(PdbCategories::openCategory(texts, path(PdbKind::Texts, "My Texts"), PdbKind::Texts));
    const QString thirty = "Happy birthday to you, my dea";  // 29 characters
    ASSERT_TRUE(addRecord(texts, {{"TEXT", thirty + "r"}}));
    ASSERT_TRUE(addRecord(texts, {{"TEXT", QString(25, 'b')}}));
    ASSERT_TRUE(addRecord(texts, {{"TEXT", "All the best"}}));
    const auto entries = PdbCategories::recordList(texts, PdbKind::Texts);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].text, "All the best");
    EXPECT_EQ(entries[0].ordinal, 2);
    // Letter case aside, as a person reads a list.
    EXPECT_EQ(entries[1].text, QString(25, 'b'));
    EXPECT_EQ(entries[2].text, "Happy birthday to you, my...");
    ASSERT_TRUE(PdbCategories::moveToOrdinal(texts, entries[0].ordinal));
    EXPECT_EQ(texts.fieldValue("TEXT"), "All the best");

    PersonalTable names;
    ASSERT_TRUE(PdbCategories::openCategory(names, path(PdbKind::Names, "PDB 1"), PdbKind::Names));
    ASSERT_TRUE(addRecord(names, {{"FIRSTNAME", "Ann"}, {"LASTNAME", "Smith"}}));
    EXPECT_EQ(PdbCategories::displayText(names, PdbKind::Names), "Ann Smith");
}

TEST_F(CategoryStoreTest, AddRenameAndDeleteCategories)
{
    PersonalTable table;
    const QStringList existing{"Media 1"};
    EXPECT_FALSE(PdbCategories::addCategory(db(), PdbKind::Media, "media 1", existing, table));
    EXPECT_EQ(messages.texts(), QStringList({PdbTexts::CategoryExists}));
    EXPECT_TRUE(PdbCategories::addCategory(db(), PdbKind::Media, "Films", existing, table));
    EXPECT_TRUE(table.active());
    recordedMessages().clear();
    EXPECT_FALSE(PdbCategories::addCategory(db(), PdbKind::Media, "../escape", existing, table));
    EXPECT_FALSE(QFile::exists(QDir(db()).filePath("escape.dat")));

    recordedMessages().clear();
    const QStringList now{"Films", "Media 1"};
    EXPECT_FALSE(PdbCategories::renameCategory(db(), PdbKind::Media, "Films", "Films", now, table));
    EXPECT_EQ(messages.texts(), QStringList({PdbTexts::CategoryExists}));
    EXPECT_TRUE(PdbCategories::renameCategory(db(), PdbKind::Media, "Films", "Movies", now, table));
    EXPECT_EQ(PdbCategories::list(db(), PdbKind::Media), QStringList({"Movies"}));

    recordedMessages().queueAnswer(Messages::Answer::No);
    EXPECT_FALSE(PdbCategories::deleteCategory(db(), PdbKind::Media, "Movies", table));
    recordedMessages().queueAnswer(Messages::Answer::Yes);
    EXPECT_TRUE(PdbCategories::deleteCategory(db(), PdbKind::Media, "Movies", table));
    EXPECT_TRUE(PdbCategories::list(db(), PdbKind::Media).isEmpty());
    EXPECT_EQ(PdbCategories::forPage(db(), PdbKind::Media).names, QStringList({"Media 1"}));
}

} // namespace
