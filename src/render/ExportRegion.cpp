#include "ExportRegion.h"

#include <QFileInfo>
#include <QSaveFile>

#include "model/GridPanel.h"
#include "render/RegionRender.h"

#if __has_include("pictures/ExportPicture.h")
#include "pictures/ExportPicture.h"
#define STICKWELL_HAS_EXPORT_PICTURE 1
#endif

namespace {

const char* const kSaveError =
    "An error occurred saving the specified file.\n\nBe sure to choose a valid filename on a non-write protected disk.";

CardExportResult writePng(const TGridPanel& card, const QString& path)
{
    const QImage image = RenderCardImage(card, ExportPaintOptions());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        return CardExportResult::CannotWrite;
    return CardExportResult::Written;
}

} // namespace

QString ExportSaveErrorText() { return QString::fromLatin1(kSaveError); }

CardExportFormat CardExportFormatFor(const QString& path)
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

CardExportResult ExportCard(const TGridPanel& card, const QString& path, const CardExportSettings& settings,
                            QString* why)
{
    const CardExportFormat format = CardExportFormatFor(path);
    if (format == CardExportFormat::Png)
        return writePng(card, path);
#ifdef STICKWELL_HAS_EXPORT_PICTURE
    (void)why;
    ExportFormat target = ExportFormat::Bmp;
    if (format == CardExportFormat::Jpeg)
        target = ExportFormat::Jpeg;
    else if (format == CardExportFormat::Emf)
        target = ExportFormat::Emf;
    ExportOptions options;
    options.quality = settings.quality;
    options.progressive = settings.progressive;
    const CardPaintOptions paintOptions = ExportPaintOptions();
    const bool ok = ExportPicture(path, target, QSize(card.width(), card.height()),
                                  [&](QPainter& painter) { PaintCardOn(painter, card, paintOptions); }, options);
    return ok ? CardExportResult::Written : CardExportResult::CannotWrite;
#else
    (void)settings;
    if (why)
        *why = QStringLiteral("This build cannot write %1 files yet; use .png.").arg(QFileInfo(path).suffix());
    return CardExportResult::Unsupported;
#endif
}
