#pragma once
// Painting a card (one region of a design) the way the design surface shows
// it: white card, margins rectangle, background picture inside the margins,
// the stock's shape overlay, grid dots, then every object in stacking order.

#include <QColor>
#include <QRect>
#include <QString>
#include <QTransform>
#include <functional>
#include <cstdint>

#include "render/DrawObject.h"

class Canvas;
class Picture;
class QPainter;
class Card;

class DesignObject;

struct CardPaintOptions {
    bool showGrid = true;     // also needs the card's own showGrid
    bool showMargins = true;
    QColor dotColor = Qt::black;
    bool skipNonPrinting = false;  // the print path leaves non-printing objects out
    // A printed region is drawn into its part of a cell: no white card under
    // it and no stock outline over it.
    bool paper = true;
    ElementContext context;
    // Where set, pictures (objects and the background) go through this
    // instead of being drawn directly: the print job shares one image per
    // picture for the whole run.
    std::function<void(QPainter&, const Picture&, const QRect&)> drawPicture;
    // Where set, draws each non-picture object instead of the object painter
    // (a stand-in for tests of the sheet arithmetic).
    std::function<void(QPainter&, const DesignObject&, const ElementContext&)> drawObject;

    // What a printed element is painted with: its numbers and data, printable
    // objects only, no grid, margins, card or outline.
    static CardPaintOptions forPrinting(const ElementContext& context);
};

// In design units: the card's top-left is the canvas's logical (0, 0) and the
// painter carries the zoom (see zoomTransform). Margins and grid dots are one
// device pixel wide at any zoom.
void paintCard(Canvas& canvas, const Card& card, const CardPaintOptions& options = {});

// The stock outline drawn over the card: 1 tall CD card, 2 wide CD card,
// 3 full-size CD; anything else draws nothing.
namespace StockOverlay {
constexpr int None = 0;
constexpr int CardHigh = 1;
constexpr int CardWide = 2;  // BaseImage1W
constexpr int FullDisc = 3;  // BaseImage2
}
void drawStockOverlay(Canvas& canvas, int overlay, const QRect& target);

// A zoom in percent as a painter's scale: design units to pixels.
QTransform zoomTransform(int32_t zoom);
// A length in design units shown at a zoom, in whole pixels (truncated).
int unitsAtZoom(int32_t units, int32_t zoom);
QRect rectAtZoom(const QRect& units, int32_t zoom);
QSize cardPixelSize(const Card& card, int32_t zoom);

// Picture objects and backgrounds, stretched into the rectangle.
void drawPictureInto(Canvas& canvas, const Picture& picture, const QRect& target);
