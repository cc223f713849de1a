#pragma once
// Text set one character at a time along a full, half or quarter circle
// inscribed in a frame, each character turned to follow the curve.

#include <QPoint>
#include <QString>
#include <vector>

#include "render/RenderMath.h"

class Canvas;

namespace ArcSubStyle {
constexpr int FullCircle = 0;
constexpr int HalfCircle = 1;
constexpr int QuarterCircle = 2;
}

struct ArcGlyph {
    QString character;
    QPoint origin;       // top-left of the turned character cell
    int escapement = 0;  // tenths of a degree, counter-clockwise
};

// The characters' places; empty when nothing is to be drawn (one character
// or fewer, or a frame too small for the font).
std::vector<ArcGlyph> layoutArcText(const Canvas& canvas, const Edges& frame, const QString& text, int subStyle,
                                    int startStep);
// Uses the canvas's current font and text colour; leaves the font as it was.
void drawArcText(Canvas& canvas, const Edges& frame, const QString& text, int subStyle, int startStep);
