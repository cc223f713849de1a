#pragma once
// Helpers of the rendering tests: a white image with a canvas over it, and
// bounding boxes of the pixels that match a colour test.

#include <QImage>
#include <QPainter>
#include <functional>
#include <memory>
#include <ostream>

#include "gdi/Canvas.h"

struct TestSurface {
    // The canvas is in design units shown at the zoom, as a design window shows them.
    explicit TestSurface(int width = 400, int height = 300, int zoom = 100) : image(width, height, QImage::Format_RGB32)
    {
        image.fill(Qt::white);
        painter = std::make_unique<QPainter>(&image);
        painter->scale(zoom / 100.0, zoom / 100.0);
        canvas = std::make_unique<Canvas>(*painter);
    }
    // Ends painting so the pixels can be read.
    const QImage& done()
    {
        canvas.reset();
        if (painter)
            painter->end();
        painter.reset();
        return image;
    }

    QImage image;
    std::unique_ptr<QPainter> painter;
    std::unique_ptr<Canvas> canvas;
};

inline bool isRedish(QRgb c) { return qRed(c) > 160 && qGreen(c) < 120 && qBlue(c) < 120; }
inline bool isBlueish(QRgb c) { return qBlue(c) > 160 && qRed(c) < 120 && qGreen(c) < 120; }
inline bool isDark(QRgb c) { return qGray(c) < 100; }
inline bool isWhite(QRgb c) { return qRed(c) > 240 && qGreen(c) > 240 && qBlue(c) > 240; }

// Smallest rectangle holding every pixel that passes the test (null when none).
inline QRect pixelBounds(const QImage& image, const std::function<bool(QRgb)>& test)
{
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (test(image.pixel(x, y))) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// Readable QStrings in test failures.
inline void printTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
