#include "export/PictureExport.h"

#include <algorithm>

#include <QBuffer>
#include <QImage>

#include "base/AppInfo.h"
#include "base/AtomicFile.h"
#include "export/VectorExport.h"
#include "imaging/Dib.h"
#include "imaging/JpegCodec.h"
#include "metafile/EmfWriter.h"

namespace {

const QString kDescription = QStringLiteral("Exported Design");

QImage paintBitmap(QSize size, const std::function<void(QPainter&)>& paint)
{
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    image.fill(Qt::white);
    QPainter painter(&image);
    if (!painter.isActive())
        return {};
    paint(painter);
    return painter.end() ? image : QImage();
}

QByteArray encodeMetafile(QSize size, const std::function<void(QPainter&)>& paint)
{
    EmfPaintDevice device(size, AppInfo::productFamily(), kDescription);
    QPainter painter;
    if (!painter.begin(&device))
        return {};
    paint(painter);
    if (!painter.end())
        return {};
    return device.emfBytes();
}

QByteArray encodeRaster(ExportFormat format, QSize size, const std::function<void(QPainter&)>& paint,
                        const ExportOptions& options)
{
    const QImage image = paintBitmap(size, paint);
    if (image.isNull())
        return {};
    switch (format) {
    case ExportFormat::Bmp: return dibToBmpFile(imageToDib(image, 24));
    case ExportFormat::Jpeg: return encodeJpeg(image, std::clamp(options.quality, 0, 100), options.progressive);
    case ExportFormat::Png: {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        return image.save(&buffer, "PNG") ? bytes : QByteArray();
    }
    case ExportFormat::Emf:
    case ExportFormat::Wmf:
    case ExportFormat::Svg:
    case ExportFormat::Pdf: break;
    }
    return {};
}

QByteArray encodePicture(ExportFormat format, QSize size, const std::function<void(QPainter&)>& paint,
                         const ExportOptions& options)
{
    const int zoom = std::max(1, options.zoom);
    switch (format) {
    case ExportFormat::Emf:
    case ExportFormat::Wmf: return encodeMetafile(size, paint);
    case ExportFormat::Svg: return encodeSvg(size, zoom, paint);
    case ExportFormat::Pdf: return encodePdf(size, zoom, paint);
    default: return encodeRaster(format, size, paint, options);
    }
}

} // namespace

bool exportPicture(const QString& path, ExportFormat format, QSize pixelSize,
                   const std::function<void(QPainter&)>& paint, const ExportOptions& options, QString* error)
{
    const auto failed = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    // Refused before anything is allocated for it.
    if (!paint || !isPlausibleImageSize(pixelSize.width(), pixelSize.height()))
        return failed(QStringLiteral("A picture of %1 x %2 pixels cannot be made")
                          .arg(pixelSize.width())
                          .arg(pixelSize.height()));
    const QByteArray bytes = encodePicture(format, pixelSize, paint, options);
    if (bytes.isEmpty())
        return failed(QStringLiteral("The picture could not be drawn"));
    return writeFileAtomically(path, bytes, error);
}
