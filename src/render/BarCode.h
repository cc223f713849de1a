#pragma once
// Bar codes of five symbologies: a module pattern per text ('2' full bar,
// '1' half bar, '0' space), drawn with optional human-readable digits and
// fitted into the object's frame at the zoom. Data that cannot be encoded
// shows a placeholder box with the word "Barcode".

#include <QRect>
#include <QString>
#include <cstdint>

#include "render/RenderMath.h"

class Canvas;

namespace BarCodeType {
constexpr int PostNet = 0;
constexpr int UpcA = 1;
constexpr int Code39 = 2;
constexpr int Ean8 = 3;
constexpr int Ean13 = 4;
// Encoded by libzint (ZintBarCode.h) and drawn from its module rectangles.
constexpr int QrCode = 5;
constexpr int DataMatrix = 6;
constexpr int Code128 = 7;
constexpr int Gs1_128 = 8;  // application identifiers in brackets: "[01]09501101530003"
constexpr int Pdf417 = 9;
constexpr int UspsIntelligentMail = 10;  // 20 tracking digits, then 0, 5, 9 or 11 routing digits
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
// The module width of a bar width of 0 or less, and the room between bars and text.
constexpr int kDefaultBarCodeModuleWidth = 2;
constexpr int kBarCodeTextGap = 2;

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

// How a bar code is drawn: its symbology, where it sits in its frame, which
// of its parts show and how wide its modules are.
struct BarCodeOptions {
    int type = BarCodeType::PostNet;
    unsigned justification = 0;  // 0 left, 1 centre, 2 right
    bool drawBars = true;
    bool drawText = true;
    int32_t zoom = 100;
    int barWidth = 2;  // module width in design units at zoom 100 (0 or less counts as 2)
};

// Draws text as a bar code in the canvas's font and text colour. Returns
// false when the text cannot be encoded and the placeholder was drawn instead.
// barWidth is the module width of every kind but PostNet (whose own is fixed).
bool drawBarCode(Canvas& canvas, const Edges& frame, const QString& text, const BarCodeOptions& options,
                 BarCodeGeometry* geometry = nullptr);
// What is drawn for text a bar code cannot encode: a box with the word "Barcode".
void drawBarCodePlaceholder(Canvas& canvas, const Edges& frame);
