#include "export/RegionExport.h"

#include "files/DesignFile.h"
#include "model/Card.h"
#include "render/RegionRender.h"

// The same message the save commands show for a design file.
QString exportSaveErrorText() { return designFileResultText(DesignFileResult::SaveError); }

bool exportCard(const Card& card, const QString& path, const ExportOptions& options)
{
    return exportCard(card, path, exportFormatForPath(path), options);
}

bool exportCard(const Card& card, const QString& path, ExportFormat format, const ExportOptions& options,
                QString* error)
{
    const CardPaintOptions paintOptions = exportPaintOptions();
    ExportOptions atCardZoom = options;
    atCardZoom.zoom = card.scale();
    return exportPicture(path, format, QSize(card.width(), card.height()),
                         [&](QPainter& painter) { paintCardOn(painter, card, paintOptions); }, atCardZoom, error);
}
