#pragma once
// The open dialog's preview of a design file.

#include <QRect>
#include <QString>

class Canvas;

// Draws the file's first region scaled to the rectangle's width. False when
// the file is not a readable design.
bool drawDesignPreview(const QString& fileName, Canvas& canvas, const QRect& rect);
