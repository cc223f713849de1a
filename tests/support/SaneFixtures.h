#pragma once
// SANE's "test" backend for the scanner tests: a dll.conf naming only that
// backend (tests/desktop/sane), and the scan of its colour pattern.

#include <QByteArray>

#include "desktop/Scanner.h"

inline void useSaneTestBackend() { qputenv("SANE_CONFIG_DIR", STICKWELL_SOURCE_DIR "/tests/desktop/sane"); }

// Device test:0, colour, 75 dpi: 236 × 295 pixels of grey lines between
// blocks of full red, green and blue.
// The test backend's reader thread is stopped with an asynchronous cancel
// when a scan ends early; cancelled inside malloc it can leave the heap
// locked and hang the process. A frame small enough to fit the backend's
// pipe lets the reader finish before a failing scan is ended.
inline void makeSaneFrameSmall(ScanRequest& request)
{
    request.options.push_back({QStringLiteral("br-x"), QStringLiteral("15")});
    request.options.push_back({QStringLiteral("br-y"), QStringLiteral("15")});
}

inline ScanRequest saneColourPattern()
{
    ScanRequest request;
    request.device = QStringLiteral("test:0");
    request.mode = QStringLiteral("Color");
    request.resolution = 75;
    request.options = {{QStringLiteral("test-picture"), QStringLiteral("Color pattern")}};
    return request;
}
