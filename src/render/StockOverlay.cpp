// The three disc-label outlines, drawn as vectors over the card: grey areas
// that the stock does not cover and the centre hub.

#include <QPainter>
#include <QPainterPath>

#include "gdi/Canvas.h"
#include "render/CardPainter.h"

namespace {

const QColor kOverlayGrey(128, 128, 128);

// Sizes in inches, as the outlines are measured.
constexpr double kDiscSide = 4.6;
constexpr double kDiscHub = 1.6;
constexpr double kCardLong = 3.15;
constexpr double kCardShort = 2.4;
constexpr double kCardHub = 0.7;

void drawHub(QPainter& painter, const QRectF& box, double hubFractionX, double hubFractionY)
{
    const QPointF centre = box.center();
    const double rx = box.width() * hubFractionX / 2;
    const double ry = box.height() * hubFractionY / 2;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kOverlayGrey);
    painter.drawEllipse(centre, rx, ry);
}

void drawFullDisc(QPainter& painter, const QRectF& box)
{
    QPainterPath outside;
    outside.addRect(box);
    QPainterPath disc;
    disc.addEllipse(box);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kOverlayGrey);
    painter.drawPath(outside.subtracted(disc));
    QPen dashed(Qt::black);
    dashed.setCosmetic(true);
    dashed.setStyle(Qt::DashLine);
    painter.setPen(dashed);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(box);
    drawHub(painter, box, kDiscHub / kDiscSide, kDiscHub / kDiscSide);
}

// A card-shaped disc: the corners outside the circle whose diameter is the
// card's long side are not part of the stock.
void drawCardDisc(QPainter& painter, const QRectF& box, bool wide)
{
    // The circle's diameter is the long side; each axis is scaled with the box
    // so that a box of the card's proportions shows a true circle.
    const double stretch = kCardLong / kCardShort;
    const QPointF centre = box.center();
    const double rx = wide ? box.width() / 2 : box.width() / 2 * stretch;
    const double ry = wide ? box.height() / 2 * stretch : box.height() / 2;
    QPainterPath outside;
    outside.addRect(box);
    QPainterPath disc;
    disc.addEllipse(centre, rx, ry);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kOverlayGrey);
    painter.drawPath(outside.subtracted(disc));
    const double hubX = wide ? kCardHub / kCardLong : kCardHub / kCardShort;
    const double hubY = wide ? kCardHub / kCardShort : kCardHub / kCardLong;
    drawHub(painter, box, hubX, hubY);
}

} // namespace

void drawStockOverlay(Canvas& canvas, int overlay, const QRect& target)
{
    if (overlay != StockOverlay::CardHigh && overlay != StockOverlay::CardWide && overlay != StockOverlay::FullDisc)
        return;
    QPainter& painter = canvas.painter();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF box(target);
    if (overlay == StockOverlay::FullDisc)
        drawFullDisc(painter, box);
    else
        drawCardDisc(painter, box, overlay == StockOverlay::CardWide);
    painter.restore();
}
