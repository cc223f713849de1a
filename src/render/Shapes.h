#pragma once
// Lines, boxes, round boxes and ellipses.

#include <QRect>
#include <cstdint>

class Canvas;
class ObjectData;

constexpr int kRoundBoxCorner = 38;  // surface pixels at every zoom

// frame: left and top of the object; width and height of its frame on the
// surface. Draws nothing for text or pictures.
void drawShape(Canvas& canvas, const QRect& frame, const ObjectData& object, int32_t zoom);
