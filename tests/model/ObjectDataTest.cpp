#include <gtest/gtest.h>

#include "BitmapFixtures.h"
#include "model/Card.h"
#include "model/DesignObject.h"
#include "model/ObjectManager.h"
#include "base/ByteStream.h"

namespace {

QByteArray payloadOf(const QByteArray& record)
{
    const int32_t length = int32_t(readU32At(record, ObjectRecordLayout::kPayloadLengthOffset));
    return record.mid(ObjectRecordLayout::kFixedSize, length);
}

} // namespace

TEST(ObjectRecord, TextPayloads)
{
    struct Case {
        QStringList lines;
        QByteArray payload;
    };
    const Case cases[] = {
        {{"a", ""}, QByteArray("a\0\0\0", 4)},
        {{}, QByteArray("\0", 1)},
        {{"Text"}, QByteArray("Text\0\0", 6)},
        {{QString::fromUtf8("Jos\u00e9 \u20ac")}, QByteArray("Jos\xe9 \x80\0\0", 8)},
    };
    for (const Case& c : cases) {
        DesignObject data(ObjectKind::Text);
        data.lines = c.lines;
        const QByteArray record = data.toRecord();
        EXPECT_EQ(record.size(), data.storedSize());
        EXPECT_EQ(record[ObjectRecordLayout::kPayloadKindOffset], 'T');
        EXPECT_EQ(payloadOf(record), c.payload);

        auto read = DesignObject::fromRecord(record);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->lines, c.lines);
    }
}

TEST(ObjectRecord, LineRecordIsZeroBeyondTheCommonFields)
{
    DesignObject data(ObjectKind::Line);
    data.setBounds(10, 20, 120, 30);
    data.lineType = 3;
    data.lineSize = 4;
    const QByteArray record = data.toRecord();
    ASSERT_EQ(record.size(), 171);
    EXPECT_EQ(record[0], 'L');
    EXPECT_EQ(record[33], 4);
    EXPECT_EQ(record[35], 3);
    EXPECT_EQ(record.mid(36), QByteArray(171 - 36, '\0'));
}

TEST(ObjectRecord, TextFieldsRoundTripWithRotationInTheFont)
{
    DesignObject data(ObjectKind::Text);
    data.setBounds(10, 20, 120, 30);
    data.flags = 3;
    data.style = 2;
    data.foreColor = 0x123456;
    data.backColor = 0x00FF00;
    data.textStyle = kArcTextToolStyle;
    data.shadowX = -3;
    data.shadowY = 10;
    data.rotation = 450;
    data.font.setFace("Times New Roman");
    data.font.weight = 700;
    const QByteArray record = data.toRecord();
    EXPECT_EQ(readU32At(record, 36 + 8), 450u);   // escapement
    EXPECT_EQ(readU32At(record, 36 + 12), 450u);  // orientation

    auto read = DesignObject::fromRecord(record);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->flags, 3);
    EXPECT_EQ(read->style, 2);
    EXPECT_EQ(read->foreColor, 0x123456);
    EXPECT_EQ(read->textStyle, kArcTextToolStyle);
    EXPECT_EQ(read->textStyleParam2(), -12);
    EXPECT_EQ(read->shadowX, -3);
    EXPECT_EQ(read->rotation, 450);
    EXPECT_EQ(read->font.face(), "Times New Roman");
    EXPECT_EQ(read->rect(), QRect(10, 20, 120, 30));
    EXPECT_EQ(read->toRecord(), record);
}

