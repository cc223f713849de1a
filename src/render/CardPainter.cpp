#include "render/CardPainter.h"

#include <QPainter>

#include "model/Card.h"
#include "model/DesignObject.h"
#include "model/Units.h"
#include "gdi/Canvas.h"
#include "render/DrawPicture.h"


namespace {

constexpr int kMinGridStep = 2;

// The margins guide and the grid dots are drawn in device pixels, one pixel
// wide and placed as the card's pixels fall at the zoom (truncated), so they
// look the same at every zoom and never blur between two pixels.
struct DeviceScale {
    double sx = 1, sy = 1;
    int dx = 0, dy = 0;
    explicit DeviceScale(const QTransform& t) : sx(t.m11()), sy(t.m22()), dx(int(t.dx())), dy(int(t.dy())) {}
    int x(int64_t units) const { return dx + truncToInt32(units * (long double)sx); }
    int y(int64_t units) const { return dy + truncToInt32(units * (long double)sy); }
    int w(int64_t units) const { return truncToInt32(units * (long double)sx); }
    int h(int64_t units) const { return truncToInt32(units * (long double)sy); }
};

void drawMargins(Canvas& canvas, const Card& card)
{
    const Card::MarginEdges inside = card.marginEdges();
    QPainter& painter = canvas.painter();
    const DeviceScale device(painter.transform());
    painter.save();
    painter.resetTransform();
    canvas.setPen({Qt::black, 1, CanvasPen::Style::Dot});
    canvas.setBrush({Qt::white, CanvasBrush::Style::Null});
    canvas.rectangle(device.x(inside.left) - 1, device.y(inside.top) - 1, device.x(inside.right) + 1,
                     device.y(inside.bottom) + 1);
    painter.restore();
}

void drawGrid(Canvas& canvas, const Card& card, const QColor& color)
{
    QPainter& painter = canvas.painter();
    const DeviceScale device(painter.transform());
    const int stepX = device.w(card.gridX), stepY = device.h(card.gridY);
    // Dots closer than two pixels would only grey the card.
    if (stepX < kMinGridStep || stepY < kMinGridStep)
        return;
    const int width = device.w(card.regionWidth()), height = device.h(card.regionHeight());
    // One row of dots per call: a large card at a high zoom has millions.
    painter.save();
    painter.resetTransform();
    QPen dot(color);
    dot.setCosmetic(true);
    dot.setWidth(0);
    painter.setPen(dot);
    QVector<QPoint> row;
    row.reserve(width / stepX + 1);
    for (int y = 1; y < height; y += stepY) {
        row.clear();
        for (int x = 1; x < width; x += stepX)
            row.append(QPoint(device.dx + x, device.dy + y));
        painter.drawPoints(row.constData(), int(row.size()));
    }
    painter.restore();
}

void drawPictureWith(Canvas& canvas, const Picture& picture, const QRect& target, const CardPaintOptions& options)
{
    if (picture.isEmpty())
        return;
    if (options.drawPicture) {
        // Monochrome bitmaps take their colours from the pen and background.
        QPainter& painter = canvas.painter();
        painter.save();
        painter.setPen(Qt::black);
        painter.setBackground(Qt::white);
        painter.setBackgroundMode(Qt::OpaqueMode);
        options.drawPicture(painter, picture, target);
        painter.restore();
    } else {
        drawPictureInto(canvas, picture, target);
    }
}

void drawObject(Canvas& canvas, const DesignObject& object, const CardPaintOptions& options)
{
    if (object.isPicture())
        drawPictureWith(canvas, object.picture, object.rect(), options);
    else if (options.drawObject)
        options.drawObject(canvas.painter(), object, options.context);
    else
        drawDesignObject(canvas, object, options.context);
}

} // namespace

void drawPictureInto(Canvas& canvas, const Picture& picture, const QRect& target)
{
    drawPicture(canvas.painter(), picture, target);
}

void paintCard(Canvas& canvas, const Card& card, const CardPaintOptions& options)
{
    if (options.paper)
        canvas.fillRect(QRect(0, 0, card.regionWidth(), card.regionHeight()), Qt::white);
    const Card::MarginEdges inside = card.marginEdges();
    if (options.showMargins)
        drawMargins(canvas, card);
    if (!card.backImage.isEmpty())
        drawPictureWith(canvas, card.backImage,
                        QRect(QPoint(inside.left, inside.top), QPoint(inside.right - 1, inside.bottom - 1)),
                        options);
    if (options.paper)
        drawStockOverlay(canvas, card.baseImage, QRect(0, 0, card.regionWidth() + 1, card.regionHeight() + 1));
    if (options.showGrid && card.showGrid)
        drawGrid(canvas, card, options.dotColor);
    for (const auto& object : card.objects()) {
        if (options.skipNonPrinting && object->nonPrinting())
            continue;
        drawObject(canvas, *object, options);
    }
}

CardPaintOptions CardPaintOptions::forPrinting(const ElementContext& context)
{
    CardPaintOptions options;
    options.showGrid = false;
    options.showMargins = false;
    options.skipNonPrinting = true;
    options.paper = false;
    options.context = context;
    return options;
}

QTransform zoomTransform(int32_t zoom) { return QTransform::fromScale(zoom / 100.0, zoom / 100.0); }

int unitsAtZoom(int32_t units, int32_t zoom) { return unitsToPixels(units, zoom); }

QRect rectAtZoom(const QRect& units, int32_t zoom)
{
    const int left = unitsAtZoom(units.left(), zoom), top = unitsAtZoom(units.top(), zoom);
    return QRect(left, top, unitsAtZoom(units.width(), zoom), unitsAtZoom(units.height(), zoom));
}

QSize cardPixelSize(const Card& card, int32_t zoom)
{
    return QSize(unitsAtZoom(card.regionWidth(), zoom), unitsAtZoom(card.regionHeight(), zoom));
}
