// Faults the dialogs would expose: lost records, dropped edits, category
// files opened under another spelling, record lists in a surprising order.

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "PdbFixtures.h"
#include "TestSupport.h"
#include "pdb/CategoryStore.h"

namespace {

class StoreFaultsTest : public testing::Test {
protected:
    QString db() const { return dir.path(); }
    QString kindFile(PdbKind kind, const QString& file) const
    {
        QDir().mkpath(PdbCategories::kindFolder(db(), kind));
        return QDir(PdbCategories::kindFolder(db(), kind)).filePath(file);
    }
    // A category file with the given records, written under exactly this file name.
    void writeCategory(PdbKind kind, const QString& file, const QStringList& texts, const char* field)
    {
        QDir().mkpath(PdbCategories::kindFolder(db(), kind));
        PersonalTable table;
        ASSERT_TRUE(createOpenTable(table, kindFile(kind, file), PdbCategories::schema(kind)));
        for (const QString& text : texts)
            ASSERT_TRUE(addRecord(table, {{field, text}}));
    }
    QStringList listedTexts(PersonalTable& table, PdbKind kind)
    {
        QStringList out;
        for (const auto& entry : PdbCategories::recordList(table, kind))
            out << entry.text;
        return out;
    }

    QTemporaryDir dir;
    MessageRecorder messages;
};

TEST_F(StoreFaultsTest, DeleteDuringInsertDropsOnlyTheNewRecord)
{
    PersonalTable table;
    ASSERT_TRUE(createOpenTable(table, kindFile(PdbKind::Texts, "t.dat"), PdbSchema::texts()));
    ASSERT_TRUE(addRecord(table, {{"TEXT", "first"}}));
    ASSERT_TRUE(addRecord(table, {{"TEXT", "second"}}));
    ASSERT_TRUE(table.first());
    ASSERT_TRUE(table.insert());
    EXPECT_TRUE(table.deleteRecord());
    EXPECT_FALSE(table.editing());
    EXPECT_EQ(table.recordCount(), 2);
    EXPECT_EQ(table.deletedCount(), 0);
    EXPECT_EQ(listedTexts(table, PdbKind::Texts), QStringList({"first", "second"}));
}

TEST_F(StoreFaultsTest, MovingDuringAnInsertOrEditKeepsTheChanges)
{
    struct Case {
        const char* name;
        bool insert;
        bool (PersonalTable::*move)();
        QStringList expected;
    };
    const std::vector<Case> cases = {
        {"insert then first", true, &PersonalTable::first, {"a", "b", "new"}},
        {"insert then next", true, &PersonalTable::next, {"a", "b", "new"}},
        {"edit then first", false, &PersonalTable::first, {"b", "new"}},
        {"edit then next", false, &PersonalTable::next, {"b", "new"}},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PersonalTable table;
        ASSERT_TRUE(createOpenTable(table, kindFile(PdbKind::Texts, QString("m%1.dat").arg(n++)), PdbSchema::texts()));
        ASSERT_TRUE(addRecord(table, {{"TEXT", "a"}}));
        ASSERT_TRUE(addRecord(table, {{"TEXT", "b"}}));
        ASSERT_TRUE(table.first());
        ASSERT_TRUE(c.insert ? table.insert() : table.edit());
        ASSERT_TRUE(table.setFieldValue("TEXT", "new"));
        (table.*c.move)();
        EXPECT_FALSE(table.editing());
        EXPECT_EQ(listedTexts(table, PdbKind::Texts), c.expected);
    }
}

TEST_F(StoreFaultsTest, CategoryFilesKeepTheirOwnSpelling)
{
    struct Case {
        PdbKind kind;
        QString file;
        const char* field;
    };
    const std::vector<Case> cases = {
        {PdbKind::Names, "Friends.DAT", "FIRSTNAME"},
        {PdbKind::Media, "Films.Dat", "TITLE"},
        {PdbKind::Texts, "my texts.dat", "TEXT"},
        {PdbKind::Texts, "MY TEXTS.DAT", "TEXT"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        QDir(PdbCategories::kindFolder(db(), c.kind)).removeRecursively();
        writeCategory(c.kind, c.file, {"kept"}, c.field);
        const auto page = PdbCategories::forPage(db(), c.kind);
        ASSERT_EQ(page.names.size(), 1);
        const QString path = PdbCategories::categoryPath(db(), c.kind, page.selected);
        EXPECT_EQ(path, kindFile(c.kind, c.file));
        PersonalTable table;
        ASSERT_TRUE(PdbCategories::openCategory(table, path, c.kind));
        EXPECT_EQ(table.recordCount(), 1);
        EXPECT_EQ(QDir(PdbCategories::kindFolder(db(), c.kind)).entryList(QDir::Files).size(), 1);
    }
}

TEST_F(StoreFaultsTest, ListsSortAsAPersonExpects)
{
    writeCategory(PdbKind::Media, "Discs.dat", {"Carl", "bob", "Zed", "anna"}, "TITLE");
    for (const QString& name : {"zeta", "Alpha", "beta"})
        writeCategory(PdbKind::Media, name + ".dat", {}, "TITLE");
    EXPECT_EQ(PdbCategories::list(db(), PdbKind::Media), QStringList({"Alpha", "beta", "Discs", "zeta"}));
    PersonalTable table;
    ASSERT_TRUE(PdbCategories::openCategory(table, kindFile(PdbKind::Media, "Discs.dat"), PdbKind::Media));
    EXPECT_EQ(listedTexts(table, PdbKind::Media), QStringList({"anna", "bob", "Carl", "Zed"}));
}

} // namespace
