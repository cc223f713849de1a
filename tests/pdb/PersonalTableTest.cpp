// The table file format: byte layout, the free list, values and refusals.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "PdbFixtures.h"
#include "pdb/PdbTexts.h"
#include "base/ByteStream.h"

namespace {

TEST(TableFile, EmptyTablesHaveTheirFixedLayout)
{
    struct Case {
        const char* name;
        std::vector<TableField> fields;
        int32_t recordSize;
        int32_t dataStart;
    };
    const std::vector<Case> cases = {
        {"Names", PdbSchema::names(), 1291, 950},
        {"Media", PdbSchema::media(), 2376, 253},
        {"Texts", PdbSchema::texts(), 524, 89},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        PersonalTable table;
        ASSERT_TRUE(createOpenTable(table, dir.filePath(c.name), c.fields)) << table.lastError().toStdString();
        EXPECT_EQ(table.recordSize(), c.recordSize);
        EXPECT_EQ(table.dataStart(), c.dataStart);
        EXPECT_EQ(table.recordCount(), 0);
        EXPECT_TRUE(table.eof());
        const QByteArray bytes = fileBytes(dir.filePath(c.name));
        ASSERT_EQ(bytes.size(), c.dataStart) << c.name;
        EXPECT_EQ(bytes.left(8), QByteArray("\xB3\x2D\x00\x00\x64\x00\x00\x00", 8));
        EXPECT_EQ(bytes.mid(8, 16), QByteArray(16, '\x17'));
        EXPECT_EQ(int32At(bytes, 24), int32_t(c.fields.size()));
        EXPECT_EQ(int32At(bytes, 28), c.recordSize);
        EXPECT_EQ(int32At(bytes, 32), 0);
        EXPECT_EQ(int32At(bytes, 36), 0);
        EXPECT_EQ(int32At(bytes, 40), -1);
        EXPECT_EQ(int32At(bytes, 44), c.dataStart);
        // First descriptor: name NUL-padded to 28 bytes, string type, slot size, size, precision.
        QByteArray name = c.fields[0].name.toLatin1();
        name.append(QByteArray(28 - name.size(), '\0'));
        EXPECT_EQ(bytes.mid(48, 28), name);
        EXPECT_EQ(bytes[76], '\x01');
        EXPECT_EQ(int32At(bytes, 77), c.fields[0].size + 4);
        EXPECT_EQ(int32At(bytes, 81), c.fields[0].size);
        EXPECT_EQ(int32At(bytes, 85), 0);
    }
}

TEST(TableFile, DeletedSlotsFormAFreeListThatInsertsReuse)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("PDB 1.dat");
    PersonalTable table;
    ASSERT_TRUE(createOpenTable(table, path, PdbSchema::names()));
    ASSERT_TRUE(addRecord(table, {{"FIRSTNAME", "Ann"}}));
    ASSERT_TRUE(addRecord(table, {{"FIRSTNAME", "Bob"}}));
    ASSERT_TRUE(table.first());
    ASSERT_TRUE(table.deleteRecord());
    EXPECT_EQ(table.fieldValue("FIRSTNAME"), "Bob");  // moved on to the next record

    QByteArray bytes = fileBytes(path);
    ASSERT_EQ(bytes.size(), 3532);
    EXPECT_EQ(int32At(bytes, 32), 1);
    EXPECT_EQ(int32At(bytes, 36), 1);
    EXPECT_EQ(int32At(bytes, 40), 1);
    EXPECT_EQ(int32At(bytes, 950), -1);  // the end of the free list
    EXPECT_EQ(int32At(bytes, 950 + 1291), 0);

    ASSERT_TRUE(addRecord(table, {{"FIRSTNAME", "Cid"}}));
    EXPECT_EQ(table.currentSlot(), 0);
    bytes = fileBytes(path);
    EXPECT_EQ(bytes.size(), 3532);
    EXPECT_EQ(int32At(bytes, 32), 2);
    EXPECT_EQ(int32At(bytes, 36), 0);
    EXPECT_EQ(int32At(bytes, 40), -1);
    EXPECT_EQ(bytes.mid(950 + 8, 4), QByteArray("Cid\0", 4));

