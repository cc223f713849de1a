#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "files/LayoutFile.h"
#include "base/ByteStream.h"

namespace {
LayoutRecord sample()
{
    LayoutRecord l;
    l.setName("Name badge<>Two columns, removable");
    l.rows = 4;
    l.columns = 2;
    l.elementWidth = 350;
    l.elementHeight = 225;
    l.topMargin = 50;
    l.leftMargin = 75;
    l.columnSpace = 0;
    l.rowSpace = 25;
    l.foldType = 3;
    l.stockType = 1;
    l.paperType = 4;
    l.reserved82[2] = 0x11;
    return l;
}
} // namespace

TEST(LayoutRecord, BytesAtTheirOffsets)
{
    const QByteArray bytes = sample().toBytes();
    ASSERT_EQ(bytes.size(), 122);
    EXPECT_EQ(bytes.left(10), "Name badge");
    EXPECT_EQ(readU32At(bytes, 50), 4u);
    EXPECT_EQ(readU32At(bytes, 78), 25u);
    EXPECT_EQ(bytes[84], 0x11);
    EXPECT_EQ(bytes[90], 3);
    EXPECT_EQ(bytes[92], 4);
    EXPECT_EQ(bytes[95], 1);
    EXPECT_EQ(LayoutRecord::fromBytes(bytes).toBytes(), bytes);
}

TEST(LayoutRecord, GeometryAndOrientation)
{
    LayoutRecord l;
    l.columns = 3;
    l.rows = 10;
    l.elementWidth = 262;
    l.leftMargin = 19;
    l.columnSpace = 12;
    int32_t x = 0;
    l.elementOrigin(0, 2, &x, nullptr);
    EXPECT_EQ(x, 567);

    LayoutRecord s = sample();
    const QByteArray original = s.toBytes();
    s.swapOrientation();
    EXPECT_EQ(s.rows, 2);
    EXPECT_EQ(s.elementWidth, 225);
    EXPECT_EQ(s.topMargin, 75);
    EXPECT_EQ(s.columnSpace, 25);
    EXPECT_EQ(s.foldType, 4);
    EXPECT_EQ(s.stockType, 2);
    s.swapOrientation();
    EXPECT_EQ(s.toBytes(), original);

    LayoutRecord mm;
    mm.unit = 1;
    mm.foldType = 1;
    mm.elementWidth = 6350;
    mm.elementHeight = 5000;
    int32_t w = 0, h = 0;
    mm.regionSize(&w, &h);
    EXPECT_EQ(w, 125);
    EXPECT_EQ(h, 196);
}

TEST(LayoutRecord, NamesNotesAndHeadings)
{
    struct Case {
        QString name;
        QString shown;
        QString note;
        bool selectable;
    };
    const Case cases[] = {
        {"Name badge<>Two columns, removable", "Name badge", "Two columns, removable", true},
        {"Address 30", "Address 30", "30 Per Sheet", true},
        {"===== Address labels =====", "===== Address labels =====", "30 Per Sheet", false},
        {"-----", "-----", "30 Per Sheet", false},
        {"......", "", "30 Per Sheet", false},
        {"", "", "30 Per Sheet", false},
    };
    for (const Case& c : cases) {
        LayoutRecord l;
        l.rows = 10;
        l.columns = 3;
        l.setName(c.name);
        EXPECT_EQ(layoutShownName(l), c.shown) << qPrintable(c.name);
        EXPECT_EQ(layoutNote(l), c.note) << qPrintable(c.name);
        EXPECT_EQ(layoutSelectable(l), c.selectable) << qPrintable(c.name);
    }
}

TEST(LayoutFile, ReadWriteAndTrailingBytes)
{
    QTemporaryDir dir;
    std::vector<LayoutRecord> records(2, sample());
    records[1].setName("Second");
    const QString path = dir.filePath("Test.LYT");
    ASSERT_TRUE(writeLayoutFile(path, records));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write("x");  // 245 bytes: the last one is ignored
    }
    const auto back = readLayoutFile(path);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[1].displayName(), "Second");
    EXPECT_EQ(back[0].toBytes(), records[0].toBytes());
    EXPECT_TRUE(readLayoutFile(dir.filePath("missing.LYT")).empty());

    QFile(dir.filePath("Avery.lyt")).open(QIODevice::WriteOnly);
    QFile(dir.filePath("notes.txt")).open(QIODevice::WriteOnly);
    EXPECT_EQ(listLayoutFiles(dir.path()), QStringList({"Avery", "Test"}));
}

TEST(LayoutRecord, NameFieldTailSurvivesAnUnchangedName)
{
    QByteArray bytes = sample().toBytes();
    bytes[45] = 'Z';  // garbage after the NUL, as old editors left it
    EXPECT_EQ(LayoutRecord::fromBytes(bytes).toBytes(), bytes);
    LayoutRecord renamed = LayoutRecord::fromBytes(bytes);
    renamed.setName("New");
    EXPECT_EQ(renamed.toBytes()[45], 0);
}
