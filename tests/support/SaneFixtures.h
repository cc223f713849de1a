#pragma once
// SANE's "test" backend for the scanner tests: a dll.conf naming only that
// backend (tests/system/sane), and the scan of its colour pattern.

#include <QByteArray>

#include "system/Scanner.h"

inline void useSaneTestBackend() { qputenv("SANE_CONFIG_DIR", STICKWELL_SOURCE_DIR "/tests/system/sane"); }

// Device test:0, colour, 75 dpi: 236 × 295 pixels of grey lines between
// blocks of full red, green and blue.
inline ScanRequest saneColourPattern()
{
    ScanRequest request;
    request.device = QStringLiteral("test:0");
    request.mode = QStringLiteral("Color");
    request.resolution = 75;
    request.options = {{QStringLiteral("test-picture"), QStringLiteral("Color pattern")}};
    return request;
}
