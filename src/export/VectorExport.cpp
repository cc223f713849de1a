#include "export/VectorExport.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "base/AppInfo.h"

namespace {

const QString kTitle = QStringLiteral("Exported Design");

bool paintOn(QPaintDevice& device, const std::function<void(QPainter&)>& paint)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    paint(painter);
    return painter.end();
}

} // namespace

QByteArray encodeSvg(QSize pixelSize, int zoom, const std::function<void(QPainter&)>& paint)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(pixelSize);
    generator.setViewBox(QRect(QPoint(0, 0), pixelSize));
    // The width and height attributes then give the region's true size.
    generator.setResolution(zoom);
    generator.setTitle(kTitle);
    generator.setDescription(AppInfo::productFamily());
    return paintOn(generator, paint) ? bytes : QByteArray();
}

QByteArray encodePdf(QSize pixelSize, int zoom, const std::function<void(QPainter&)>& paint)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    QPdfWriter writer(&buffer);
    writer.setCreator(AppInfo::productFamily());
    writer.setTitle(kTitle);
    writer.setResolution(zoom);
    const QSizeF inches(pixelSize.width() / double(zoom), pixelSize.height() / double(zoom));
    writer.setPageLayout(QPageLayout(QPageSize(inches, QPageSize::Inch, {}, QPageSize::ExactMatch),
                                     QPageLayout::Portrait, QMarginsF()));
    return paintOn(writer, paint) ? bytes : QByteArray();
}
