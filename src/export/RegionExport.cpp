#include "export/RegionExport.h"

#include "files/DesignFile.h"
#include "model/Card.h"
#include "render/RegionRender.h"

#include <QPainter>
#include <algorithm>

// The same message the save commands show for a design file.
QString exportSaveErrorText() { return designFileResultText(DesignFileResult::SaveError, false); }

bool exportCard(const Card& card, const QString& path, const ExportOptions& options)
{
    return exportCard(card, path, exportFormatForPath(path), options);
}

bool exportCard(const Card& card, const QString& path, ExportFormat format, const ExportOptions& options,
                QString* error)
{
    const CardPaintOptions paintOptions = exportPaintOptions();
    // Vector files have the region's true size whatever the zoom: they are
    // drawn in design units, a hundred to the inch.
    ExportOptions drawn = options;
    if (format == ExportFormat::Svg || format == ExportFormat::Pdf)
        drawn.zoom = 100;
    const int32_t zoom = std::max(1, drawn.zoom);
    return exportPicture(
        path, format, cardPixelSize(card, zoom),
        [&](QPainter& painter) {
            painter.setTransform(zoomTransform(zoom), true);
            paintCardOn(painter, card, paintOptions);
        },
        drawn, error);
}
