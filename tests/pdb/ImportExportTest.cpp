// Export of categories to delimited files and import from them.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "PdbFixtures.h"
#include "TestSupport.h"
#include "base/CsvFile.h"
#include "pdb/PdbImportExport.h"
#include "pdb/PdbTexts.h"

namespace {

std::vector<PdbTransfer::ImportPair> importPairs(PdbKind kind, const QString& file,
                                           const std::vector<std::pair<QString, QString>>& labelToColumn)
{
    const auto offered = PdbTransfer::importFieldsOffered(kind);
    const QStringList columns = PdbTransfer::readImportColumns(file);
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
    PersonalTable table;
    ASSERT_TRUE(createOpenTable(table, dir.filePath("PDB 1.dat"), PdbSchema::names()));
    ASSERT_TRUE(addRecord(table, {{"FIRSTNAME", "Ann"}, {"PHONE4", "555"}, {"WEBSITE", "ann.example"}}));
    ASSERT_TRUE(addRecord(table, {{"FIRSTNAME", "Bob \"B\""}, {"ADDRESS", "1 Elm St, Apt 2"}}));
    const QString file = dir.filePath("names.txt");
    ASSERT_TRUE(PdbTransfer::exportCategory(table, PdbKind::Names, file));

    const QByteArray bytes = fileBytes(file);
    const QList<QByteArray> lines = bytes.split('\n');
    ASSERT_EQ(lines.size(), 4);  // three lines and the empty tail after the last CR LF
    EXPECT_EQ(lines[0], "\"FirstName\",\"LastName\",\"Company\",\"Title\",\"Address\",\"City\",\"State\",\"Zip\","
                        "\"Country\",\"PrimaryPhone\",\"AlternatePhone\",\"Mobile\",\"Pager\",\"OtherPhone\",\"FAX\","
                        "\"Email1\",\"Email2\",\"User1\",\"User2\",\"User3\",\"User4\"\r");
    EXPECT_TRUE(lines[2].startsWith("\"Bob \"\"B\"\"\",\"\",\"\",\"\",\"1 Elm St, Apt 2\""));
    EXPECT_FALSE(bytes.contains("ann.example"));
    EXPECT_EQ(PdbTransfer::exportColumns(PdbKind::Names).size(), 21);

    const auto pairs = importPairs(PdbKind::Names, file, {{"First Name", "FirstName"}, {"Pager", "Pager"}});
    EXPECT_EQ(pairs[0].text(), "First Name=FirstName");
    EXPECT_EQ(pairs[1].code(), 12 * 1000 + 12);
    PersonalTable target;
    ASSERT_TRUE(createOpenTable(target, dir.filePath("PDB 2.dat"), PdbSchema::names()));
    EXPECT_EQ(PdbTransfer::importRecords(target, PdbKind::Names, file, pairs), 2);
    ASSERT_TRUE(target.first());
    EXPECT_EQ(target.fieldValue("FIRSTNAME"), "Ann");
    EXPECT_EQ(target.fieldValue("PHONE4"), "555");
    EXPECT_TRUE(target.fieldValue("ADDRESS").isEmpty());
    ASSERT_TRUE(target.next());
    EXPECT_EQ(target.fieldValue("FIRSTNAME"), "Bob \"B\"");
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
    const auto pairs = importPairs(PdbKind::Media, file,
                             {{"Title", "T"}, {"Author", "A"}, {"Description", "D"}, {"Contents", "C"}, {"Notes", "N"}});
    PersonalTable table;
    ASSERT_TRUE(createOpenTable(table, dir.filePath("Media 1.dat"), PdbSchema::media()));
    EXPECT_EQ(PdbTransfer::importRecords(table, PdbKind::Media, file, pairs), 2);
    ASSERT_TRUE(table.first());
    EXPECT_EQ(table.fieldValue("TITLE"), "Songs");
    EXPECT_EQ(table.fieldValue("AUTHOR"), "Me");
    EXPECT_EQ(table.fieldValue("DESCRIPTION"), "Best of");
    EXPECT_EQ(table.fieldValue("CONTENTS"), "1 One\r\n2 Two");
    EXPECT_EQ(table.fieldValue("NOTES"), "none");
    ASSERT_TRUE(table.next());
    EXPECT_EQ(table.fieldValue("TITLE"), "Long");
    EXPECT_EQ(table.fieldValue("AUTHOR"), QString(100, 'x'));
    EXPECT_FALSE(table.next());
}

TEST(PdbTransfer, TextsImportEveryLineAndExportQuoted)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("texts.txt");
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("Roses, violets\r\nSay \"hi\"\n" + QByteArray(600, 'z'));
    out.close();
    PersonalTable table;
    ASSERT_TRUE(createOpenTable(table, dir.filePath("My Texts.dat"), PdbSchema::texts()));
    EXPECT_EQ(PdbTransfer::importTexts(table, file), 3);
    ASSERT_TRUE(table.first());
    EXPECT_EQ(table.fieldValue("TEXT"), "Roses, violets");
    table.next();
    table.next();
    EXPECT_EQ(table.fieldValue("TEXT"), QString(512, 'z'));

    const QString exported = dir.filePath("out.txt");
    ASSERT_TRUE(PdbTransfer::exportCategory(table, PdbKind::Texts, exported));
    EXPECT_TRUE(fileBytes(exported).startsWith("\"Text\"\r\n\"Roses, violets\"\r\n\"Say \"\"hi\"\"\"\r\n"));
    EXPECT_EQ(table.fieldValue("TEXT"), "Roses, violets");  // back on the first record
}

TEST(PdbTransfer, ExportToAnUncreatableFileSaysSo)
{
    MessageRecorder messages;
    QTemporaryDir dir;
    PersonalTable table;
    ASSERT_TRUE(createOpenTable(table, dir.filePath("t.dat"), PdbSchema::texts()));
    const QString file = dir.filePath("no/folder/out.txt");
    EXPECT_FALSE(PdbTransfer::exportCategory(table, PdbKind::Texts, file));
    EXPECT_EQ(messages.texts(), QStringList({PdbTexts::cannotCreateExport(file)}));
    EXPECT_TRUE(PdbTransfer::readImportColumns(file).isEmpty());
}

} // namespace
