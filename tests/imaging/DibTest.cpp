#include <gtest/gtest.h>

#include <QPainter>

#include "PictureFixtures.h"
#include "base/ByteStream.h"
#include "imaging/Dib.h"
#include "imaging/JpegCodec.h"
#include "render/DrawPicture.h"

namespace {

QImage indexedImage(int width, int height, int colors)
{
    QImage image(width, height, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < colors; ++i)
        table.append(qRgb((i * 37) % 256, (i * 91) % 256, (i * 13) % 256));
    image.setColorTable(table);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, uint((x * 3 + y) % colors));
    return image;
}

TEST(Dib, InfoFollowsTheHeader)
{
    const struct {
        int bitsPerPixel, width, height, entries;
        qint64 size;
    } cases[] = {
        {1, 10, 3, 2, 4 * 3 + 8 + 40},
        {4, 10, 3, 16, 8 * 3 + 64 + 40},
        {8, 10, 3, 256, 12 * 3 + 1024 + 40},
        {24, 10, 3, 0, 32 * 3 + 40},
        {32, 10, 3, 0, 40 * 3 + 40},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bitsPerPixel);
        const QByteArray dib = imageToDib(indexedImage(c.width, c.height, 2), c.bitsPerPixel);
        const DibDescription info = dibInfo(dib);
        ASSERT_TRUE(info.ok);
        EXPECT_EQ(info.width, c.width);
        EXPECT_EQ(info.height, c.height);
        EXPECT_EQ(info.tableEntries, c.entries);
        EXPECT_EQ(info.totalSize, c.size);
        EXPECT_EQ(dib.size(), c.size);  // the block is exactly what the header states
    }
    EXPECT_FALSE(dibInfo(QByteArray("\x28\x00", 2)).ok);
    // Headers no picture could have are refused instead of giving a nonsense size.
    QByteArray absurd = imageToDib(indexedImage(4, 4, 2), 24);
    ByteWriter(absurd).patchI32(4, 0x7FFFFFFF);
    ByteWriter(absurd).patchI32(8, 0x7FFFFFFF);
    EXPECT_FALSE(dibInfo(absurd).ok);
    QByteArray oddDepth = imageToDib(indexedImage(4, 4, 2), 24);
    ByteWriter(oddDepth).patchU32(14, 0xFFFF);
    EXPECT_FALSE(dibInfo(oddDepth).ok);
}

TEST(Dib, SmallerColoursUsedCountIsTheStoredTable)
{
    QByteArray dib = imageToDib(indexedImage(4, 2, 4), 8);
    // Cut the table to the 4 colours used and say so in the header.
    QByteArray cut = dib.left(40 + 16) + dib.mid(40 + 1024);
    ByteWriter(cut).patchU32(32, 4);
    EXPECT_EQ(dibInfo(cut).tableEntries, 4);
    const QImage a = dibToImage(dib), b = dibToImage(cut);
    ASSERT_FALSE(b.isNull());
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(a.pixel(x, 1), b.pixel(x, 1));
}

TEST(Dib, RoundTripKeepsDepthAndPixels)
{
    for (int bits : {1, 4, 8, 24, 32}) {
        SCOPED_TRACE(bits);
        const QImage source = bits <= 8 ? indexedImage(13, 5, 1 << std::min(bits, 4)) : makeTestImage(13, 5);
        QByteArray dib = imageToDib(source, bits);
        const Picture picture = dibToBitmap(std::move(dib));
        EXPECT_TRUE(dib.isEmpty());  // the block was taken
        ASSERT_EQ(picture.kind(), Picture::Kind::Bitmap);
        const QByteArray back = pictureToDib(picture);
        EXPECT_EQ(dibInfo(back).bitsPerPixel, bits);
        const QImage image = dibToImage(back).convertToFormat(QImage::Format_RGB32);
        const QImage expected = source.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 13; ++x)
                ASSERT_EQ(image.pixel(x, y), expected.pixel(x, y)) << x << "," << y;
    }
}

TEST(Dib, RotationIsAQuarterTurnClockwise)
{
    // 3 x 2: top row red green blue, bottom row white.
    QImage source(3, 2, QImage::Format_RGB32);
    source.fill(Qt::white);
    source.setPixel(0, 0, qRgb(255, 0, 0));
    source.setPixel(1, 0, qRgb(0, 255, 0));
    source.setPixel(2, 0, qRgb(0, 0, 255));
    for (int bits : {8, 24}) {
        SCOPED_TRACE(bits);
        Picture picture;
        picture.setBitmap(bits == 8 ? reduceColors(source, 256) : source);
        const Picture rotated = rotatePicture(picture);
        ASSERT_EQ(rotated.size(), QSize(2, 3));
        // The top row became the right column, read top to bottom.
        const QImage image = rotated.image().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(image.pixel(1, 0), qRgb(255, 0, 0));
        EXPECT_EQ(image.pixel(1, 1), qRgb(0, 255, 0));
        EXPECT_EQ(image.pixel(1, 2), qRgb(0, 0, 255));
        EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
        EXPECT_EQ(dibInfo(pictureToDib(rotated)).bitsPerPixel, dibInfo(pictureToDib(picture)).bitsPerPixel);
    }
    EXPECT_TRUE(rotatePicture(Picture()).isEmpty());
}

