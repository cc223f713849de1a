// Export of categories to delimited files and import from them.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "PdbFixtures.h"
#include "TestSupport.h"
#include "base/CsvFile.h"
#include "pdb/PdbImportExport.h"
#include "pdb/PdbTexts.h"

namespace {

std::vector<PdbTransfer::ImportPair> Pairs(PdbKind kind, const QString& file,
                                           const std::vector<std::pair<QString, QString>>& labelToColumn)
{
    const auto offered = PdbTransfer::ImportFieldsOffered(kind);
    const QStringList columns = PdbTransfer::ReadImportColumns(file);
    std::vector<PdbTransfer::ImportPair> pairs;
    for (const auto& [label, column] : labelToColumn) {
        PdbTransfer::ImportPair pair;
        for (const auto& field : offered)
            if (field.label == label)
                pair.fieldOrdinal = field.ordinal;
        pair.columnIndex = int(columns.indexOf(column));
        pair.fieldLabel = label;
        pair.columnName = column;
        pairs.push_back(pair);
    }
    return pairs;
}

TEST(PdbTransfer, NamesExportAndImportBack)
{
    QTemporaryDir dir;
    TBinaryDataSet table;
    ASSERT_TRUE(CreateOpenTable(table, dir.filePath("PDB 1.dat"), PdbSchema::Names()));
    ASSERT_TRUE(AddRecord(table, {{"FIRSTNAME", "Ann"}, {"PHONE4", "555"}, {"WEBSITE", "ann.example"}}));
    ASSERT_TRUE(AddRecord(table, {{"FIRSTNAME", "Bob \"B\""}, {"ADDRESS", "1 Elm St, Apt 2"}}));
    const QString file = dir.filePath("names.txt");
    ASSERT_TRUE(PdbTransfer::ExportCategory(table, PdbKind::Names, file));

    const QByteArray bytes = FileBytes(file);
    const QList<QByteArray> lines = bytes.split('\n');
    ASSERT_EQ(lines.size(), 4);  // three lines and the empty tail after the last CR LF
    EXPECT_EQ(lines[0], "\"FirstName\",\"LastName\",\"Company\",\"Title\",\"Address\",\"City\",\"State\",\"Zip\","
                        "\"Country\",\"PrimaryPhone\",\"AlternatePhone\",\"Mobile\",\"Pager\",\"OtherPhone\",\"FAX\","
                        "\"Email1\",\"Email2\",\"User1\",\"User2\",\"User3\",\"User4\"\r");
    EXPECT_TRUE(lines[2].startsWith("\"Bob \"\"B\"\"\",\"\",\"\",\"\",\"1 Elm St, Apt 2\""));
    EXPECT_FALSE(bytes.contains("ann.example"));
    EXPECT_EQ(PdbTransfer::ExportColumns(PdbKind::Names).size(), 21);

    const auto pairs = Pairs(PdbKind::Names, file, {{"First Name", "FirstName"}, {"Pager", "Pager"}});
    EXPECT_EQ(pairs[0].text(), "First Name=FirstName");
    EXPECT_EQ(pairs[1].code(), 12 * 1000 + 12);
    TBinaryDataSet target;
    ASSERT_TRUE(CreateOpenTable(target, dir.filePath("PDB 2.dat"), PdbSchema::Names()));
    EXPECT_EQ(PdbTransfer::ImportRecords(target, PdbKind::Names, file, pairs), 2);
    ASSERT_TRUE(target.First());
    EXPECT_EQ(target.FieldValue("FIRSTNAME"), "Ann");
    EXPECT_EQ(target.FieldValue("PHONE4"), "555");
    EXPECT_TRUE(target.FieldValue("ADDRESS").isEmpty());
    ASSERT_TRUE(target.Next());
    EXPECT_EQ(target.FieldValue("FIRSTNAME"), "Bob \"B\"");
}

TEST(PdbTransfer, MediaImportSkipsLinesWithoutPairedValues)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("media.csv");
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("T,A,D,C,N\nSongs,Me,Best of,\"1 One\n2 Two\",none\nShort,Only\nLong," + QByteArray(150, 'x') +
              ",d,c,n\n");
    out.close();
    const auto pairs = Pairs(PdbKind::Media, file,
                             {{"Title", "T"}, {"Author", "A"}, {"Description", "D"}, {"Contents", "C"}, {"Notes", "N"}});
    TBinaryDataSet table;
    ASSERT_TRUE(CreateOpenTable(table, dir.filePath("Media 1.dat"), PdbSchema::Media()));
    EXPECT_EQ(PdbTransfer::ImportRecords(table, PdbKind::Media, file, pairs), 2);
    ASSERT_TRUE(table.First());
    EXPECT_EQ(table.FieldValue("TITLE"), "Songs");
    EXPECT_EQ(table.FieldValue("AUTHOR"), "Me");
    EXPECT_EQ(table.FieldValue("DESCRIPTION"), "Best of");
    EXPECT_EQ(table.FieldValue("CONTENTS"), "1 One\r\n2 Two");
    EXPECT_EQ(table.FieldValue("NOTES"), "none");
    ASSERT_TRUE(table.Next());
    EXPECT_EQ(table.FieldValue("TITLE"), "Long");
    EXPECT_EQ(table.FieldValue("AUTHOR"), QString(100, 'x'));
    EXPECT_FALSE(table.Next());
}

TEST(PdbTransfer, TextsImportEveryLineAndExportQuoted)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("texts.txt");
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("Roses, violets\r\nSay \"hi\"\n" + QByteArray(600, 'z'));
    out.close();
    TBinaryDataSet table;
    ASSERT_TRUE(CreateOpenTable(table, dir.filePath("My Texts.dat"), PdbSchema::Texts()));
    EXPECT_EQ(PdbTransfer::ImportTexts(table, file), 3);
    ASSERT_TRUE(table.First());
    EXPECT_EQ(table.FieldValue("TEXT"), "Roses, violets");
    table.Next();
    table.Next();
    EXPECT_EQ(table.FieldValue("TEXT"), QString(512, 'z'));

    const QString exported = dir.filePath("out.txt");
    ASSERT_TRUE(PdbTransfer::ExportCategory(table, PdbKind::Texts, exported));
    EXPECT_TRUE(FileBytes(exported).startsWith("\"Text\"\r\n\"Roses, violets\"\r\n\"Say \"\"hi\"\"\"\r\n"));
    EXPECT_EQ(table.FieldValue("TEXT"), "Roses, violets");  // back on the first record
}

TEST(PdbTransfer, ExportToAnUncreatableFileSaysSo)
{
    MessageRecorder messages;
    QTemporaryDir dir;
    TBinaryDataSet table;
    ASSERT_TRUE(CreateOpenTable(table, dir.filePath("t.dat"), PdbSchema::Texts()));
    const QString file = dir.filePath("no/folder/out.txt");
    EXPECT_FALSE(PdbTransfer::ExportCategory(table, PdbKind::Texts, file));
    EXPECT_EQ(messages.texts(), QStringList({PdbTexts::CannotCreateExport(file)}));
    EXPECT_TRUE(PdbTransfer::ReadImportColumns(file).isEmpty());
}

} // namespace
