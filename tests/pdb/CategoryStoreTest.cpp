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
    QString path(PdbKind kind, const QString& name) const { return PdbCategories::CategoryPath(db(), kind, name); }
    void touch(PdbKind kind, const QString& file)
    {
        QDir().mkpath(PdbCategories::Folder(db(), kind));
        QFile f(QDir(PdbCategories::Folder(db(), kind)).filePath(file));
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
        const PdbCategories::PageCategories page = PdbCategories::ForPage(db(), c.kind);
        EXPECT_EQ(page.names, c.names);
        EXPECT_EQ(page.selected, c.selected);
    }
}

TEST_F(CategoryStoreTest, OpeningAMissingCategoryCreatesAnEmptyTable)
{
    TBinaryDataSet table;
    ASSERT_TRUE(PdbCategories::OpenCategory(table, path(PdbKind::Names, "PDB 1"), PdbKind::Names));
    EXPECT_EQ(FileBytes(path(PdbKind::Names, "PDB 1")).size(), 950);
    EXPECT_EQ(table.RecordCount(), 0);
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(PdbCategories::List(db(), PdbKind::Names), QStringList({"PDB 1"}));
}

TEST_F(CategoryStoreTest, UnreadableCategoryAsksBeforeOverwriting)
{
    touch(PdbKind::Texts, "Broken.dat");
    const QString file = path(PdbKind::Texts, "Broken");
    TBinaryDataSet table;
    RecordedMessages().queueAnswer(Messages::Answer::No);
    EXPECT_FALSE(PdbCategories::OpenCategory(table, file, PdbKind::Texts));
    EXPECT_EQ(messages.texts(), QStringList({PdbTexts::CannotOpenCategory(file)}));
    EXPECT_EQ(FileBytes(file).size(), 0);
    RecordedMessages().queueAnswer(Messages::Answer::Yes);
    EXPECT_TRUE(PdbCategories::OpenCategory(table, file, PdbKind::Texts));
    EXPECT_EQ(FileBytes(file).size(), 89);
}

TEST_F(CategoryStoreTest, RecordListsShowDisplayTextsSorted)
{
    TBinaryDataSet texts;
    ASSERT_TRUE(PdbCategories::OpenCategory(texts, path(PdbKind::Texts, "My Texts"), PdbKind::Texts));
    const QString thirty = "Happy birthday to you, my dea";  // 29 characters
    ASSERT_TRUE(AddRecord(texts, {{"TEXT", thirty + "r"}}));
    ASSERT_TRUE(AddRecord(texts, {{"TEXT", QString(25, 'b')}}));
    ASSERT_TRUE(AddRecord(texts, {{"TEXT", "All the best"}}));
    const auto entries = PdbCategories::RecordList(texts, PdbKind::Texts);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].text, "All the best");
    EXPECT_EQ(entries[0].ordinal, 2);
    EXPECT_EQ(entries[1].text, "Happy birthday to you, my...");
    EXPECT_EQ(entries[2].text, QString(25, 'b'));
    ASSERT_TRUE(PdbCategories::MoveToOrdinal(texts, entries[0].ordinal));
    EXPECT_EQ(texts.FieldValue("TEXT"), "All the best");

    TBinaryDataSet names;
    ASSERT_TRUE(PdbCategories::OpenCategory(names, path(PdbKind::Names, "PDB 1"), PdbKind::Names));
    ASSERT_TRUE(AddRecord(names, {{"FIRSTNAME", "Ann"}, {"LASTNAME", "Smith"}}));
    EXPECT_EQ(PdbCategories::DisplayText(names, PdbKind::Names), "Ann Smith");
}

TEST_F(CategoryStoreTest, AddRenameAndDeleteCategories)
{
    TBinaryDataSet table;
    const QStringList existing{"Media 1"};
    EXPECT_FALSE(PdbCategories::AddCategory(db(), PdbKind::Media, "media 1", existing, table));
    EXPECT_EQ(messages.texts(), QStringList({PdbTexts::CategoryExists}));
    EXPECT_TRUE(PdbCategories::AddCategory(db(), PdbKind::Media, "Films", existing, table));
    EXPECT_TRUE(table.Active());
    RecordedMessages().clear();
    EXPECT_FALSE(PdbCategories::AddCategory(db(), PdbKind::Media, "../escape", existing, table));
    EXPECT_FALSE(QFile::exists(QDir(db()).filePath("escape.dat")));

    RecordedMessages().clear();
    const QStringList now{"Films", "Media 1"};
    EXPECT_FALSE(PdbCategories::RenameCategory(db(), PdbKind::Media, "Films", "Films", now, table));
    EXPECT_EQ(messages.texts(), QStringList({PdbTexts::CategoryExists}));
    EXPECT_TRUE(PdbCategories::RenameCategory(db(), PdbKind::Media, "Films", "Movies", now, table));
    EXPECT_EQ(PdbCategories::List(db(), PdbKind::Media), QStringList({"Movies"}));

    RecordedMessages().queueAnswer(Messages::Answer::No);
    EXPECT_FALSE(PdbCategories::DeleteCategory(db(), PdbKind::Media, "Movies", table));
    RecordedMessages().queueAnswer(Messages::Answer::Yes);
    EXPECT_TRUE(PdbCategories::DeleteCategory(db(), PdbKind::Media, "Movies", table));
    EXPECT_TRUE(PdbCategories::List(db(), PdbKind::Media).isEmpty());
    EXPECT_EQ(PdbCategories::ForPage(db(), PdbKind::Media).names, QStringList({"Media 1"}));
}

} // namespace
