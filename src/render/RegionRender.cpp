#include "render/RegionRender.h"

#include <QPainter>

#include "model/LayoutRecord.h"
#include "model/Folds.h"
#include "model/Card.h"
#include "model/ObjectManager.h"
#include "gdi/Canvas.h"
#include "render/RenderMath.h"

bool ShowRegionAtZoom(TObjectManager& manager, const LayoutRecord& layout, int regionIndex, int32_t zoom)
{
    QStringList captions;
    GetRegionGeometry(layout.unit, layout.foldType, 0, layout.elementWidth, layout.elementHeight, &captions);
    if (regionIndex < 0 || regionIndex >= captions.size())
        return false;
    int32_t side = 0, panel = 0;
    if (!GetRegionSlot(layout.foldType, regionIndex, &side, &panel))
        return false;
    TGridPanel& surface = manager.surface();
    if (manager.CurrentSide >= 0 && manager.CurrentPanel >= 0 &&
        !manager.ChangeRegion(manager.CurrentSide, manager.CurrentPanel, -1, -1, surface.Scale()))
        return false;
    // Reload even when the region is already live, so its controls follow the zoom.
    manager.CurrentSide = -1;
    manager.CurrentPanel = -1;
    surface.setScale(zoom);
    return manager.ChangeRegion(-1, -1, side, panel, zoom);
}

CardPaintOptions ExportPaintOptions()
{
    CardPaintOptions options;
    options.showGrid = false;
    options.showMargins = false;
    return options;
}

void PaintCardOn(QPainter& painter, const TGridPanel& card, const CardPaintOptions& options)
{
    Canvas canvas(painter);
    PaintCard(canvas, card, options);
}

QImage RenderCardImage(const TGridPanel& card, const CardPaintOptions& options)
{
    QImage image(std::max(1, card.width()), std::max(1, card.height()), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintCardOn(painter, card, options);
    painter.end();
    return image;
}
