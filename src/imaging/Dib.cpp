#include "imaging/Dib.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <vector>

#include "base/ByteStream.h"

namespace {

constexpr uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3;
constexpr int kInfoHeaderSize = 40;

// Everything a decoder needs from the header, with the offsets of the table
// and the pixels inside the block.
struct DibLayout {
    int width = 0;
    int height = 0;  // always positive here; topDown says which way rows run
    bool topDown = false;
    int bitsPerPixel = 0;
    uint32_t compression = kBiRgb;
    int storedTableEntries = 0;  // entries present in the block
    qsizetype tableOffset = 0;
    qsizetype pixelOffset = 0;
    uint32_t masks[3] = {0, 0, 0};
    int tableEntrySize = 4;  // 3 in the old core header
};

qint64 strideFor(int bitsPerPixel, int width)
{
    return ((qint64(bitsPerPixel) * width + 31) / 32) * 4;
}

bool readLayout(QByteArrayView dib, DibLayout& layout)
{
    ByteReader in(dib);
    const uint32_t headerSize = in.u32();
    if (!in.ok())
        return false;
    int64_t width = 0, height = 0;
    uint32_t clrUsed = 0;
    if (headerSize == 12) {
        width = in.u16();
        height = in.i16();
        in.u16();  // planes
        layout.bitsPerPixel = in.u16();
    } else if (headerSize >= 40 && headerSize <= 124) {
        width = in.i32();
        height = in.i32();
        in.u16();
        layout.bitsPerPixel = in.u16();
        layout.compression = in.u32();
        in.skip(12);  // image size, resolution
        clrUsed = in.u32();
        in.u32();
        if (headerSize >= 52) {
            layout.masks[0] = in.u32();
            layout.masks[1] = in.u32();
            layout.masks[2] = in.u32();
        }
    } else {
        return false;
    }
    if (!in.ok())
        return false;
    layout.topDown = height < 0;
    height = std::abs(height);
    if (!isPlausibleImageSize(width, height))
        return false;
    layout.width = int(width);
    layout.height = int(height);
    const int bpp = layout.bitsPerPixel;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        return false;
    if (clrUsed > 256)
        return false;
    const int fullTable = bpp <= 8 ? (1 << bpp) : 0;
    layout.storedTableEntries = clrUsed ? int(clrUsed) : fullTable;
    layout.tableEntrySize = headerSize == 12 ? 3 : 4;
    layout.tableOffset = headerSize;
    if (headerSize == 40 && layout.compression == kBiBitfields) {
        ByteReader masks(dib);
        masks.seek(40);
        layout.masks[0] = masks.u32();
        layout.masks[1] = masks.u32();
        layout.masks[2] = masks.u32();
        if (!masks.ok())
            return false;
        layout.tableOffset += 12;
    }
    layout.pixelOffset = layout.tableOffset + qsizetype(layout.storedTableEntries) * layout.tableEntrySize;
    const bool rle = layout.compression == kBiRle8 || layout.compression == kBiRle4;
    if (layout.compression == kBiBitfields && bpp != 16 && bpp != 32)
        return false;
    if ((layout.compression == kBiRle8 && bpp != 8) || (layout.compression == kBiRle4 && bpp != 4))
        return false;
    if (layout.compression > kBiBitfields)
        return false;
    if (rle && layout.topDown)
        return false;
    if (layout.pixelOffset > dib.size())
        return false;
    if (!rle && strideFor(bpp, layout.width) * layout.height > dib.size() - layout.pixelOffset)
        return false;
    return true;
}

QList<QRgb> readColorTable(QByteArrayView dib, const DibLayout& layout)
{
    QList<QRgb> table;
    ByteReader in(dib);
    in.seek(layout.tableOffset);
    const int used = 1 << layout.bitsPerPixel;
    for (int i = 0; i < layout.storedTableEntries; ++i) {
        const uint8_t b = in.u8(), g = in.u8(), r = in.u8();
        if (layout.tableEntrySize == 4)
            in.u8();
        if (i < used)
            table.append(qRgb(r, g, b));
    }
    // Indices past the stored table must still name a colour.
    while (table.size() < used)
        table.append(qRgb(0, 0, 0));
    return table;
}

int maskShift(uint32_t mask)
{
    int shift = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

int scaleMasked(uint32_t value, uint32_t mask)
{
    if (!mask)
        return 0;
    const uint32_t field = (value & mask) >> maskShift(mask);
    const uint32_t max = mask >> maskShift(mask);
    return int((uint64_t(field) * 255 + max / 2) / max);
}

void decodeRgbRows(QByteArrayView dib, const DibLayout& layout, QImage& image)
{
    const qint64 stride = strideFor(layout.bitsPerPixel, layout.width);
    uint32_t masks[3] = {layout.masks[0], layout.masks[1], layout.masks[2]};
    if (layout.compression != kBiBitfields) {
        if (layout.bitsPerPixel == 16) {
            masks[0] = 0x7C00; masks[1] = 0x03E0; masks[2] = 0x001F;
        } else {
            masks[0] = 0xFF0000; masks[1] = 0xFF00; masks[2] = 0xFF;
        }
    }
    for (int row = 0; row < layout.height; ++row) {
        const auto* src = reinterpret_cast<const uint8_t*>(dib.data() + layout.pixelOffset + row * stride);
        const int y = layout.topDown ? row : layout.height - 1 - row;
        uchar* dst = image.scanLine(y);
        auto* dstRgb = reinterpret_cast<QRgb*>(dst);
        for (int x = 0; x < layout.width; ++x) {
            switch (layout.bitsPerPixel) {
            case 1: dst[x] = (src[x >> 3] >> (7 - (x & 7))) & 1; break;
            case 4: dst[x] = (x & 1) ? (src[x >> 1] & 0x0F) : (src[x >> 1] >> 4); break;
            case 8: dst[x] = src[x]; break;
            case 24: dstRgb[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]); break;
            case 16:
            case 32: {
                const uint32_t v = layout.bitsPerPixel == 16
                                       ? uint32_t(src[2 * x] | (src[2 * x + 1] << 8))
                                       : uint32_t(src[4 * x] | (src[4 * x + 1] << 8) | (src[4 * x + 2] << 16) |
                                                  (uint32_t(src[4 * x + 3]) << 24));
                dstRgb[x] = qRgb(scaleMasked(v, masks[0]), scaleMasked(v, masks[1]), scaleMasked(v, masks[2]));
                break;
            }
            }
        }
    }
}

// Run-length encoded 4- and 8-bit rows (bottom-up). Runs that leave the
// picture are clipped; a damaged stream simply ends the picture.
void decodeRle(QByteArrayView dib, const DibLayout& layout, QImage& image)
{
    ByteReader in(dib);
    in.seek(layout.pixelOffset);
    const bool four = layout.compression == kBiRle4;
    int x = 0, row = 0;
    auto put = [&](int index) {
        if (x < layout.width && row < layout.height)
            image.scanLine(layout.height - 1 - row)[x] = uchar(index);
        ++x;
    };
    while (in.ok() && !in.atEnd() && row < layout.height) {
        const int count = in.u8();
        const int value = in.u8();
        if (!in.ok())
            break;
        if (count > 0) {
            for (int i = 0; i < count && x < layout.width; ++i)
                put(four ? ((i & 1) ? (value & 0x0F) : (value >> 4)) : value);
            continue;
        }
        if (value == 0) {  // end of line
            x = 0;
            ++row;
        } else if (value == 1) {  // end of bitmap
            break;
        } else if (value == 2) {  // delta
            x += in.u8();
            row += in.u8();
        } else {  // absolute run of `value` pixels, padded to 16 bits
            const int bytes = four ? (value + 1) / 2 : value;
            QByteArrayView run = in.view(bytes);
            if (!in.ok())
                break;
            for (int i = 0; i < value; ++i) {
                const auto b = uint8_t(run[four ? i / 2 : i]);
                put(four ? ((i & 1) ? (b & 0x0F) : (b >> 4)) : b);
            }
            if (bytes & 1)
                in.skip(1);
        }
    }
}

void writeInfoHeader(ByteWriter& out, int width, int height, int bitsPerPixel, qint64 imageSize)
{
    out.u32(kInfoHeaderSize);
    out.i32(width);
    out.i32(height);
    out.u16(1);
    out.u16(uint16_t(bitsPerPixel));
    out.u32(kBiRgb);
    out.u32(uint32_t(imageSize));
    out.i32(3780);  // 96 dpi in pixels per metre
    out.i32(3780);
    out.u32(0);
    out.u32(0);
}

} // namespace

