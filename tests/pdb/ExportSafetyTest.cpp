// An export that cannot be finished leaves the earlier file as it was.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "TestSupport.h"
#include "WriteFailures.h"
#include "pdb/PdbImportExport.h"
#include "pdb/PdbTexts.h"

namespace {

TEST(ExportSafety, AFullDiskKeepsTheEarlierExport)
{
    MessageRecorder messages;
    QTemporaryDir dir;
    PersonalTable table;
    table.tableName = dir.filePath("t.dat");
    table.fieldDefs = PdbSchema::texts();
    ASSERT_TRUE(table.createTable() && table.open());
    for (int i = 0; i < 50; ++i) {
        ASSERT_TRUE(table.insert());
        table.setFieldValue("TEXT", QString("A verse of some length, number %1").arg(i));
        ASSERT_TRUE(table.post());
    }
    const QString file = dir.filePath("texts.txt");
    {
        QFile earlier(file);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("\"Text\"\r\n\"kept\"\r\n");
    }
    {
        FileSizeLimit full(512);
        EXPECT_FALSE(PdbTransfer::exportCategory(table, PdbKind::Texts, file));
    }
    EXPECT_EQ(fileBytes(file), "\"Text\"\r\n\"kept\"\r\n");
    EXPECT_EQ(messages.texts(), QStringList({PdbTexts::cannotCreateExport(file)}));
    EXPECT_TRUE(PdbTransfer::exportCategory(table, PdbKind::Texts, file));
    EXPECT_TRUE(fileBytes(file).endsWith("number 49\"\r\n"));
}

} // namespace
