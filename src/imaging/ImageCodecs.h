#pragma once
// Raster picture files as packed DIBs: a type query that reads the file's own
// signature (never its name), loaders for BMP, PCX, PNG and TIFF at a
// requested depth, and the quarter-turn rotation.

#include <QByteArray>
#include <QString>

struct ImageFileInfo {
    QString type;           // "BMP", "PCX", "PNG", "TIFF", "GIF", "JPEG" or empty
    int bitsPerPixel = 0;   // as the file stores it (1, 4, 8, 24, 32 ...)
    int paletteColors = 0;  // colours in the file's palette; 0 for true colour
    int width = 0;
    int height = 0;
};

// Reads the header of the file's bytes. False when the signature is unknown
// or the header is damaged.
bool queryImageBytes(QByteArrayView bytes, ImageFileInfo& info);
bool queryImageFile(const QString& path, ImageFileInfo& info);

// Loads a file of the named type ("BMP", "PCX", "PNG", "TIFF", any case) as a
// packed DIB of bitsPerPixel (1, 4, 8, 24 or 32; other values load as 24).
// False and an empty dib on any failure or another type.
bool loadImageAsDib(const QString& type, QByteArrayView bytes, int bitsPerPixel, QByteArray& dib);
bool loadImageFileAsDib(const QString& type, const QString& path, int bitsPerPixel, QByteArray& dib);

// Reads a whole picture file, refusing files larger than any picture we load.
bool readPictureFileBytes(const QString& path, QByteArray& bytes);
