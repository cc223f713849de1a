#include "export/PictureExport.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>

#include "base/AtomicFile.h"
#include "imaging/Dib.h"
#include "imaging/JpegCodec.h"
#include "metafile/EmfWriter.h"

namespace {

const QString kApplicationName = QStringLiteral("Tessaline");
const QString kDescription = QStringLiteral("Exported Design");

QImage paintBitmap(QSize size, const std::function<void(QPainter&)>& paint)
{
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter);
    painter.end();
    return image;
}

QByteArray encodeMetafile(QSize size, const std::function<void(QPainter&)>& paint)
{
    EmfPaintDevice device(size, kApplicationName, kDescription);
    QPainter painter;
    if (!painter.begin(&device))
        return {};
    paint(painter);
    painter.end();
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
    case ExportFormat::Wmf: break;
    }
    return {};
}

} // namespace

bool exportPicture(const QString& path, ExportFormat format, QSize pixelSize,
                   const std::function<void(QPainter&)>& paint, const ExportOptions& options)
{
    if (!paint || !isPlausibleImageSize(pixelSize.width(), pixelSize.height()))
        return false;
    const QByteArray bytes = (format == ExportFormat::Emf || format == ExportFormat::Wmf)
                                 ? encodeMetafile(pixelSize, paint)
                                 : encodeRaster(format, pixelSize, paint, options);
    return !bytes.isEmpty() && writeFileAtomically(path, bytes);
}

ExportFormat exportFormatForPath(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toUpper();
    if (suffix == QLatin1String("EMF"))
        return ExportFormat::Emf;
    if (suffix == QLatin1String("WMF"))
        return ExportFormat::Wmf;
    if (suffix == QLatin1String("JPG") || suffix == QLatin1String("JPEG"))
        return ExportFormat::Jpeg;
    if (suffix == QLatin1String("PNG"))
        return ExportFormat::Png;
    return ExportFormat::Bmp;
}
