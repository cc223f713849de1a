#pragma once
// What the fuzz targets that draw or load pictures need: a GUI application on
// the offscreen platform, and messages recorded instead of shown.

#include <QGuiApplication>

#include "system/Messages.h"

inline void startOffscreenApplication(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    static Messages::RecordingSink sink;
    Messages::install(&sink);
}
