#include "render/CardPainter.h"

#include <QPainter>

#include "model/Card.h"
#include "model/ObjectData.h"
#include "gdi/Canvas.h"
#include "render/DrawPicture.h"


namespace {

constexpr int kMinGridStep = 2;

struct MarginRect {
    int left, top, right, bottom;
};

MarginRect marginRect(const Card& card)
{
    const Card::MarginEdges inside = card.marginEdges();
    return {inside.left - 1, inside.top - 1, inside.right + 1, inside.bottom + 1};
}

void drawMargins(Canvas& canvas, const MarginRect& m)
{
    canvas.setPen({Qt::black, 1, CanvasPen::Style::Dot});
    canvas.setBrush({Qt::white, CanvasBrush::Style::Null});
    canvas.rectangle(m.left, m.top, m.right, m.bottom);
}

void drawGrid(Canvas& canvas, const Card& card, const QColor& color)
{
    const int stepX = card.gridX * card.scale() / 100;
    const int stepY = card.gridY * card.scale() / 100;
    if (stepX < kMinGridStep || stepY < kMinGridStep)
        return;
    // One row of dots per call: a large card at a high zoom has millions.
    QPainter& painter = canvas.painter();
    painter.save();
    QPen dot(color);
    dot.setCosmetic(true);
    dot.setWidth(0);
    painter.setPen(dot);
    QVector<QPoint> row;
    row.reserve(card.width() / stepX + 1);
    for (int y = 1; y < card.height(); y += stepY) {
        row.clear();
        for (int x = 1; x < card.width(); x += stepX)
            row.append(QPoint(x, y));
        painter.drawPoints(row.constData(), int(row.size()));
    }
    painter.restore();
}

void drawControl(Canvas& canvas, const ObjectControl& control, int32_t zoom, const ElementContext& context)
{
    if (control.isPicture()) {
        drawPictureInto(canvas, control.picture, control.rect());
        return;
    }
    if (const ObjectData* data = control.data())
        drawDesignObject(canvas, control.rect(), *data, zoom, context);
}

} // namespace

void drawPictureInto(Canvas& canvas, const Picture& picture, const QRect& target)
{
    drawPicture(canvas.painter(), picture, target);
}

void paintCard(Canvas& canvas, const Card& card, const CardPaintOptions& options)
{
    canvas.fillRect(QRect(0, 0, card.width(), card.height()), Qt::white);
    const MarginRect margins = marginRect(card);
    if (options.showMargins)
        drawMargins(canvas, margins);
    if (!card.backImage.isEmpty())
        drawPictureInto(canvas, card.backImage,
                        QRect(QPoint(margins.left + 1, margins.top + 1), QPoint(margins.right - 2, margins.bottom - 2)));
    drawStockOverlay(canvas, card.baseImage, QRect(0, 0, card.width() + 1, card.height() + 1));
    if (options.showGrid && card.showGrid)
        drawGrid(canvas, card, options.dotColor);
    for (const auto& control : card.controls()) {
        if (options.skipNonPrinting && control->data() && control->data()->nonPrinting())
            continue;
        drawControl(canvas, *control, card.scale(), options.context);
    }
}
