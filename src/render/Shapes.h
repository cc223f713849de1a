#pragma once
// Lines, boxes, round boxes and ellipses.

#include <QRect>
#include <cstdint>

class Canvas;
class DesignObject;

constexpr int kRoundBoxCorner = 38;  // design units

// frame: the object's rectangle in design units. Draws nothing for text or
// pictures.
void drawShape(Canvas& canvas, const QRect& frame, const DesignObject& object);
