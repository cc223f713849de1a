#pragma once
// Painting a card (one region of a design) the way the design surface shows
// it: white card, margins rectangle, background picture inside the margins,
// the stock's shape overlay, grid dots, then every object in stacking order.

#include <QColor>
#include <QRect>
#include <QString>

#include "render/DrawObject.h"

class Canvas;
class Picture;
class QPainter;
class Card;

struct CardPaintOptions {
    bool showGrid = true;     // also needs the card's own showGrid
    bool showMargins = true;
    QColor dotColor = Qt::black;
    bool skipNonPrinting = false;  // the print path leaves non-printing objects out
    ElementContext context;
};

// The card's top-left is the canvas's logical (0, 0).
void paintCard(Canvas& canvas, const Card& card, const CardPaintOptions& options = {});

// The stock outline drawn over the card: 1 tall CD card, 2 wide CD card,
// 3 full-size CD; anything else draws nothing.
namespace StockOverlay {
constexpr int None = 0;
constexpr int CardHigh = 1;  // BaseImage1H
constexpr int CardWide = 2;  // BaseImage1W
constexpr int FullDisc = 3;  // BaseImage2
}
void drawStockOverlay(Canvas& canvas, int overlay, const QRect& target);

// Picture objects and backgrounds, stretched into the rectangle.
void drawPictureInto(Canvas& canvas, const Picture& picture, const QRect& target);