TEST(TextStyleWord, PacksKindAndParametersIntoTheirBytes)
{
    struct Case {
        int kind, param1, param2, param3;
        uint32_t word;
        int unpacked2, unpacked3;  // the two signed parameters as read back
    };
    const Case cases[] = {
        {TextStyleKind::NoWrap, 0, 0, 0, 0x00000001u, 0, 0},
        {TextStyleKind::BarCode, 4, 1, 2, 0x02010402u, 1, 2},
        {TextStyleKind::ArcText, 2, -12, 0, 0x00F40203u, -12, 0},
        {TextStyleKind::BarCode, 255, 127, -128, 0x807FFF02u, 127, -128},
        {0x1FF, 0x100, 200, -1, 0xFFC800FFu, -56, -1},  // each value keeps only its own byte
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        const int32_t word = TextStyleWord::pack(c.kind, c.param1, c.param2, c.param3);
        EXPECT_EQ(uint32_t(word), c.word);
        EXPECT_EQ(TextStyleWord::kind(word), c.kind & 0xFF);
        EXPECT_EQ(TextStyleWord::param1(word), c.param1 & 0xFF);
        EXPECT_EQ(TextStyleWord::param2(word), c.unpacked2);
        EXPECT_EQ(TextStyleWord::param3(word), c.unpacked3);
    }
}

TEST(ObjectRecord, GraphicPayloads)
{
    DesignObject empty(ObjectKind::Graphic);
    const QByteArray record = empty.toRecord();
    EXPECT_EQ(record.size(), 171);
    EXPECT_EQ(record[170], 0);
    auto back = DesignObject::fromRecord(record);
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->picture.isEmpty());

    DesignObject withPicture(ObjectKind::Graphic);
    withPicture.picture = makeBitmapPicture(40, 20);
    const QByteArray bitmapRecord = withPicture.toRecord();
    EXPECT_EQ(bitmapRecord[170], 'B');
    EXPECT_EQ(payloadOf(bitmapRecord), withPicture.picture.streamBytes());
    auto bitmapBack = DesignObject::fromRecord(bitmapRecord);
    ASSERT_TRUE(bitmapBack);
    EXPECT_EQ(bitmapBack->picture.size(), QSize(40, 20));
}

TEST(ObjectRecord, DamagedPayloads)
{
    DesignObject withPicture(ObjectKind::Graphic);
    withPicture.picture = makeBitmapPicture(4, 4);
    QByteArray record = withPicture.toRecord();

    QByteArray badBitmap = record;
    badBitmap[171] = 'X';  // not a BMP any more
    QString error;
    EXPECT_FALSE(DesignObject::fromRecord(badBitmap, &error));
    EXPECT_FALSE(error.isEmpty());

    QByteArray badJpeg = record;
    badJpeg[170] = 'J';  // an undecodable JPEG is ignored
    auto jpeg = DesignObject::fromRecord(badJpeg);
    ASSERT_TRUE(jpeg);
    EXPECT_TRUE(jpeg->picture.isEmpty());

    EXPECT_FALSE(DesignObject::fromRecord(record.left(record.size() - 1)));
    EXPECT_EQ(objectRecordSize(record.left(170)), -1);
    QByteArray negative = record;
    negative[169] = char(0x80);
    EXPECT_EQ(objectRecordSize(negative), -1);
}

TEST(ObjectRecord, GeometryIsStoredAsItIsAndKeptInsideWhenPasted)
{
    DesignObject data(ObjectKind::Box);
    data.setBounds(300, 40, 60, 20);
    const QByteArray record = data.toRecord();
    EXPECT_EQ(readU32At(record, 1), 300u);

    auto back = DesignObject::fromRecord(record);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->rect(), QRect(300, 40, 60, 20));

    back->keepInside(QSize(200, 30));
    EXPECT_EQ(back->left, 200 - 60 - 25);
    EXPECT_EQ(back->top, 30 - 20 - 25);
}

TEST(ObjectRecord, AbsurdGeometryIsBoundedSoPastingCannotOverflow)
{
    QByteArray record = DesignObject(ObjectKind::Box).toRecord();
    ByteWriter(record).patchI32(13, INT32_MIN + 30);  // width
    ByteWriter(record).patchI32(1, INT32_MAX);        // left
    auto pasted = DesignObject::fromRecord(record);
    ASSERT_TRUE(pasted);
    pasted->keepInside(QSize(200, 200));
    EXPECT_LE(std::abs(int64_t(pasted->left)), int64_t(1) << 25);
}
