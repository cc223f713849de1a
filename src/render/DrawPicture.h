#pragma once
// Pictures on a surface: drawing a picture stretched into a rectangle, and the
// packed-DIB conversions the print path and the picture editor use. A packed
// DIB is one block: BITMAPINFOHEADER, colour table, pixel rows (bottom-up).
// Every operation fails quietly (an empty result, nothing drawn).

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QVector>
#include <QRgb>

#include "imaging/Dib.h"
#include "imaging/Picture.h"

class QPainter;

// Plays a metafile stretched into rect; draws a bitmap or JPEG through a DIB
// with stretchDrawDib. An empty picture draws nothing.
void drawPicture(QPainter& surface, const Picture& picture, const QRect& rect);

// Packed DIB of a bitmap or JPEG picture at the picture's own depth (JPEG: 24
// bits); empty for metafiles and empty pictures.
QByteArray pictureToDib(const Picture& picture);

// Bitmap picture from a packed DIB; takes the block (it is cleared on every
// path). An empty picture when the block is not a usable DIB.
Picture dibToBitmap(QByteArray&& dib);

// The palette a DIB would realise on a palette-based device: only 1, 4 and 8
// bit DIBs have one (colours-used entries, or the full table when that is 0).
// Our surfaces are never palette-based, so drawing does not need it.
QVector<QRgb> makeDibPalette(const QByteArray& dib);

// Copies the whole DIB stretched into target, dropping rows and columns when
// shrinking (no blending); a negative width or height mirrors. Our surfaces
// are true colour, so no palette is involved.
void stretchDrawDib(QPainter& surface, const QByteArray& dib, const QRect& target);
// The last step of it: the image stretched into a target of positive extents.
void stretchDrawImage(QPainter& surface, const QImage& image, const QRect& target);

// Width, height, table entries and total size of a packed DIB.
DibDescription dibInfo(const QByteArray& dib);

// The bitmap turned a quarter turn clockwise (see rotateDibQuarterTurn); an
// empty picture when there is nothing to rotate.
Picture rotatePicture(const Picture& bitmap);
