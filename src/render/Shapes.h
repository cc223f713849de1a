#pragma once
// Lines, boxes, round boxes and ellipses.

#include <QRect>
#include <cstdint>

class Canvas;
class TObjectData;

constexpr int kRoundBoxCorner = 38;  // surface pixels at every zoom

// frame: left and top of the object; width and height of its frame on the
// surface. Draws nothing for text or pictures.
void DrawShape(Canvas& canvas, const QRect& frame, const TObjectData& object, int32_t zoom);
