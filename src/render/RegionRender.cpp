#include "render/RegionRender.h"

#include <QPainter>

#include "model/LayoutRecord.h"
#include "model/Folds.h"
#include "model/Card.h"
#include "model/ObjectManager.h"
#include "gdi/Canvas.h"
#include "imaging/Dib.h"
#include "render/RenderMath.h"

bool showRegionAtZoom(ObjectManager& manager, const LayoutRecord& layout, int regionIndex, int32_t zoom)
{
    if (regionIndex < 0 || regionIndex >= regionCaptions(layout.foldType).size())
        return false;
    int32_t side = 0, panel = 0;
    if (!regionSlotFor(layout.foldType, regionIndex, &side, &panel))
        return false;
    Card& surface = manager.surface();
    if (manager.currentSide >= 0 && manager.currentPanel >= 0 &&
        !manager.changeRegion(manager.currentSide, manager.currentPanel, -1, -1, surface.scale()))
        return false;
    // Reload even when the region is already live, so its controls follow the zoom.
    manager.currentSide = -1;
    manager.currentPanel = -1;
    surface.setScale(zoom);
    return manager.changeRegion(-1, -1, side, panel, zoom);
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

QImage renderCardImage(const Card& card, const CardPaintOptions& options)
{
    const int width = std::max(1, card.width()), height = std::max(1, card.height());
    // The same bound as every other picture we make: the largest region at the
    // highest zoom would otherwise take over a gigabyte.
    if (!isPlausibleImageSize(width, height))
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintCardOn(painter, card, options);
    painter.end();
    return image;
}
