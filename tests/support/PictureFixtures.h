#pragma once
// Small picture files built in memory, so every test states its own pixels.

#include <QByteArray>
#include <QImage>
#include <QString>

// A PCX file of an indexed image (1 bit x 4 planes when the table has at most
// 16 colours, else 8 bits with the 256-colour palette at the end) or a
// 24-bit image (8 bits x 3 planes).
QByteArray makePcx(const QImage& image);
// Image bytes in a format Qt writes ("PNG", "TIFF", "BMP").
QByteArray encodeWithQt(const QImage& image, const char* format);
// A 16-bit Windows metafile with a placeable header: a 1000 x 500 unit
// window at 1000 units per inch, a red filled rectangle over its left half
// a blue line along the bottom and "Hi" in 100-unit Arial bold turned a
// quarter turn counter-clockwise at (700, 300).
QByteArray makeWmf();
// A two-colour test image: left half red, right half blue, top row green.
QImage makeTestImage(int width, int height);
bool writeBytes(const QString& path, const QByteArray& bytes);
// Records of an EMF as (type, offset) pairs.
QList<QPair<uint32_t, qsizetype>> emfRecords(const QByteArray& emf);