QImage flattenOnWhite(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    painter.end();
    return flat;
}

bool isPlausibleImageSize(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width <= kMaxDecodedSide && height <= kMaxDecodedSide &&
           width * height <= kMaxDecodedPixels;
}

DibDescription describeDib(QByteArrayView dib)
{
    DibDescription d;
    ByteReader in(dib);
    const uint32_t headerSize = in.u32();
    if (headerSize == 12) {
        d.width = in.u16();
        d.height = in.i16();
        in.u16();
        d.bitsPerPixel = in.u16();
    } else {
        d.width = in.i32();
        d.height = in.i32();
        in.u16();
        d.bitsPerPixel = in.u16();
    }
    uint32_t clrUsed = 0;
    if (headerSize >= 40) {
        in.skip(16);
        clrUsed = in.u32();
    }
    // A header whose picture could not exist describes nothing usable.
    const int bpp = d.bitsPerPixel;
    const bool knownDepth = bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
    if (!in.ok() || headerSize < 12 || !knownDepth || !isPlausibleImageSize(d.width, std::abs(qint64(d.height))))
        return {};
    d.ok = true;
    const int fullTable = d.bitsPerPixel == 1 ? 2 : d.bitsPerPixel == 4 ? 16 : d.bitsPerPixel == 8 ? 256 : 0;
    // A smaller non-zero colours-used count is the table actually stored.
    d.tableEntries = (fullTable && clrUsed && clrUsed < uint32_t(fullTable)) ? int(clrUsed) : fullTable;
    d.totalSize = strideFor(d.bitsPerPixel, d.width) * std::abs(qint64(d.height)) + 4ll * d.tableEntries + 40;
    return d;
}

