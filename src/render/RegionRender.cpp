#include "render/RegionRender.h"

#include <QPainter>

#include "model/LayoutRecord.h"
#include "model/Folds.h"
#include "model/Card.h"
#include "model/ObjectManager.h"
#include "gdi/Canvas.h"
#include "imaging/Dib.h"
#include "render/RenderMath.h"

bool showRegionByIndex(ObjectManager& manager, const LayoutRecord& layout, int regionIndex)
{
    if (regionIndex < 0 || regionIndex >= regionCaptions(layout.foldType).size())
        return false;
    int32_t side = 0, panel = 0;
    if (!regionSlotFor(layout.foldType, regionIndex, &side, &panel))
        return false;
    return manager.showRegion({side, panel});
}

CardPaintOptions exportPaintOptions()
{
    CardPaintOptions options;
    options.showGrid = false;
    options.showMargins = false;
    return options;
}

void paintCardOn(QPainter& painter, const Card& card, const CardPaintOptions& options)
{
    Canvas canvas(painter);
    paintCard(canvas, card, options);
}

QImage renderCardImage(const Card& card, const CardPaintOptions& options, int32_t zoom)
{
    const QSize pixels = cardPixelSize(card, zoom);
    const int width = std::max(1, pixels.width()), height = std::max(1, pixels.height());
    // The same bound as every other picture we make: the largest region at the
    // highest zoom would otherwise take over a gigabyte.
    if (!isPlausibleImageSize(width, height))
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setTransform(zoomTransform(zoom));
    paintCardOn(painter, card, options);
    painter.end();
    return image;
}
