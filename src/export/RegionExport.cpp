#include "export/RegionExport.h"

#include <QFileInfo>

#include "base/AtomicFile.h"
#include "files/DesignFile.h"
#include "model/Card.h"
#include "export/PictureExport.h"
#include "render/RegionRender.h"


namespace {

// PNG is ours in addition to the classic formats; written atomically like them.
bool writePng(const Card& card, const QString& path)
{
    const QImage image = renderCardImage(card, exportPaintOptions());
    AtomicFile file(path);
    return file.open() && image.save(&file, "PNG") && file.commit();
}

} // namespace

// The same message the save commands show for a design file.
QString exportSaveErrorText() { return designFileResultText(DesignFileResult::SaveError); }

CardExportFormat cardExportFormatFor(const QString& path)
{
    const QString ext = QFileInfo(path).suffix().toUpper();
    if (ext == QLatin1String("PNG"))
        return CardExportFormat::Png;
    if (ext == QLatin1String("JPG"))
        return CardExportFormat::Jpeg;
    if (ext == QLatin1String("EMF") || ext == QLatin1String("WMF"))
        return CardExportFormat::Emf;
    return CardExportFormat::Bmp;
}

bool exportCard(const Card& card, const QString& path, const CardExportSettings& settings)
{
    const CardExportFormat format = cardExportFormatFor(path);
    if (format == CardExportFormat::Png)
        return writePng(card, path);
    ExportFormat target = ExportFormat::Bmp;
    if (format == CardExportFormat::Jpeg)
        target = ExportFormat::Jpeg;
    else if (format == CardExportFormat::Emf)
        target = ExportFormat::Emf;
    ExportOptions options;
    options.quality = settings.quality;
    options.progressive = settings.progressive;
    const CardPaintOptions paintOptions = exportPaintOptions();
    const bool ok = exportPicture(path, target, QSize(card.width(), card.height()),
                                  [&](QPainter& painter) { paintCardOn(painter, card, paintOptions); }, options);
    return ok;
}
