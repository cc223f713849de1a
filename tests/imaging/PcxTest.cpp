#include <gtest/gtest.h>

#include "base/ByteStream.h"
#include "imaging/ImageCodecs.h"
#include "imaging/Pcx.h"

namespace {

// One-row PCX with the given layout; every data byte is below 0xC0 so it is
// stored as itself. The header palette holds entry i = (i*16, 255-i*16, i).
QByteArray onePixelRowPcx(int bitsPerPixel, int planes, int width, QByteArray row, bool vgaPalette = false)
{
    QByteArray file;
    ByteWriter out(file);
    out.u8(0x0A);
    out.u8(5);
    out.u8(1);
    out.u8(uint8_t(bitsPerPixel));
    out.u16(0);
    out.u16(0);
    out.u16(uint16_t(width - 1));
    out.u16(0);
    out.u16(72);
    out.u16(72);
    for (int i = 0; i < 16; ++i) {
        out.u8(uint8_t(i * 16));
        out.u8(uint8_t(255 - i * 16));
        out.u8(uint8_t(i));
    }
    out.u8(0);
    out.u8(uint8_t(planes));
    out.u16(uint16_t(row.size() / planes));
    out.zeros(128 - file.size());
    out.bytes(row);
    if (vgaPalette) {
        out.u8(0x0C);
        for (int i = 0; i < 256; ++i) {
            out.u8(uint8_t(i));
            out.u8(0);
            out.u8(uint8_t(255 - i));
        }
    }
    return file;
}

TEST(Pcx, EveryLayoutDecodes)
{
    const struct {
        const char* name;
        QByteArray file;
        int paletteColors;
        QList<QRgb> pixels;
    } cases[] = {
        {"mono", onePixelRowPcx(1, 1, 4, QByteArray("\xA0\x00", 2)), 2,
         {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(0, 0, 0)}},
        {"2 bits", onePixelRowPcx(2, 1, 4, QByteArray("\x1B\x00", 2)), 4,
         {qRgb(0, 255, 0), qRgb(16, 239, 1), qRgb(32, 223, 2), qRgb(48, 207, 3)}},
        {"4 bits packed", onePixelRowPcx(4, 1, 2, QByteArray("\x1F\x00", 2)), 16,
         {qRgb(16, 239, 1), qRgb(240, 15, 15)}},
        {"16 colours in planes", onePixelRowPcx(1, 4, 2, QByteArray("\x80\x00\x40\x00\x00\x00\x00\x00", 8)), 16,
         {qRgb(16, 239, 1), qRgb(32, 223, 2)}},
        {"8 bits, palette at the end", onePixelRowPcx(8, 1, 2, QByteArray("\x05\x80", 2), true), 256,
         {qRgb(5, 0, 250), qRgb(128, 0, 127)}},
        {"8 bits, no palette: grey", onePixelRowPcx(8, 1, 2, QByteArray("\x05\x80", 2)), 256,
         {qRgb(5, 5, 5), qRgb(128, 128, 128)}},
        {"24 bits", onePixelRowPcx(8, 3, 2, QByteArray("\x10\x20\x30\x40\x50\x60", 6)), 0,
         {qRgb(16, 48, 80), qRgb(32, 64, 96)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ImageFileInfo info;
        ASSERT_TRUE(queryImageBytes(c.file, info));
        EXPECT_EQ(info.type, "PCX");
        EXPECT_EQ(info.paletteColors, c.paletteColors);
        const QImage image = decodePcx(c.file);
        ASSERT_EQ(image.size(), QSize(int(c.pixels.size()), 1));
        for (int x = 0; x < c.pixels.size(); ++x)
            EXPECT_EQ(image.pixel(x, 0), c.pixels[x]) << x;
    }
}

TEST(Pcx, InconsistentHeadersAreRefused)
{
    const QByteArray good = onePixelRowPcx(8, 1, 2, QByteArray("\x05\x80", 2));
    const struct {
        const char* name;
        qsizetype offset;
        uint8_t value;
    } cases[] = {
        {"not ZSoft", 0, 0x0B},        {"unknown encoding", 2, 0},   {"3 bits per pixel", 3, 3},
        {"two 8-bit planes", 65, 2},   {"line shorter than the row", 66, 1},
        {"right edge before the left", 8, 0xFF},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray damaged = good;
        if (c.offset == 8) {  // xmin after xmax
            ByteWriter(damaged).patchU32(4, 5);
            EXPECT_TRUE(decodePcx(damaged).isNull());
            continue;
        }
        damaged[c.offset] = char(c.value);
        EXPECT_TRUE(decodePcx(damaged).isNull());
    }
    EXPECT_TRUE(decodePcx(good.left(129)).isNull());  // rows cut short
}

} // namespace
