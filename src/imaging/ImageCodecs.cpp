#include "imaging/ImageCodecs.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include "base/BoundedRead.h"
#include "base/ByteStream.h"
#include "imaging/Dib.h"
#include "imaging/Pcx.h"

namespace {

constexpr qint64 kMaxPictureFileBytes = 256ll * 1024 * 1024;

// Reads 16/32-bit values at absolute offsets in either byte order; reads past
// the end give 0 and clear ok.
struct EndianReader {
    QByteArrayView data;
    bool bigEndian = false;
    bool ok = true;
    uint32_t byteAt(qint64 offset)
    {
        if (offset < 0 || offset >= data.size()) {
            ok = false;
            return 0;
        }
        return uint8_t(data[qsizetype(offset)]);
    }
    uint32_t u16(qint64 offset)
    {
        const uint32_t a = byteAt(offset), b = byteAt(offset + 1);
        return bigEndian ? (a << 8 | b) : (b << 8 | a);
    }
    uint32_t u32(qint64 offset)
    {
        const uint32_t a = u16(offset), b = u16(offset + 2);
        return bigEndian ? (a << 16 | b) : (b << 16 | a);
    }
};

bool queryBmp(QByteArrayView bytes, ImageFileInfo& info)
{
    ByteReader in(bytes);
    in.seek(14);
    const uint32_t headerSize = in.u32();
    uint32_t clrUsed = 0;
    if (headerSize == 12) {
        info.width = in.u16();
        info.height = std::abs(in.i16());
        in.u16();
        info.bitsPerPixel = in.u16();
    } else {
        info.width = in.i32();
        info.height = std::abs(in.i32());
        in.u16();
        info.bitsPerPixel = in.u16();
        in.skip(16);
        clrUsed = in.u32();
    }
    if (!in.ok() || headerSize < 12 || info.bitsPerPixel == 0)
        return false;
    if (info.bitsPerPixel <= 8)
        info.paletteColors = clrUsed ? int(std::min<uint32_t>(clrUsed, 256)) : 1 << info.bitsPerPixel;
    info.type = QStringLiteral("BMP");
    return true;
}

bool queryPcx(QByteArrayView bytes, ImageFileInfo& info)
{
    PcxHeader header;
    if (!readPcxHeader(bytes, header))
        return false;
    info.type = QStringLiteral("PCX");
    info.width = header.width;
    info.height = header.height;
    info.bitsPerPixel = header.totalBits() > 24 ? 24 : header.totalBits();
    info.paletteColors = header.paletteColors();
    return true;
}

bool queryPng(QByteArrayView bytes, ImageFileInfo& info)
{
    EndianReader in{bytes, true};
    if (in.u32(12) != 0x49484452)  // IHDR
        return false;
    info.width = int(in.u32(16) & 0x7FFFFFFF);
    info.height = int(in.u32(20) & 0x7FFFFFFF);
    const int depth = int(in.byteAt(24));
    const int colorType = int(in.byteAt(25));
    if (!in.ok)
        return false;
    // The palette is in a PLTE chunk somewhere before the image data.
    int paletteEntries = 0;
    for (qint64 pos = 8; pos + 8 <= bytes.size();) {
        const qint64 length = in.u32(pos);
        const uint32_t type = in.u32(pos + 4);
        if (type == 0x504C5445) {  // PLTE
            paletteEntries = int(std::min<qint64>(length / 3, 256));
            break;
        }
        if (type == 0x49444154 || type == 0x49454E44 || length > bytes.size())  // IDAT, IEND
            break;
        pos += 12 + length;
    }
    switch (colorType) {
    case 0: info.bitsPerPixel = std::min(depth, 8); info.paletteColors = 1 << info.bitsPerPixel; break;
    case 3: info.bitsPerPixel = depth; info.paletteColors = paletteEntries; break;
    case 6: info.bitsPerPixel = 32; break;
    case 2:
    case 4: info.bitsPerPixel = 24; break;
    default: return false;
    }
    info.type = QStringLiteral("PNG");
    return true;
}

bool queryTiff(QByteArrayView bytes, ImageFileInfo& info)
{
    EndianReader in{bytes, bytes.startsWith("MM")};
    const qint64 ifd = in.u32(4);
    const uint32_t entries = in.u16(ifd);
    if (!in.ok || entries > 4096)
        return false;
    int bitsPerSample = 1, samples = 1, photometric = 1;
    for (uint32_t i = 0; i < entries; ++i) {
        const qint64 entry = ifd + 2 + 12 * qint64(i);
        const uint32_t tag = in.u16(entry), type = in.u16(entry + 2), count = in.u32(entry + 4);
        // SHORT values sit in the first two bytes of the value field.
        auto value = [&](qint64 at) { return type == 3 ? in.u16(at) : in.u32(at); };
        const qint64 field = entry + 8;
        switch (tag) {
        case 256: info.width = int(value(field)); break;
        case 257: info.height = int(value(field)); break;
        case 258: bitsPerSample = int(type == 3 && count > 2 ? in.u16(in.u32(field)) : value(field)); break;
        case 262: photometric = int(value(field)); break;
        case 277: samples = int(value(field)); break;
        default: break;
        }
        if (!in.ok)
            return false;
    }
    if (bitsPerSample <= 0 || bitsPerSample > 16 || samples <= 0 || samples > 8)
        return false;
    info.bitsPerPixel = std::min(bitsPerSample * samples, 32);
    if (bitsPerSample <= 8 && samples == 1 && photometric <= 3)
        info.paletteColors = 1 << bitsPerSample;
    info.type = QStringLiteral("TIFF");
    return true;
}

bool queryGif(QByteArrayView bytes, ImageFileInfo& info)
{
    ByteReader in(bytes);
    in.seek(6);
    info.width = in.u16();
    info.height = in.u16();
    const uint8_t packed = in.u8();
    if (!in.ok())
        return false;
    info.bitsPerPixel = (packed & 7) + 1;
    info.paletteColors = (packed & 0x80) ? 1 << info.bitsPerPixel : 0;
    info.type = QStringLiteral("GIF");
    return true;
}

bool queryJpeg(QByteArrayView, ImageFileInfo& info)
{
    info.type = QStringLiteral("JPEG");
    info.bitsPerPixel = 24;
    return true;
}

QImage decodeWithQt(QByteArrayView bytes, const char* format)
{
    QByteArray copy = bytes.toByteArray();
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoTransform(false);
    reader.setAllocationLimit(int(kMaxDecodedPixels * 4 / (1024 * 1024)));
    const QSize size = reader.size();
    if (size.isValid() && !isPlausibleImageSize(size.width(), size.height()))
        return {};
    QImage image = reader.read();
    if (image.isNull() || !isPlausibleImageSize(image.width(), image.height()))
        return {};
    return image;
}

QImage decodeByType(const QString& type, QByteArrayView bytes)
{
    const QString name = type.toUpper();
    if (name == QLatin1String("BMP"))
        return dibToImage(bmpFileToDib(bytes));
    if (name == QLatin1String("PCX"))
        return decodePcx(bytes);
    if (name == QLatin1String("PNG") && bytes.startsWith("\x89PNG\r\n\x1a\n"))
        return decodeWithQt(bytes, "png");
    if (name == QLatin1String("TIFF") && (bytes.startsWith("II*") || bytes.startsWith("MM\0*")))
        return decodeWithQt(bytes, "tiff");
    return {};
}

} // namespace