    // Two deletes chain: the newest is reused first.
    ASSERT_TRUE(addRecord(table, {{"FIRSTNAME", "Dee"}}));
    ASSERT_TRUE(table.first());
    ASSERT_TRUE(table.deleteRecord());        // slot 0
    ASSERT_EQ(table.moveBy(1), 1);      // from Bob (slot 1) to Dee (slot 2)
    ASSERT_EQ(table.currentSlot(), 2);
    ASSERT_TRUE(table.deleteRecord());        // slot 2, linking to slot 1-based 1
    bytes = fileBytes(path);
    EXPECT_EQ(int32At(bytes, 40), 3);
    EXPECT_EQ(int32At(bytes, 950 + 2 * 1291), 1);
    ASSERT_TRUE(addRecord(table, {{"FIRSTNAME", "Eve"}}));
    EXPECT_EQ(table.currentSlot(), 2);
    ASSERT_TRUE(addRecord(table, {{"FIRSTNAME", "Fay"}}));
    EXPECT_EQ(table.currentSlot(), 0);
    ASSERT_TRUE(addRecord(table, {{"FIRSTNAME", "Gus"}}));
    EXPECT_EQ(table.currentSlot(), 3);

    table.close();
    ASSERT_TRUE(table.open());
    QStringList names;
    for (bool more = table.first(); more; more = table.next())
        names << table.fieldValue("FIRSTNAME");
    EXPECT_EQ(names, QStringList({"Fay", "Bob", "Eve", "Gus"}));
    EXPECT_EQ(table.recordCount(), 4);
}

TEST(TableFile, ValuesAreCutEditedAndCancelled)
{
    QTemporaryDir dir;
    PersonalTable table;
    ASSERT_TRUE(createOpenTable(table, dir.filePath("t.dat"), PdbSchema::texts()));
    const QString longText = QString(600, 'a');
    ASSERT_TRUE(addRecord(table, {{"TEXT", longText}}));
    EXPECT_EQ(table.fieldValue("TEXT"), QString(512, 'a'));
    ASSERT_TRUE(addRecord(table, {{"TEXT", QString::fromUtf8("Jos\xC3\xA9 \xE2\x82\xAC \xE2\x98\x83")}}));
    EXPECT_EQ(table.fieldValue("text"), QString::fromUtf8("Jos\xC3\xA9 \xE2\x82\xAC ?"));  // no Windows-1252 snowman
    ASSERT_TRUE(table.edit());
    EXPECT_TRUE(table.setFieldValue("TEXT", "changed"));
    EXPECT_FALSE(table.setFieldValue("NOSUCH", "x"));
    ASSERT_TRUE(table.post());
    ASSERT_TRUE(table.edit());
    table.setFieldValue("TEXT", "dropped");
    table.cancel();
    EXPECT_EQ(table.fieldValue("TEXT"), "changed");
    EXPECT_FALSE(table.setFieldValue("TEXT", "not editing"));
    table.close();
    ASSERT_TRUE(table.open());
    ASSERT_EQ(table.moveBy(1), 1);
    EXPECT_EQ(table.fieldValue("TEXT"), "changed");
    EXPECT_EQ(table.moveBy(1), 0);
    EXPECT_TRUE(table.eof());
}

TEST(TableFile, ReadOnlyTablesRefuseChanges)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("t.dat");
    {
        PersonalTable writer;
        ASSERT_TRUE(createOpenTable(writer, path, PdbSchema::texts()));
        ASSERT_TRUE(addRecord(writer, {{"TEXT", "x"}}));
    }
    PersonalTable table;
    table.tableName = path;
    table.readOnly = true;
    ASSERT_TRUE(table.open());
    EXPECT_FALSE(table.insert());
    EXPECT_EQ(table.lastError(), PdbTexts::ReadOnlyChange);
    EXPECT_FALSE(table.edit());
    EXPECT_EQ(table.lastError(), PdbTexts::ReadOnlyChange);
    EXPECT_FALSE(table.deleteRecord());
    EXPECT_EQ(table.lastError(), PdbTexts::ReadOnlyDelete);
    EXPECT_EQ(fileBytes(path).size(), 89 + 524);
}

// A valid one-field Texts header with its descriptor; tests spoil one field of it.
QByteArray textsHeader(int32_t records, int32_t deleted)
{
    QByteArray bytes;
    ByteWriter out(bytes);
    out.i32(11699);
    out.i32(100);
    out.bytes(QByteArray(16, '\x17'));
    out.i32(1);
    out.i32(524);
    out.i32(records);
    out.i32(deleted);
    out.i32(-1);
    out.i32(89);
    out.fixedString("TEXT", 28);
    out.u8(1);
    out.i32(516);
    out.i32(512);
    out.i32(0);
    return bytes;
}