bool isUsableDib(QByteArrayView dib)
{
    DibLayout layout;
    return readLayout(dib, layout);
}

QImage dibToImage(QByteArrayView dib)
{
    DibLayout layout;
    if (!readLayout(dib, layout))
        return {};
    const bool indexed = layout.bitsPerPixel <= 8;
    QImage image(layout.width, layout.height, indexed ? QImage::Format_Indexed8 : QImage::Format_RGB32);
    if (image.isNull())
        return {};
    if (indexed)
        image.setColorTable(readColorTable(dib, layout));
    if (layout.compression == kBiRle8 || layout.compression == kBiRle4) {
        image.fill(0);
        decodeRle(dib, layout, image);
    } else {
        decodeRgbRows(dib, layout, image);
    }
    return image;
}

QByteArray imageToDib(const QImage& image, int bitsPerPixel)
{
    if (image.isNull())
        return {};
    if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 32)
        bitsPerPixel = 24;
    const int w = image.width(), h = image.height();
    const qint64 stride = strideFor(bitsPerPixel, w);
    QImage source;
    QList<QRgb> table;
    if (bitsPerPixel <= 8) {
        source = reduceColors(image, 1 << bitsPerPixel);
        if (source.isNull())
            return {};
        table = source.colorTable();
        table.resize(1 << bitsPerPixel, qRgb(0, 0, 0));
    } else {
        source = flattenOnWhite(image);
    }
    QByteArray dib;
    dib.reserve(qsizetype(kInfoHeaderSize + table.size() * 4 + stride * h));
    ByteWriter out(dib);
    writeInfoHeader(out, w, h, bitsPerPixel, stride * h);
    for (QRgb c : table) {
        out.u8(uint8_t(qBlue(c)));
        out.u8(uint8_t(qGreen(c)));
        out.u8(uint8_t(qRed(c)));
        out.u8(0);
    }
    QByteArray row(qsizetype(stride), '\0');
    for (int y = h - 1; y >= 0; --y) {
        row.fill('\0');
        auto* dst = reinterpret_cast<uint8_t*>(row.data());
        const uchar* src = source.constScanLine(y);
        const auto* srcRgb = reinterpret_cast<const QRgb*>(src);
        for (int x = 0; x < w; ++x) {
            switch (bitsPerPixel) {
            case 1: dst[x >> 3] |= uint8_t((src[x] & 1) << (7 - (x & 7))); break;
            case 4: dst[x >> 1] |= uint8_t((x & 1) ? (src[x] & 0x0F) : (src[x] << 4)); break;
            case 8: dst[x] = src[x]; break;
            case 24:
                dst[3 * x] = uint8_t(qBlue(srcRgb[x]));
                dst[3 * x + 1] = uint8_t(qGreen(srcRgb[x]));
                dst[3 * x + 2] = uint8_t(qRed(srcRgb[x]));
                break;
            case 32:
                dst[4 * x] = uint8_t(qBlue(srcRgb[x]));
                dst[4 * x + 1] = uint8_t(qGreen(srcRgb[x]));
                dst[4 * x + 2] = uint8_t(qRed(srcRgb[x]));
                break;
            }
        }
        out.bytes(row);
    }
    return dib;
}

