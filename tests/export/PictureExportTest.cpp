#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QTemporaryDir>

#include "PictureFixtures.h"
#include "export/PictureExport.h"
#include "base/ByteStream.h"
#include "imaging/Dib.h"
#include "metafile/EmfPlayer.h"

namespace {

enum EmfRecord : uint32_t {
    kHeader = 1, kEof = 14, kMoveTo = 27, kEllipse = 42, kRectangle = 43, kRoundRect = 44, kLineTo = 54,
    kStretchDib = 81, kCreateFont = 82, kTextOutW = 84, kPolygon = 3,
};

// A card with one of each thing the exporter must keep as a vector record.
void paintCard(QPainter& painter)
{
    painter.fillRect(QRect(0, 0, 400, 200), Qt::white);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(10, 190, 390, 190);
    painter.setBrush(QColor(255, 0, 0));
    painter.drawRect(20, 20, 60, 40);
    painter.setBrush(QColor(0, 160, 0));
    painter.drawRoundedRect(QRectF(100, 20, 80, 60), 19, 19);
    painter.setBrush(QColor(0, 0, 255));
    painter.drawEllipse(QRect(200, 20, 80, 60));
    painter.drawImage(QRect(300, 20, 40, 40), makeTestImage(8, 8));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(20);
    painter.setFont(font);
    painter.save();
    painter.translate(40, 150);
    painter.rotate(-30.0);  // 30 degrees counter-clockwise
    painter.drawText(QPointF(0, 0), QStringLiteral("Hello"));
    painter.restore();
}

class ExportTest : public testing::Test {
protected:
    QByteArray exportBytes(ExportFormat format, const ExportOptions& options = {})
    {
        const QString path = m_dir.filePath("out");
        EXPECT_TRUE(exportPicture(path, format, QSize(400, 200), paintCard, options));
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
    QTemporaryDir m_dir;
};

qsizetype findRecord(const QByteArray& emf, uint32_t type)
{
    for (const auto& [t, offset] : emfRecords(emf))
        if (t == type)
            return offset;
    return -1;
}

QRect rectAt(const QByteArray& emf, qsizetype offset)
{
    ByteReader in(emf);
    in.seek(offset + 8);
    const int l = in.i32(), t = in.i32(), r = in.i32(), b = in.i32();
    return QRect(QPoint(l, t), QPoint(r, b));
}

TEST_F(ExportTest, MetafileHoldsVectorRecords)
{
    const QByteArray emf = exportBytes(ExportFormat::Emf);
    ASSERT_TRUE(isWellFormedEmf(emf));
    EXPECT_EQ(rectAt(emf, 0), QRect(0, 0, 400, 200));  // bounds: the card, inclusive
    EXPECT_EQ(readU32At(emf, 48), uint32_t(emf.size()));
    EXPECT_EQ(readU32At(emf, 52), uint32_t(emfRecords(emf).size()));

    const qsizetype rect = findRecord(emf, kRectangle);
    const qsizetype round = findRecord(emf, kRoundRect);
    const qsizetype ellipse = findRecord(emf, kEllipse);
    ASSERT_GE(rect, 0);
    ASSERT_GE(round, 0);
    ASSERT_GE(ellipse, 0);
    // Boxes have exclusive right and bottom edges: the outline drawn over
    // x..x+w on screen is the box x, x+w+1.
    QList<QRect> rects;
    for (const auto& [type, offset] : emfRecords(emf))
        if (type == kRectangle)
            rects.append(rectAt(emf, offset));
    EXPECT_TRUE(rects.contains(QRect(QPoint(20, 20), QPoint(81, 61))));
    EXPECT_EQ(rectAt(emf, ellipse), QRect(QPoint(200, 20), QPoint(281, 81)));
    EXPECT_EQ(rectAt(emf, round), QRect(QPoint(100, 20), QPoint(181, 81)));
    EXPECT_EQ(readU32At(emf, round + 24), 38u);  // corner ellipse width
    EXPECT_GE(findRecord(emf, kMoveTo), 0);
    EXPECT_GE(findRecord(emf, kLineTo), 0);
    EXPECT_GE(findRecord(emf, kStretchDib), 0);

    const qsizetype font = findRecord(emf, kCreateFont);
    ASSERT_GE(font, 0);
    ByteReader in(emf);
    in.seek(font + 12);
    EXPECT_EQ(in.i32(), -20);  // height: em height in pixels
    in.skip(4);
    EXPECT_EQ(in.i32(), 300);  // escapement in tenths of a degree
    const qsizetype text = findRecord(emf, kTextOutW);
    ASSERT_GE(text, 0);
    const uint32_t chars = readU32At(emf, text + 44), offString = readU32At(emf, text + 48);
    EXPECT_EQ(chars, 5u);
    EXPECT_EQ(QString::fromUtf16(reinterpret_cast<const char16_t*>(emf.constData() + text + offString), 5),
              "Hello");
    // The reference point is the top-left of the character cell, turned with the text.
    QFont font20(QStringLiteral("Liberation Sans"));
    font20.setPixelSize(20);
    const double ascent = QFontMetricsF(font20).ascent();
    const QPointF expected = QTransform().translate(40, 150).rotate(-30).map(QPointF(0, -ascent));
    ByteReader reference(emf);
    reference.seek(text + 36);
    EXPECT_NEAR(reference.i32(), expected.x(), 1);
    EXPECT_NEAR(reference.i32(), expected.y(), 1);
}

TEST_F(ExportTest, MetafilePlaysBackWhereItWasDrawn)
{
    const QByteArray emf = exportBytes(ExportFormat::Emf);
    QImage image(400, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        ASSERT_TRUE(drawMetafile(painter, QRectF(0, 0, 400, 200), emf));
    }
    EXPECT_EQ(image.pixel(50, 40), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(140, 50), qRgb(0, 160, 0));
    EXPECT_EQ(image.pixel(240, 50), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(101, 21), qRgb(255, 255, 255));  // outside the rounded corner
    EXPECT_EQ(image.pixel(104, 31), qRgb(0, 160, 0));      // inside a corner of radius 19, not 38
    EXPECT_EQ(image.pixel(200, 190), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(310, 35), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(330, 35), qRgb(0, 0, 255));
}

int inkIn(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += qGray(image.pixel(x, y)) < 128;
    return count;
}

TEST_F(ExportTest, TurnedTextPlaysBackFromItsCell)
{
    // Text turned a quarter counter-clockwise, placed by its cell's top-left
    // at (100, 150): it runs upwards and its cell lies to the right.
    auto paint = [](QPainter& painter) {
        painter.fillRect(QRect(0, 0, 200, 200), Qt::white);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(40);
        painter.setFont(font);
        painter.translate(100, 150);
        painter.rotate(-90);
        painter.drawText(QPointF(0, QFontMetricsF(font).ascent()), QStringLiteral("HHH"));
    };
    const QString path = m_dir.filePath("turned.emf");
    ASSERT_TRUE(exportPicture(path, ExportFormat::Emf, QSize(200, 200), paint, {}));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        ASSERT_TRUE(drawMetafile(painter, QRectF(0, 0, 200, 200), file.readAll()));
    }
    EXPECT_GT(inkIn(image, QRect(100, 70, 40, 75)), 200);
    EXPECT_EQ(inkIn(image, QRect(60, 155, 100, 45)), 0);  // nothing below the cell
    EXPECT_EQ(inkIn(image, QRect(0, 0, 95, 200)), 0);     // nothing left of it
}

TEST_F(ExportTest, WmfNameStillGetsAnEnhancedMetafile)
{
    const QByteArray bytes = exportBytes(ExportFormat::Wmf);
    EXPECT_TRUE(isWellFormedEmf(bytes));
}

TEST_F(ExportTest, BitmapFileIs24Bit)
{
    const QByteArray bmp = exportBytes(ExportFormat::Bmp);
    ByteReader in(bmp);
    EXPECT_EQ(in.u16(), 0x4D42);
    EXPECT_EQ(in.u32(), uint32_t(bmp.size()));
    in.skip(4);
    EXPECT_EQ(in.u32(), 54u);  // pixels right after the header: no table
    EXPECT_EQ(in.u32(), 40u);
    EXPECT_EQ(in.i32(), 400);
    EXPECT_EQ(in.i32(), 200);
    in.skip(2);
    EXPECT_EQ(in.u16(), 24);
    const QImage image = QImage::fromData(bmp, "BMP");
    EXPECT_EQ(image.pixel(50, 40), qRgb(255, 0, 0));
}

TEST_F(ExportTest, JpegHonoursQualityAndProgressive)
{
    auto hasMarker = [](const QByteArray& jpeg, char marker) { return jpeg.contains(QByteArray("\xFF") + marker); };
    const QByteArray baseline = exportBytes(ExportFormat::Jpeg, {90, false});
    const QByteArray progressive = exportBytes(ExportFormat::Jpeg, {90, true});
    const QByteArray rough = exportBytes(ExportFormat::Jpeg, {10, false});
    ASSERT_TRUE(baseline.startsWith("\xFF\xD8"));
    EXPECT_TRUE(hasMarker(baseline, '\xC0'));
    EXPECT_FALSE(hasMarker(baseline, '\xC2'));
    EXPECT_TRUE(hasMarker(progressive, '\xC2'));
    EXPECT_LT(rough.size(), baseline.size());
    EXPECT_EQ(QImage::fromData(progressive, "JPG").size(), QSize(400, 200));
}

TEST_F(ExportTest, PngAndFailures)
{
    const QByteArray png = exportBytes(ExportFormat::Png);
    EXPECT_EQ(QImage::fromData(png, "PNG").pixel(240, 50), qRgb(0, 0, 255));
    const ExportOptions options;
    EXPECT_FALSE(exportPicture(m_dir.filePath("no/such/folder/x.bmp"), ExportFormat::Bmp, QSize(10, 10), paintCard,
                               options));
    EXPECT_FALSE(exportPicture(m_dir.filePath("empty.bmp"), ExportFormat::Bmp, QSize(0, 10), paintCard, options));
    EXPECT_FALSE(QFile::exists(m_dir.filePath("empty.bmp")));
}

// One rule for every export: the extension names the format, in any case;
// .jpg and .jpeg are both JPEG. A name the rule does not know has no format,
// and the export dialog then writes a bitmap.
TEST(ExportFormat, ChosenByExtension)
{
    const struct {
        const char* path;
        std::optional<ExportFormat> format;
    } cases[] = {
        {"a.emf", ExportFormat::Emf},  {"a.WMF", ExportFormat::Wmf},  {"a.Jpg", ExportFormat::Jpeg},
        {"a.jpeg", ExportFormat::Jpeg}, {"a.JPEG", ExportFormat::Jpeg}, {"a.png", ExportFormat::Png},
        {"a.PnG", ExportFormat::Png},  {"a.bmp", ExportFormat::Bmp},  {"dir.png/a.bmp", ExportFormat::Bmp},
        {"a.xyz", std::nullopt},       {"a.gif", std::nullopt},       {"a.png.gif", std::nullopt},
        {"noextension", std::nullopt}, {"dir.png/noextension", std::nullopt}, {"a.SVG", ExportFormat::Svg},
        {"a.pdf", ExportFormat::Pdf},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(exportFormatForExtension(c.path), c.format) << c.path;
        EXPECT_EQ(exportFormatForPath(c.path), c.format.value_or(ExportFormat::Bmp)) << c.path;
    }
    // Every extension offered to users is one the rule reads back.
    for (const QString& extension : exportExtensions()) {
        EXPECT_TRUE(exportFormatForExtension("a." + extension)) << qPrintable(extension);
        EXPECT_EQ(exportFormatNamed(extension.toUpper()), exportFormatForExtension("a." + extension));
    }
    EXPECT_EQ(exportFormatNamed("gif"), std::nullopt);
    EXPECT_EQ(exportFormatNamed(""), std::nullopt);
}

} // namespace