TEST(TableFile, RefusesBrokenFiles)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        QString error;
    };
    auto patched = [](qsizetype offset, int32_t value, int32_t records = 0) {
        QByteArray bytes = textsHeader(records, 0) + QByteArray(records * 524, '\0');
        qToLittleEndian<int32_t>(value, bytes.data() + offset);
        return bytes;
    };
    QByteArray badType = textsHeader(0, 0);
    badType[76] = 8;
    const std::vector<Case> cases = {
        {"Short", "\xB3\x2D", PdbTexts::InvalidFileType},
        {"Magic", patched(0, 11700), PdbTexts::InvalidFileType},
        {"Version", patched(4, 101), PdbTexts::InvalidFileVersion},
        {"NoFields", patched(24, 0), PdbTexts::InvalidFieldCount},
        {"ManyFields", patched(24, 1000000), PdbTexts::InvalidFieldCount},
        {"FieldType", badType, PdbTexts::UnsupportedFieldType},
        {"HugeField", patched(81, 0x7FFFFFF0), PdbTexts::UnsupportedFieldType},
        {"RecordSize", patched(28, 600, 1), PdbTexts::RecordSizeMismatch},
        {"MissingRecord", textsHeader(2, 0) + QByteArray(524, '\0'),
         "Open: Invalid record size.\rStartData   : 89\rfRecordCount: 2\rfRecordSize : 524\rfStream.SIze: 613"},
        {"NegativeCount", patched(32, -1), PdbTexts::invalidRecordSize(89, -1, 524, 89)},
        {"DataStartInsideDescriptors", patched(44, 40), PdbTexts::invalidRecordSize(40, 0, 524, 89)},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        const QString path = dir.filePath(c.name);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.bytes);
        file.close();
        PersonalTable table;
        table.tableName = path;
        EXPECT_FALSE(table.open()) << c.name;
        EXPECT_EQ(table.lastError(), c.error) << c.name;
        EXPECT_FALSE(table.active());
    }
    PersonalTable missing;
    missing.tableName = dir.filePath("none.dat");
    EXPECT_FALSE(missing.open());
    EXPECT_EQ(missing.lastError(), PdbTexts::TableNotFound);
}

TEST(TableFile, CorruptFreeListNeverOverwritesALiveRecord)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("t.dat");
    {
        PersonalTable writer;
        ASSERT_TRUE(createOpenTable(writer, path, PdbSchema::texts()));
        ASSERT_TRUE(addRecord(writer, {{"TEXT", "keep"}}));
    }
    // Claim one deleted slot at the head that is actually the live record.
    QByteArray bytes = fileBytes(path);
    qToLittleEndian<int32_t>(1, bytes.data() + 40);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    PersonalTable table;
    table.tableName = path;
    ASSERT_TRUE(table.open());
    ASSERT_TRUE(addRecord(table, {{"TEXT", "new"}}));
    EXPECT_EQ(table.currentSlot(), 1);
    ASSERT_TRUE(table.first());
    EXPECT_EQ(table.fieldValue("TEXT"), "keep");
}

TEST(TableFile, OtherFieldTypesRoundTrip)
{
    QTemporaryDir dir;
    std::vector<TableField> fields(4);
    fields[0].name = "N";
    fields[0].type = TableFieldType::Int32;
    fields[1].name = "F";
    fields[1].type = TableFieldType::Float;
    fields[2].name = "B";
    fields[2].type = TableFieldType::Boolean;
    fields[3].name = "S";
    fields[3].size = 3;
    PersonalTable table;
    ASSERT_TRUE(createOpenTable(table, dir.filePath("x.dat"), fields));
    EXPECT_EQ(table.recordSize(), 8 + 4 + 8 + 2 + 7);
    ASSERT_TRUE(addRecord(table, {{"N", "-42"}, {"F", "2.5"}, {"B", "True"}, {"S", "abcdef"}}));
    table.close();
    ASSERT_TRUE(table.open());
    EXPECT_EQ(table.fieldValue("N"), "-42");
    EXPECT_EQ(table.fieldValue("F"), "2.5");
    EXPECT_EQ(table.fieldValue("B"), "True");
    EXPECT_EQ(table.fieldValue("S"), "abc");
}

} // namespace