QByteArray dibToBmpFile(QByteArrayView dib)
{
    DibLayout layout;
    if (!readLayout(dib, layout))
        return {};
    QByteArray file;
    ByteWriter out(file);
    out.u16(0x4D42);
    out.u32(uint32_t(14 + dib.size()));
    out.u32(0);
    out.u32(uint32_t(14 + layout.pixelOffset));
    out.bytes(dib);
    return file;
}

QByteArray bmpFileToDib(QByteArrayView bmpFile)
{
    ByteReader in(bmpFile);
    if (in.u16() != 0x4D42)
        return {};
    in.skip(8);
    const uint32_t pixelOffset = in.u32();
    if (!in.ok())
        return {};
    QByteArrayView body = bmpFile.sliced(14);
    DibLayout layout;
    if (!readLayout(body, layout))
        return {};
    // Some writers leave a gap between the colour table and the pixels.
    const qint64 packedOffset = 14 + layout.pixelOffset;
    if (pixelOffset > packedOffset && pixelOffset < uint64_t(bmpFile.size())) {
        QByteArray dib = body.first(layout.pixelOffset).toByteArray();
        dib.append(bmpFile.sliced(pixelOffset).toByteArray());
        if (!readLayout(dib, layout))
            return {};
        return dib;
    }
    return body.toByteArray();
}

QByteArray rotateDibQuarterTurn(QByteArrayView dib)
{
    const QImage source = dibToImage(dib);
    if (source.isNull())
        return {};
    // Qt's quarter turn keeps the format (and colour table) of indexed
    // images; on our y-down surface +90 degrees is clockwise.
    const QImage rotated = source.transformed(QTransform().rotate(90));
    if (rotated.isNull() || rotated.size() != source.size().transposed())
        return {};
    int bitsPerPixel = describeDib(dib).bitsPerPixel;
    if (bitsPerPixel == 16)
        bitsPerPixel = 24;
    return imageToDib(rotated, bitsPerPixel);
}
