#pragma once
// Bar codes of five symbologies: a module pattern per text ('2' full bar,
// '1' half bar, '0' space), drawn with optional human-readable digits and
// fitted into the object's frame at the zoom. Data that cannot be encoded
// shows a placeholder box with the word "Barcode".

#include <QRect>
#include <QString>
#include <cstdint>

class Canvas;

namespace BarCodeType {
constexpr int PostNet = 0;
constexpr int UpcA = 1;
constexpr int Code39 = 2;
constexpr int Ean8 = 3;
constexpr int Ean13 = 4;
}

struct BarCodePattern {
    bool ok = false;
    QString modules;     // empty when the encoding failed
    QString digits;      // the encoded digits with the check digit (UPC and EAN)
    int checkDigit = -1; // UPC, EAN and PostNet
    int moduleWidth = 0; // fixed by the symbology (PostNet), else 0
    int barHeight = 0;   // fixed by the symbology (PostNet), else 0
};

constexpr int kMaxPatternModules = 511;

BarCodePattern encodePostNet(const QString& text);
BarCodePattern encodeUpcA(const QString& text);
BarCodePattern encodeCode39(const QString& text);
BarCodePattern encodeEan(const QString& text, int length);  // 8 or 13
BarCodePattern encodeEan8(const QString& digits);            // 7 digits
BarCodePattern encodeEan13(const QString& digits);           // 12 digits
BarCodePattern encodeBarCode(const QString& text, int type);

// Where a drawn bar code landed: its destination rectangle on the canvas.
struct BarCodeGeometry {
    bool drawn = false;  // false: the placeholder was drawn
    QRect destination;
    int totalWidth = 0;  // TW in local units
    int barHeight = 0;
};

// justification: 0 left, 1 centre, 2 right. barWidth is the module width in
// design units at zoom 100 (0 or less counts as 2).
bool drawBarCode(Canvas& canvas, int left, int top, int right, int bottom, const QString& text, int type,
                 unsigned justification, bool drawBars, bool drawText, int32_t zoom, int barWidth,
                 BarCodeGeometry* geometry = nullptr);