bool queryImageBytes(QByteArrayView bytes, ImageFileInfo& info)
{
    info = ImageFileInfo();
    bool ok = false;
    if (bytes.startsWith("BM"))
        ok = queryBmp(bytes, info);
    else if (bytes.size() >= 4 && bytes[0] == 0x0A && bytes[2] == 1)
        ok = queryPcx(bytes, info);
    else if (bytes.startsWith("\x89PNG\r\n\x1a\n"))
        ok = queryPng(bytes, info);
    else if (bytes.startsWith("II*") || bytes.startsWith(QByteArrayView("MM\0*", 4)))
        ok = queryTiff(bytes, info);
    else if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"))
        ok = queryGif(bytes, info);
    else if (bytes.startsWith("\xFF\xD8\xFF"))
        ok = queryJpeg(bytes, info);
    if (!ok)
        info = ImageFileInfo();
    return ok;
}

bool queryImageFile(const QString& path, ImageFileInfo& info)
{
    QByteArray bytes;
    return readPictureFileBytes(path, bytes) && queryImageBytes(bytes, info);
}

bool loadImageAsDib(const QString& type, QByteArrayView bytes, int bitsPerPixel, QByteArray& dib)
{
    dib.clear();
    const QImage image = decodeByType(type, bytes);
    if (image.isNull())
        return false;
    dib = imageToDib(image, bitsPerPixel);
    return !dib.isEmpty();
}

bool loadImageFileAsDib(const QString& type, const QString& path, int bitsPerPixel, QByteArray& dib)
{
    QByteArray bytes;
    dib.clear();
    return readPictureFileBytes(path, bytes) && loadImageAsDib(type, bytes, bitsPerPixel, dib);
}

bool readPictureFileBytes(const QString& path, QByteArray& bytes)
{
    bytes.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    std::optional<QByteArray> read = readAtMost(file, kMaxPictureFileBytes);
    if (!read)
        return false;
    bytes = std::move(*read);
    return true;
}
