#pragma once
// PCX files (ZSoft run-length encoded): 1-bit mono, 1-bit x 4 planes (16
// colours), 2/4-bit, 8-bit with the 256-colour palette at the end, and 24-bit
// (8 bits x 3 planes). Input is hostile: any inconsistency gives a null image.

#include <QByteArrayView>
#include <QImage>

struct PcxHeader {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;   // per plane
    int planes = 0;
    int bytesPerLine = 0;
    int paletteColors() const;  // 0 for 24-bit
    int totalBits() const { return bitsPerPixel * planes; }
};

bool readPcxHeader(QByteArrayView bytes, PcxHeader& header);
// Indexed images keep the file's palette; 24-bit files give RGB32.
QImage decodePcx(QByteArrayView bytes);
