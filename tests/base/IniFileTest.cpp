// One key of one section of INI-format files (data link files, defado.cfg).

#include <gtest/gtest.h>

#include "MergeFixtures.h"
#include "base/IniFile.h"

namespace {

TEST(IniFile, ReadsKeysOfSections)
{
    QTemporaryDir dir;
    const QString path = writeFileBytes(dir.filePath("a.DLF"), "; a link\r\n[Other]\r\nTable=wrong\r\n"
                                                               "[ado]\n  connection = Driver=QSQLITE;Database=x \n"
                                                               "Table=\"my table\"\rEmpty=\r\n");
    const std::vector<std::array<QString, 3>> cases = {
        {"ADO", "Connection", "Driver=QSQLITE;Database=x"},
        {"ADO", "TABLE", "my table"},
        {"Other", "Table", "wrong"},
        {"ADO", "Empty", ""},
        {"ADO", "Missing", "default"},
        {"None", "Table", "default"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IniFile::readString(path, c[0], c[1], "default"), c[2]) << c[1].toStdString();
    EXPECT_EQ(IniFile::readString(dir.filePath("missing.DLF"), "ADO", "Table", "d"), "d");
}

TEST(IniFile, WritesKeysKeepingTheRest)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("new.DLF");
    ASSERT_TRUE(IniFile::writeString(path, "ADO", "Connection", "Driver=QSQLITE"));
    ASSERT_TRUE(IniFile::writeString(path, "ADO", "Table", "people"));
    ASSERT_TRUE(IniFile::writeString(path, "Other", "Key", QString::fromUtf8("Jos\xC3\xA9")));
    ASSERT_TRUE(IniFile::writeString(path, "ado", "connection", "Driver=QPSQL"));
    EXPECT_EQ(readFileBytes(path),
              QByteArray("[ADO]\r\nconnection=Driver=QPSQL\r\nTable=people\r\n[Other]\r\nKey=Jos\xE9\r\n"));
    EXPECT_EQ(IniFile::readString(path, "Other", "Key"), QString::fromUtf8("Jos\xC3\xA9"));
    // Text with no Windows-1252 form keeps every character.
    ASSERT_TRUE(IniFile::writeString(path, "Other", "Key", QString::fromUtf8("\xE2\x98\x83")));
    EXPECT_EQ(IniFile::readString(path, "Other", "Key"), QString::fromUtf8("\xE2\x98\x83"));
    EXPECT_FALSE(IniFile::writeString(dir.filePath("no/folder/x.ini"), "A", "B", "C"));
}

} // namespace
