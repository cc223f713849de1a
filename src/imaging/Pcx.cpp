#include "imaging/Pcx.h"

#include <QList>
#include <cstring>

#include "base/ByteStream.h"
#include "imaging/Dib.h"

namespace {

constexpr int kHeaderSize = 128;
constexpr int kVgaPaletteSize = 769;  // marker 0x0C + 256 RGB triples

bool isSupportedLayout(int bitsPerPixel, int planes)
{
    return (bitsPerPixel == 1 && planes >= 1 && planes <= 4) || (bitsPerPixel == 2 && planes == 1) ||
           (bitsPerPixel == 4 && planes == 1) || (bitsPerPixel == 8 && (planes == 1 || planes == 3 || planes == 4));
}

QList<QRgb> headerPalette(QByteArrayView bytes, int count)
{
    QList<QRgb> palette;
    ByteReader in(bytes);
    in.seek(16);
    for (int i = 0; i < count && i < 16; ++i) {
        const uint8_t r = in.u8(), g = in.u8(), b = in.u8();
        palette.append(qRgb(r, g, b));
    }
    return palette;
}

QList<QRgb> paletteFor(QByteArrayView bytes, const PcxHeader& header)
{
    const int colors = header.paletteColors();
    if (header.bitsPerPixel == 1 && header.planes == 1)
        return {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    if (colors <= 16)
        return headerPalette(bytes, colors);
    QList<QRgb> palette;
    if (bytes.size() >= kHeaderSize + kVgaPaletteSize && bytes[bytes.size() - kVgaPaletteSize] == 0x0C) {
        ByteReader in(bytes);
        in.seek(bytes.size() - kVgaPaletteSize + 1);
        for (int i = 0; i < 256; ++i) {
            const uint8_t r = in.u8(), g = in.u8(), b = in.u8();
            palette.append(qRgb(r, g, b));
        }
    } else {  // no palette stored: a grey ramp
        for (int i = 0; i < 256; ++i)
            palette.append(qRgb(i, i, i));
    }
    return palette;
}

// Expands the run-length data into exactly `size` bytes; false when the data
// ends first.
bool expandRuns(QByteArrayView bytes, qsizetype size, QByteArray& out)
{
    out = QByteArray(size, '\0');
    ByteReader in(bytes);
    in.seek(kHeaderSize);
    qsizetype pos = 0;
    while (pos < size) {
        uint8_t value = in.u8();
        int count = 1;
        if ((value & 0xC0) == 0xC0) {
            count = value & 0x3F;
            value = in.u8();
        }
        if (!in.ok())
            return false;
        const qsizetype n = std::min<qsizetype>(count, size - pos);
        std::memset(out.data() + pos, value, size_t(n));
        pos += n;
    }
    return true;
}

} // namespace

int PcxHeader::paletteColors() const
{
    if (bitsPerPixel == 8 && planes >= 3)
        return 0;
    return 1 << totalBits();
}

bool readPcxHeader(QByteArrayView bytes, PcxHeader& header)
{
    ByteReader in(bytes);
    const uint8_t manufacturer = in.u8();
    const uint8_t version = in.u8();
    const uint8_t encoding = in.u8();
    header.bitsPerPixel = in.u8();
    const int xmin = in.u16(), ymin = in.u16(), xmax = in.u16(), ymax = in.u16();
    in.seek(65);
    header.planes = in.u8();
    header.bytesPerLine = in.u16();
    if (!in.ok() || bytes.size() < kHeaderSize || manufacturer != 0x0A || version > 5 || encoding != 1)
        return false;
    if (!isSupportedLayout(header.bitsPerPixel, header.planes) || xmax < xmin || ymax < ymin)
        return false;
    header.width = xmax - xmin + 1;
    header.height = ymax - ymin + 1;
    if (!isPlausibleImageSize(header.width, header.height))
        return false;
    return header.bytesPerLine >= (qint64(header.width) * header.bitsPerPixel + 7) / 8;
}

QImage decodePcx(QByteArrayView bytes)
{
    PcxHeader header;
    if (!readPcxHeader(bytes, header))
        return {};
    const qint64 lineBytes = qint64(header.bytesPerLine) * header.planes;
    const qint64 total = lineBytes * header.height;
    // A run byte pair expands to at most 63 bytes: refuse sizes the data cannot hold.
    if (total > (bytes.size() - kHeaderSize) * 32 + 64)
        return {};
    QByteArray data;
    if (!expandRuns(bytes, qsizetype(total), data))
        return {};
    const bool trueColor = header.bitsPerPixel == 8 && header.planes >= 3;
    QImage image(header.width, header.height, trueColor ? QImage::Format_RGB32 : QImage::Format_Indexed8);
    if (image.isNull())
        return {};
    if (!trueColor) {
        QList<QRgb> palette = paletteFor(bytes, header);
        palette.resize(header.paletteColors(), qRgb(0, 0, 0));
        image.setColorTable(palette);
    }
    const auto* raw = reinterpret_cast<const uint8_t*>(data.constData());
    const int bpl = header.bytesPerLine;
    for (int y = 0; y < header.height; ++y) {
        const uint8_t* line = raw + y * lineBytes;
        uchar* dst = image.scanLine(y);
        for (int x = 0; x < header.width; ++x) {
            if (trueColor) {
                reinterpret_cast<QRgb*>(dst)[x] = qRgb(line[x], line[bpl + x], line[2 * bpl + x]);
            } else if (header.bitsPerPixel == 8) {
                dst[x] = line[x];
            } else if (header.bitsPerPixel == 1) {
                int index = 0;
                for (int p = 0; p < header.planes; ++p)
                    index |= ((line[p * bpl + (x >> 3)] >> (7 - (x & 7))) & 1) << p;
                dst[x] = uchar(index);
            } else {
                const int perByte = 8 / header.bitsPerPixel;
                const int shift = 8 - header.bitsPerPixel * (x % perByte + 1);
                dst[x] = uchar((line[x / perByte] >> shift) & ((1 << header.bitsPerPixel) - 1));
            }
        }
    }
    return image;
}
