#include <gtest/gtest.h>

#include <QImage>

#include "base/ByteStream.h"
#include "imaging/JpegCodec.h"
#include "gdi/LogFont.h"
#include "imaging/Picture.h"

TEST(LogFont, PointsAndBytes)
{
    LogFont font;
    EXPECT_EQ(font.height, -16);
    EXPECT_EQ(font.pointSize(), 12);
    font.setPointSize(9);
    EXPECT_EQ(font.height, -12);
    font.setFace("A face name that is far longer than thirty-one characters");
    EXPECT_EQ(font.face().size(), 31);
    const QByteArray bytes = font.toBytes();
    ASSERT_EQ(bytes.size(), 60);
    EXPECT_EQ(LogFont::fromBytes(bytes).toBytes(), bytes);

    LogFont bold;
    bold.weight = 700;
    bold.italic = 1;
    const QFont q = bold.toQFont();
    EXPECT_EQ(q.pixelSize(), 16);
    EXPECT_TRUE(q.bold());
    EXPECT_TRUE(q.italic());
    const LogFont back = LogFont::fromQFont(q);
    EXPECT_EQ(back.height, -16);
    EXPECT_EQ(back.weight, 700);
    EXPECT_EQ(back.face(), "Arial");
}

TEST(Picture, BitmapKeepsItsBytesAndStatesItsLength)
{
    QImage image(7, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    Picture made;
    made.setBitmap(image);
    const QByteArray bmp = made.streamBytes();
    ASSERT_FALSE(bmp.isEmpty());
    EXPECT_EQ(Picture::bmpStreamLength(bmp + "trailing"), bmp.size());
    Picture loaded;
    ASSERT_TRUE(loaded.loadBmp(bmp));
    EXPECT_EQ(loaded.size(), QSize(7, 3));
    EXPECT_EQ(loaded.streamBytes(), bmp);

    QByteArray huge = bmp;
    ByteWriter(huge).patchU32(18, 100000);  // width beyond any sane bitmap
    EXPECT_FALSE(Picture().loadBmp(huge));
    EXPECT_FALSE(Picture().loadBmp("BM"));
    EXPECT_EQ(Picture::bmpStreamLength("XX"), 0);
}

TEST(Picture, JpegDecodesAndGarbageIsRefused)
{
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::blue);
    const QByteArray jfif = encodeJpeg(image, 90, true);
    Picture jpeg;
    ASSERT_TRUE(jpeg.loadJpeg(jfif));
    EXPECT_EQ(jpeg.size(), QSize(20, 10));
    EXPECT_EQ(jpeg.streamBytes(), jfif);
    Picture truncated;  // a cut stream may decode partially; it must simply not crash
    truncated.loadJpeg(jfif.left(jfif.size() / 3));
    EXPECT_FALSE(Picture().loadJpeg("\xff\xd8garbage"));
}

TEST(Picture, MetafileHeaderGivesSizeAndLength)
{
    QByteArray emf;
    ByteWriter w(emf);
    w.u32(1);
    w.u32(108);
    for (int32_t v : {0, 0, 99, 49})  // bounds
        w.i32(v);
    for (int32_t v : {0, 0, 2645, 1322})  // frame, 0.01 mm
        w.i32(v);
    w.u32(0x464D4520);
    w.u32(0x10000);
    w.u32(108 + 20);  // total size
    w.u32(2);
    w.zeros(108 - emf.size());
    w.u32(14);  // EMR_EOF
    w.u32(20);
    w.zeros(12);
    Picture picture;
    ASSERT_TRUE(picture.loadEmf(emf));
    EXPECT_EQ(picture.kind(), Picture::Kind::Metafile);
    EXPECT_EQ(picture.size(), QSize(100, 50));
    EXPECT_EQ(Picture::emfStreamLength(emf), 128);
    QByteArray wrong = emf;
    wrong[40] = 'X';
    EXPECT_FALSE(Picture().loadEmf(wrong));
}
