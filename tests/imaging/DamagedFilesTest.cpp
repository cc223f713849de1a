#include <gtest/gtest.h>

#include <QPainter>
#include <QTemporaryDir>

#include "PictureFixtures.h"
#include "export/PictureExport.h"
#include "base/ByteStream.h"
#include "imaging/Dib.h"
#include "imaging/ImageCodecs.h"
#include "imaging/JpegCodec.h"
#include "metafile/EmfPlayer.h"
#include "metafile/WmfToEmf.h"
#include "imaging/Pcx.h"
#include "render/DrawPicture.h"
#include "render/PictureFiles.h"

namespace {

QByteArray smallEmf()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("x.emf");
    exportPicture(path, ExportFormat::Emf, QSize(40, 30),
                  [](QPainter& p) {
                      p.setBrush(Qt::red);
                      p.drawRect(5, 5, 20, 10);
                      p.drawText(QPointF(5, 25), QStringLiteral("Ab"));
                  },
                  {});
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// Every way a loader can be handed a file; none may crash, hang or allocate
// beyond its limits.
void loadEverywhere(const QByteArray& bytes)
{
    ImageFileInfo info;
    queryImageBytes(bytes, info);
    QByteArray dib;
    for (const char* type : {"BMP", "PCX", "PNG", "TIFF"})
        loadImageAsDib(type, bytes, 8, dib);
    dibToImage(bytes);
    rotateDibQuarterTurn(bytes);
    Picture picture;
    picture.loadJpeg(bytes);
    QByteArray emf = convertWmfToEmf(bytes);
    QImage target(32, 32, QImage::Format_RGB32);
    QPainter painter(&target);
    drawMetafile(painter, QRectF(0, 0, 32, 32), bytes);
    if (!emf.isEmpty())
        drawMetafile(painter, QRectF(0, 0, 32, 32), emf);
}

TEST(DamagedFiles, TruncatedAndFlippedFilesAreSurvived)
{
    const QImage image = makeTestImage(17, 9);
    const QList<QByteArray> files = {
        encodeWithQt(image, "BMP"), encodeWithQt(image, "PNG"), encodeWithQt(image, "TIFF"), makePcx(image),
        makePcx(image.convertToFormat(QImage::Format_Indexed8)), encodeJpeg(image, 80, true), makeWmf(),
        smallEmf(), imageToDib(image, 4),
    };
    for (const QByteArray& file : files) {
        ASSERT_FALSE(file.isEmpty());
        for (qsizetype cut : {qsizetype(0), qsizetype(3), qsizetype(20), file.size() / 2, file.size() - 1})
            loadEverywhere(file.left(cut));
        for (qsizetype at = 0; at < file.size(); at += std::max<qsizetype>(1, file.size() / 40)) {
            QByteArray damaged = file;
            damaged[at] = char(damaged[at] ^ 0xFF);
            loadEverywhere(damaged);
        }
    }
}

TEST(DamagedFiles, ImpossibleSizesAreRefusedBeforeAllocating)
{
    // A PCX header claiming 65535 x 65535 pixels with a few bytes of data.
    QByteArray pcx = makePcx(makeTestImage(4, 4));
    ByteWriter(pcx).patchU32(8, 0xFFFFFFFF);  // xmax, ymax
    EXPECT_TRUE(decodePcx(pcx).isNull());
    // 20000 x 20000 is within the side limit but not in a file this short.
    ByteWriter(pcx).patchU32(8, (19999u << 16) | 19999u);
    EXPECT_TRUE(decodePcx(pcx).isNull());

    QByteArray dib = imageToDib(makeTestImage(4, 4), 24);
    ByteWriter(dib).patchI32(4, 30000);
    EXPECT_TRUE(dibToImage(dib).isNull());  // rows missing
    ByteWriter(dib).patchI32(8, -30000);
    EXPECT_TRUE(dibToImage(dib).isNull());
    ByteWriter(dib).patchI32(4, 0);
    EXPECT_TRUE(dibToImage(dib).isNull());

    // A JPEG frame header claiming 14000 x 14000 pixels (784 MB decoded) over
    // the data of a small picture; and one just within the limit still decodes.
    QByteArray jpeg = encodeJpeg(makeTestImage(16, 16), 80, false);
    const qsizetype frame = jpeg.indexOf("\xFF\xC0");
    ASSERT_GT(frame, 0);
    const auto claim = [&jpeg, frame](int side) {
        QByteArray damaged = jpeg;
        for (int at : {5, 7}) {
            damaged[frame + at] = char(side >> 8);
            damaged[frame + at + 1] = char(side & 0xFF);
        }
        return damaged;
    };
    EXPECT_TRUE(decodeJpeg(claim(14000)).isNull());
    EXPECT_EQ(decodeJpeg(claim(64)).size(), QSize(64, 64));

    QByteArray bmp = encodeWithQt(makeTestImage(4, 4), "BMP");
    ByteWriter(bmp).patchI32(18, 1 << 20);
    EXPECT_TRUE(loadImageAsDib("BMP", bmp, 24, dib) == false);
}

TEST(DamagedFiles, MalformedMetafilesAreRefused)
{
    const QByteArray emf = smallEmf();
    ASSERT_TRUE(isWellFormedEmf(emf));
    const qsizetype last = emfRecords(emf).last().second;
    const struct {
        const char* name;
        qsizetype offset;
        uint32_t value;
    } cases[] = {
        {"record runs past the end", 4, 0x7FFFFFF0},
        {"record size not a multiple of four", 4, 90},
        {"record shorter than its header", last + 4, 4},
        {"end record missing", last, 27},
        {"signature", 40, 0x12345678},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray damaged = emf;
        ByteWriter(damaged).patchU32(c.offset, c.value);
        EXPECT_FALSE(isWellFormedEmf(damaged));
        Picture picture;
        if (picture.loadEmf(damaged)) {
            QImage target(10, 10, QImage::Format_RGB32);
            QPainter painter(&target);
            drawPicture(painter, picture, QRect(0, 0, 10, 10));  // refused quietly
        }
    }

    QByteArray wmf = makeWmf();
    ByteWriter(wmf).patchU32(22 + 18, 0x7FFFFFFF);  // first record's size in words
    EXPECT_TRUE(convertWmfToEmf(wmf).isEmpty());
    QTemporaryDir dir;
    const QString path = dir.filePath("broken.wmf");
    ASSERT_TRUE(writeBytes(path, wmf));
    EXPECT_TRUE(loadPictureFile(path, false).isEmpty());
}

} // namespace
