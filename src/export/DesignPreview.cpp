#include "export/DesignPreview.h"

#include <QPainter>

#include "files/DesignFile.h"
#include "gdi/Canvas.h"
#include "model/Card.h"
#include "model/Folds.h"
#include "model/LayoutRecord.h"
#include "model/ObjectManager.h"
#include "render/RegionRender.h"
#include "render/RenderMath.h"

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
