#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "PictureFixtures.h"
#include <QPainter>

#include "base/ByteStream.h"
#include "imaging/Dib.h"
#include "imaging/ImageCodecs.h"
#include "imaging/JpegCodec.h"
#include "render/DrawPicture.h"
#include "render/PictureFiles.h"

namespace {

class PictureFilesTest : public testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(name);
        EXPECT_TRUE(writeBytes(path, bytes));
        return path;
    }
    int loadedDepth(const Picture& picture) { return dibInfo(pictureToDib(picture)).bitsPerPixel; }

    QTemporaryDir m_dir;
};

QImage sixteenColorImage()
{
    QImage image(20, 10, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < 16; ++i)
        table.append(qRgb(i * 16, 255 - i * 16, (i * 40) % 256));
    image.setColorTable(table);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            image.setPixel(x, y, uint((x + y) % 16));
    return image;
}

QImage manyColorImage()
{
    QImage image(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            image.setPixel(x, y, qRgb(x * 4, y * 4, (x * y) % 256));
    return image;
}

TEST_F(PictureFilesTest, SignatureChoosesTheLoaderNotTheName)
{
    const QImage image = makeTestImage(12, 8);
    const QString pcxNamedBmp = write("photo.BMP", makePcx(image));
    ImageFileInfo info;
    ASSERT_TRUE(queryImageFile(pcxNamedBmp, info));
    EXPECT_EQ(info.type, "PCX");
    const Picture picture = loadPictureFile(pcxNamedBmp, false);
    ASSERT_EQ(picture.kind(), Picture::Kind::Bitmap);
    EXPECT_EQ(picture.size(), QSize(12, 8));
    EXPECT_EQ(picture.image().pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(picture.image().pixel(1, 5), qRgb(255, 0, 0));
    EXPECT_EQ(picture.image().pixel(11, 5), qRgb(0, 0, 255));

    // A PNG with a .pcx name loads as a PNG.
    const Picture png = loadPictureFile(write("x.pcx", encodeWithQt(image, "PNG")), false);
    ASSERT_EQ(png.kind(), Picture::Kind::Bitmap);
    EXPECT_EQ(png.image().pixel(11, 5), qRgb(0, 0, 255));
}

TEST_F(PictureFilesTest, EveryRasterFormatLoadsItsPixels)
{
    const QImage image = makeTestImage(9, 7);
    const struct {
        const char* name;
        QByteArray bytes;
        Picture::Kind kind;
    } cases[] = {
        {"a.bmp", encodeWithQt(image, "BMP"), Picture::Kind::Bitmap},
        {"a.png", encodeWithQt(image, "PNG"), Picture::Kind::Bitmap},
        {"a.tif", encodeWithQt(image, "TIFF"), Picture::Kind::Bitmap},
        {"a.pcx", makePcx(image), Picture::Kind::Bitmap},
        {"a.pcx", makePcx(image.convertToFormat(QImage::Format_Indexed8)), Picture::Kind::Bitmap},
        {"a.jpg", encodeJpeg(image, 100, false), Picture::Kind::Jpeg},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Picture picture = loadPictureFile(write(c.name, c.bytes), false);
        ASSERT_EQ(picture.kind(), c.kind);
        ASSERT_EQ(picture.size(), QSize(9, 7));
        const QColor left = picture.image().pixelColor(1, 4), right = picture.image().pixelColor(7, 4);
        EXPECT_GT(left.red(), 200);
        EXPECT_LT(left.blue(), 60);
        EXPECT_GT(right.blue(), 200);
        EXPECT_LT(right.red(), 60);
    }
}

TEST_F(PictureFilesTest, ExtensionDecidesWhatIsAccepted)
{
    const QByteArray png = encodeWithQt(makeTestImage(4, 4), "PNG");
    const QByteArray jpeg = encodeJpeg(makeTestImage(4, 4), 90, false);
    const struct {
        const char* name;
        QByteArray bytes;
        bool loads;
    } cases[] = {
        {"upper.PNG", png, true},
        {"mixed.Png", png, true},
        {"four.jpeg", jpeg, false},
        {"four.tiff", encodeWithQt(makeTestImage(4, 4), "TIFF"), false},
        {"other.txt", png, false},
        {"noextension", png, false},
        {"picture.gif", QByteArray("GIF89a\x04\x00\x04\x00\x80\x00\x00", 13), false},
        {"gif-inside.png", QByteArray("GIF89a\x04\x00\x04\x00\x80\x00\x00", 13), false},
        {"jpeg-inside.bmp", jpeg, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(!loadPictureFile(write(c.name, c.bytes), false).isEmpty(), c.loads);
    }
    EXPECT_TRUE(loadPictureFile(m_dir.filePath("missing.png"), false).isEmpty());
}

TEST_F(PictureFilesTest, ReduceColorsChoosesTheLoadDepth)
{
    const struct {
        const char* name;
        QByteArray bytes;
        bool reduce;
        int depth;
    } cases[] = {
        {"true-colour PNG, reduce", encodeWithQt(manyColorImage(), "PNG"), true, 8},
        {"true-colour PNG, keep", encodeWithQt(manyColorImage(), "PNG"), false, 24},
        {"true-colour TIFF, reduce", encodeWithQt(manyColorImage(), "TIFF"), true, 8},
        {"16-colour PCX, reduce", makePcx(sixteenColorImage()), true, 4},
        {"16-colour PCX, keep", makePcx(sixteenColorImage()), false, 4},
        {"24-bit PCX, reduce", makePcx(manyColorImage()), true, 8},
        {"24-bit BMP, keep", encodeWithQt(manyColorImage(), "BMP"), false, 24},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString suffix = c.bytes.startsWith("\x89PNG") ? ".png" : c.bytes.startsWith("BM") ? ".bmp"
                               : c.bytes.startsWith("II") || c.bytes.startsWith("MM") ? ".tif" : ".pcx";
        const Picture picture = loadPictureFile(write(QString("p") + suffix, c.bytes), c.reduce);
        ASSERT_EQ(picture.kind(), Picture::Kind::Bitmap);
        EXPECT_EQ(loadedDepth(picture), c.depth);
    }
}

TEST_F(PictureFilesTest, ReducedPictureKeepsItsColoursClose)
{
    const QImage source = manyColorImage();
    const Picture picture = loadPictureFile(write("many.png", encodeWithQt(source, "PNG")), true);
    ASSERT_EQ(loadedDepth(picture), 8);
    // Error diffusion keeps the average colour of an area close to the source.
    for (const QPoint corner : {QPoint(0, 0), QPoint(48, 48), QPoint(0, 48)}) {
        double error[3] = {0, 0, 0};
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const QColor a = source.pixelColor(corner + QPoint(x, y));
                const QColor b = picture.image().pixelColor(corner + QPoint(x, y));
                error[0] += b.red() - a.red();
                error[1] += b.green() - a.green();
                error[2] += b.blue() - a.blue();
            }
        for (double e : error)
            EXPECT_LT(std::abs(e / 256), 12.0);
    }
}

TEST_F(PictureFilesTest, MetafilesLoadAsEmfBytes)
{
    const Picture wmf = loadPictureFile(write("drawing.WMF", makeWmf()), true);
    ASSERT_EQ(wmf.kind(), Picture::Kind::Metafile);
    EXPECT_EQ(readU32At(wmf.metafileBytes(), 40), 0x464D4520u);  // " EMF"
    EXPECT_EQ(wmf.size(), QSize(96, 48));  // one inch by half an inch at 96 dpi

    // The converted metafile draws its red left half and blue bottom line.
    QImage target(200, 100, QImage::Format_RGB32);
    target.fill(Qt::white);
    {
        QPainter painter(&target);
        drawPicture(painter, wmf, QRect(0, 0, 200, 100));
    }
    EXPECT_EQ(target.pixel(40, 40), qRgb(255, 0, 0));
    EXPECT_EQ(target.pixel(160, 40), qRgb(255, 255, 255));
    const QColor line = target.pixelColor(160, 98);  // a thin line: allow for edge blending
    EXPECT_GT(line.blue(), 200);
    EXPECT_LT(line.red(), 80);

    // The text keeps its font, size and escapement as vector records.
    const QByteArray& emfBytes = wmf.metafileBytes();
    qsizetype font = -1, text = -1;
    for (const auto& [type, offset] : emfRecords(emfBytes)) {
        if (type == 82)
            font = offset;
        if (type == 84)
            text = offset;
    }
    ASSERT_GE(font, 0);
    ASSERT_GE(text, 0);
    EXPECT_EQ(int32_t(readU32At(emfBytes, font + 12)), -10);  // 100 units at 1000 per inch, 96 dpi
    EXPECT_EQ(int32_t(readU32At(emfBytes, font + 20)), 900);
    EXPECT_EQ(int32_t(readU32At(emfBytes, font + 28)), 700);
    EXPECT_EQ(QString::fromUtf16(reinterpret_cast<const char16_t*>(emfBytes.constData() + font + 40), 5), "Arial");
    EXPECT_EQ(readU32At(emfBytes, text + 44), 2u);

    // An EMF file is kept byte for byte, whatever its extension says.
    const Picture emf = loadPictureFile(write("copy.wmf", wmf.metafileBytes()), true);
    ASSERT_EQ(emf.kind(), Picture::Kind::Metafile);
    EXPECT_EQ(emf.metafileBytes(), wmf.metafileBytes());
}

} // namespace