TEST(Dib, ReduceColorsKeepsFewColoursExactly)
{
    const QImage source = makeTestImage(30, 20);
    const QImage reduced = reduceColors(source, 16);
    ASSERT_EQ(reduced.format(), QImage::Format_Indexed8);
    EXPECT_EQ(reduced.colorCount(), 3);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x)
            ASSERT_EQ(reduced.pixel(x, y), source.pixel(x, y));
    // An indexed image that already fits keeps its palette order.
    const QImage indexed = indexedImage(5, 5, 16);
    EXPECT_EQ(reduceColors(indexed, 16).colorTable(), indexed.colorTable());
}

TEST(Dib, RunLengthEncodedRowsDecode)
{
    // 4 x 2, 8-bit RLE: bottom row "1 1 1 2", top row absolute "3 0 3 0".
    QByteArray dib;
    ByteWriter out(dib);
    out.u32(40);
    out.i32(4);
    out.i32(2);
    out.u16(1);
    out.u16(8);
    out.u32(1);  // BI_RLE8
    out.zeros(12);
    out.u32(4);
    out.u32(0);
    for (QRgb c : {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)}) {
        out.u8(uint8_t(qBlue(c)));
        out.u8(uint8_t(qGreen(c)));
        out.u8(uint8_t(qRed(c)));
        out.u8(0);
    }
    for (int b : {3, 1, 1, 2, 0, 0, 0, 4, 3, 0, 3, 0, 0, 1})
        out.u8(uint8_t(b));
    const QImage image = dibToImage(dib);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixel(0, 1), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(3, 1), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0, 0, 0));
}

TEST(Dib, StretchDrawDropsRowsWithoutBlending)
{
    const QByteArray dib = imageToDib(makeTestImage(10, 10), 24);
    QImage target(30, 20, QImage::Format_RGB32);
    target.fill(Qt::white);
    {
        QPainter painter(&target);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        stretchDrawDib(painter, dib, QRect(5, 5, 20, 10));
        stretchDrawDib(painter, QByteArray("junk"), QRect(0, 0, 30, 20));  // draws nothing
    }
    EXPECT_EQ(target.pixel(4, 10), qRgb(255, 255, 255));
    EXPECT_EQ(target.pixel(6, 10), qRgb(255, 0, 0));
    EXPECT_EQ(target.pixel(14, 10), qRgb(255, 0, 0));  // no red/blue mix at the seam
    EXPECT_EQ(target.pixel(15, 10), qRgb(0, 0, 255));
    EXPECT_EQ(target.pixel(24, 14), qRgb(0, 0, 255));
    EXPECT_EQ(target.pixel(25, 14), qRgb(255, 255, 255));
}

TEST(Dib, PaletteOnlyForIndexedDibs)
{
    EXPECT_EQ(makeDibPalette(imageToDib(indexedImage(4, 4, 16), 4)).size(), 16);
    EXPECT_EQ(makeDibPalette(imageToDib(indexedImage(4, 4, 16), 8)).size(), 256);
    EXPECT_TRUE(makeDibPalette(imageToDib(makeTestImage(4, 4), 24)).isEmpty());
}

} // namespace

namespace {

TEST(DrawPictureKinds, EachKindDrawsIntoItsRectangle)
{
    Picture jpeg;
    ASSERT_TRUE(jpeg.loadJpeg(encodeJpeg(makeTestImage(20, 20), 100, false)));
    EXPECT_EQ(dibInfo(pictureToDib(jpeg)).bitsPerPixel, 24);
    Picture bitmap;
    bitmap.setBitmap(makeTestImage(20, 20));
    Picture metafile;
    EXPECT_TRUE(pictureToDib(metafile).isEmpty());
    for (const Picture* picture : {&jpeg, &bitmap}) {
        QImage target(100, 60, QImage::Format_RGB32);
        target.fill(Qt::white);
        {
            QPainter painter(&target);
            drawPicture(painter, *picture, QRect(10, 10, 80, 40));
            drawPicture(painter, metafile, QRect(0, 0, 100, 60));  // empty: nothing
        }
        EXPECT_EQ(target.pixel(5, 30), qRgb(255, 255, 255));
        EXPECT_GT(target.pixelColor(20, 40).red(), 230);
        EXPECT_GT(target.pixelColor(80, 40).blue(), 230);
        EXPECT_EQ(target.pixel(95, 30), qRgb(255, 255, 255));
    }
}

} // namespace
