#pragma once
// The bar codes libzint encodes for us: QR Code, Data Matrix, Code 128,
// GS1-128, PDF417 and USPS Intelligent Mail. libzint gives the symbol as
// rectangles on its module grid; we draw them as exact rectangles, one
// module barWidth design units wide, in the canvas's text colour.

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <optional>
#include <vector>

#include "render/BarCode.h"

bool isZintBarCodeType(int type);

struct ZintSymbol {
    std::vector<QRectF> bars;  // in modules, from the symbol's top-left
    QSizeF size;               // in modules
    QString humanText;         // what the symbol shows under its bars ("(01)0950..."); may be empty
    bool linear = false;       // bars that take the frame's height
};

// Empty when the text cannot be encoded in the type (wrong characters, too
// long, a GS1 text without application identifiers).
std::optional<ZintSymbol> encodeZintSymbol(const QString& text, int type);

bool drawZintBarCode(Canvas& canvas, const Edges& frame, const QString& text, const BarCodeOptions& options,
                     BarCodeGeometry* geometry);
