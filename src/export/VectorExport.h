#pragma once
// A painted card as vector graphics: SVG (QSvgGenerator) and PDF (QPdfWriter).
// Text stays text and filled rectangles stay rectangles, so a bar code's
// modules keep their exact widths. Both carry the region's true size: the
// card is painted at a zoom, and zoom pixels are one inch.

#include <QByteArray>
#include <QPainter>
#include <QSize>
#include <functional>

// Empty when the picture cannot be drawn.
QByteArray encodeSvg(QSize pixelSize, int zoom, const std::function<void(QPainter&)>& paint);
// One page exactly the card's size (to the nearest point), without margins.
QByteArray encodePdf(QSize pixelSize, int zoom, const std::function<void(QPainter&)>& paint);
