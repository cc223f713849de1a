#pragma once
// Packed device-independent bitmaps: one block holding a BITMAPINFOHEADER
// (40 bytes), the colour table (blue, green, red, reserved) and the pixel rows
// (bottom-up, each padded to 4 bytes). Readers treat the block as hostile.

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>

struct DibDescription {
    bool ok = false;
    qint64 totalSize = 0;   // header + table + pixel rows as the header states them
    int width = 0;
    int height = 0;         // as stored: negative for top-down rows
    int tableEntries = 0;   // 2, 16 or 256 for 1, 4, 8 bits per pixel, else 0
    int bitsPerPixel = 0;
};

// Header facts; ok is false when the block is too short for a header.
DibDescription describeDib(QByteArrayView dib);

// True when the block's header, table and rows are consistent enough to decode.
bool isUsableDib(QByteArrayView dib);

// Pixels of a packed DIB (BI_RGB 1/4/8/16/24/32, BI_BITFIELDS, RLE4/RLE8);
// a null image when the block is damaged or implausibly large.
QImage dibToImage(QByteArrayView dib);

// Packed DIB of an image at 1, 4, 8, 24 or 32 bits per pixel. Deeper images
// asked for 8 bits or fewer are reduced with reduceColors.
QByteArray imageToDib(const QImage& image, int bitsPerPixel);

// The image with at most maxColors colours (2, 16 or 256) as an indexed
// image: the image's own colours when it has few enough, otherwise a palette
// chosen from its colours (median cut) with error-diffusion dithering.
QImage reduceColors(const QImage& image, int maxColors);
// The image without alpha, composed on white.
QImage flattenOnWhite(const QImage& image);

// A complete BMP file for a packed DIB (file header with the real size and
// pixel offset), and the packed DIB inside a BMP file.
QByteArray dibToBmpFile(QByteArrayView dib);
QByteArray bmpFileToDib(QByteArrayView bmpFile);

// The DIB turned a quarter turn clockwise (as seen on screen: the top row
// becomes the right column), at the same depth and palette. Empty on failure.
QByteArray rotateDibQuarterTurn(QByteArrayView dib);

// The largest picture any of our decoders will allocate for.
constexpr qint64 kMaxDecodedPixels = 64ll * 1024 * 1024;
constexpr int kMaxDecodedSide = 32768;
bool isPlausibleImageSize(qint64 width, qint64 height);
