#include "export/DesignPreview.h"

#include <QPainter>

#include "files/DesignFile.h"
#include "gdi/Canvas.h"
#include "model/Card.h"
#include "model/LayoutRecord.h"
#include "model/ObjectManager.h"
#include "render/RegionRender.h"
#include "render/RenderMath.h"

bool drawDesignPreview(const QString& fileName, Canvas& canvas, const QRect& rect)
{
    Card surface;
    ObjectManager manager(surface);
    LayoutRecord layout;
    QString linked;
    int32_t zoom = 100;
    if (readDesignFile(manager, fileName, layout, linked, zoom) != DesignFileResult::Success)
        return false;
    int32_t regionWidth = 0, regionHeight = 0;
    layout.regionSize(&regionWidth, &regionHeight);
    if (regionWidth > 0 && regionHeight > 0) {
        const double factor = double(rect.width() - 10) / regionWidth;
        const int previewZoom = truncToInt(factor * 100);
        const int offset = truncToInt((rect.height() - regionHeight * factor) * 0.5);
        if (previewZoom > 0 && showRegionByIndex(manager, layout, 0)) {
            surface.baseImage = layout.stockType;
            QPainter& painter = canvas.painter();
            painter.save();
            painter.translate(rect.left() + 6, rect.top() + offset);
            painter.setTransform(zoomTransform(previewZoom), true);
            CardPaintOptions options;
            options.showGrid = false;
            paintCardOn(painter, surface, options);
            painter.restore();
        }
    }
    return true;
}
