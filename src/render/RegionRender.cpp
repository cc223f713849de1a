#include "RegionRender.h"

#include <QPainter>

#include "files/DesignFile.h"
#include "layouts/LayoutRecord.h"
#include "model/Global.h"
#include "model/GridPanel.h"
#include "model/ObjectManager.h"
#include "platform/Canvas.h"
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

bool DrawDesignPreview(const QString& fileName, Canvas& canvas, const QRect& rect)
{
    TGridPanel surface;
    surface.setScale(100);
    TObjectManager manager(surface);
    LayoutRecord layout;
    QString linked;
    int32_t zoom = 100;
    if (ReadDesignFile(manager, fileName, layout, linked, zoom) != DesignFileResult::Success) {
        surface.destroyAllControls();
        return false;
    }
    int32_t regionWidth = 0, regionHeight = 0;
    GetRegionGeometry(layout.unit, layout.foldType, 0, layout.elementWidth, layout.elementHeight, nullptr,
                      &regionWidth, &regionHeight);
    if (regionWidth > 0 && regionHeight > 0) {
        const double factor = double(rect.width() - 10) / regionWidth;
        const int previewZoom = Trunc(factor * 100);
        const int offset = Trunc((rect.height() - regionHeight * factor) * 0.5);
        if (previewZoom > 0 && ShowRegionAtZoom(manager, layout, 0, previewZoom)) {
            surface.BaseImage = layout.stockType;
            QPainter& painter = canvas.painter();
            painter.save();
            painter.translate(rect.left() + 6, rect.top() + offset);
            CardPaintOptions options;
            options.showGrid = false;
            PaintCardOn(painter, surface, options);
            painter.restore();
        }
    }
    surface.BackImage.clear();
    surface.destroyAllControls();
    return true;
}
