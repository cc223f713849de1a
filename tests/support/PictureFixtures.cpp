#include "PictureFixtures.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>

#include "base/ByteStream.h"

namespace {
void writeRuns(ByteWriter& out, const QByteArray& line)
{
    for (qsizetype i = 0; i < line.size();) {
        qsizetype run = 1;
        while (i + run < line.size() && run < 63 && line[i + run] == line[i])
            ++run;
        const auto value = uint8_t(line[i]);
        if (run > 1 || value >= 0xC0)
            out.u8(uint8_t(0xC0 | run));
        out.u8(value);
        i += run;
    }
}
} // namespace

QByteArray makePcx(const QImage& source)
{
    const bool indexed = source.format() == QImage::Format_Indexed8;
    const bool planar = indexed && source.colorCount() <= 16;
    const int w = source.width(), h = source.height();
    const int bitsPerPixel = planar ? 1 : 8;
    const int planes = planar ? 4 : indexed ? 1 : 3;
    const int bytesPerLine = ((w * bitsPerPixel + 7) / 8 + 1) & ~1;
    QByteArray file;
    ByteWriter out(file);
    out.u8(0x0A);
    out.u8(5);
    out.u8(1);
    out.u8(uint8_t(bitsPerPixel));
    out.u16(0);
    out.u16(0);
    out.u16(uint16_t(w - 1));
    out.u16(uint16_t(h - 1));
    out.u16(96);
    out.u16(96);
    for (int i = 0; i < 16; ++i) {
        const QRgb c = planar && i < source.colorCount() ? source.color(i) : 0;
        out.u8(uint8_t(qRed(c)));
        out.u8(uint8_t(qGreen(c)));
        out.u8(uint8_t(qBlue(c)));
    }
    out.u8(0);
    out.u8(uint8_t(planes));
    out.u16(uint16_t(bytesPerLine));
    out.u16(1);
    out.zeros(128 - file.size());
    const QImage rgb = source.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        QByteArray line(bytesPerLine * planes, '\0');
        for (int x = 0; x < w; ++x) {
            if (planar) {
                const int index = source.pixelIndex(x, y);
                for (int p = 0; p < 4; ++p)
                    if (index & (1 << p))
                        line[p * bytesPerLine + x / 8] = char(line[p * bytesPerLine + x / 8] | (0x80 >> (x % 8)));
            } else if (indexed) {
                line[x] = char(source.pixelIndex(x, y));
            } else {
                const QRgb c = rgb.pixel(x, y);
                line[x] = char(qRed(c));
                line[bytesPerLine + x] = char(qGreen(c));
                line[2 * bytesPerLine + x] = char(qBlue(c));
            }
        }
        writeRuns(out, line);
    }
    if (indexed && !planar) {
        out.u8(0x0C);
        for (int i = 0; i < 256; ++i) {
            const QRgb c = i < source.colorCount() ? source.color(i) : 0;
            out.u8(uint8_t(qRed(c)));
            out.u8(uint8_t(qGreen(c)));
            out.u8(uint8_t(qBlue(c)));
        }
    }
    return file;
}

QByteArray encodeWithQt(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.write(image);
    return bytes;
}

QByteArray makeWmf()
{
    QByteArray records;
    ByteWriter r(records);
    auto record = [&](uint16_t function, std::initializer_list<int> words) {
        r.u32(uint32_t(3 + words.size()));
        r.u16(function);
        for (int w : words)
            r.i16(int16_t(w));
    };
    record(0x020B, {0, 0});                          // window origin (y, x)
    record(0x020C, {500, 1000});                     // window extent (y, x)
    record(0x02FC, {0, 0x00FF, 0x0000, 0});          // red solid brush -> object 0
    record(0x02FA, {0, 10, 0, 0x0000, 0x00FF});      // blue pen, width 10 -> object 1
    record(0x012D, {0});                             // select brush
    record(0x041B, {500, 500, 0, 0});                // rectangle (bottom, right, top, left)
    record(0x012D, {1});                             // select pen
    record(0x0214, {490, 0});                        // move to (y, x)
    record(0x0213, {490, 1000});                     // line to
    // Font: height -100, escapement 90 degrees, weight 700, face "Arial" -> object 2.
    record(0x02FB, {-100, 0, 900, 900, 700, 0, 0, 0, 0, 0x7241, 0x6169, 0x006C});
    record(0x012D, {2});                             // select font
    record(0x0521, {2, 0x6948, 300, 700});           // text "Hi" at (700, 300)
    record(0x0000, {});                              // end
    QByteArray file;
    ByteWriter out(file);
    out.u32(0x9AC6CDD7);
    out.u16(0);
    out.i16(0);
    out.i16(0);
    out.i16(1000);
    out.i16(500);
    out.u16(1000);
    out.u32(0);
    out.u16(0);
    out.u16(1);
    out.u16(9);
    out.u16(0x300);
    out.u32(uint32_t((18 + records.size()) / 2));
    out.u16(3);
    out.u32(16);
    out.u16(0);
    out.bytes(records);
    return file;
}

QImage makeTestImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, y == 0 ? qRgb(0, 255, 0) : x < width / 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    return image;
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QList<QPair<uint32_t, qsizetype>> emfRecords(const QByteArray& emf)
{
    QList<QPair<uint32_t, qsizetype>> records;
    for (qsizetype pos = 0; pos + 8 <= emf.size();) {
        const uint32_t type = readU32At(emf, pos), size = readU32At(emf, pos + 4);
        records.append({type, pos});
        if (size < 8 || type == 14)
            break;
        pos += size;
    }
    return records;
}
