#include "render/DrawPicture.h"

#include <QPainter>

#include "metafile/EmfPlayer.h"

namespace {
int bitsPerPixelOf(const QImage& image)
{
    switch (image.format()) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB: return 1;
    case QImage::Format_Indexed8: return image.colorCount() <= 16 ? 4 : 8;
    default: return 24;
    }
}
} // namespace

void drawPicture(QPainter& surface, const Picture& picture, const QRect& rect)
{
    switch (picture.kind()) {
    case Picture::Kind::Metafile:
        drawMetafile(surface, QRectF(rect), picture.metafileBytes());
        break;
    case Picture::Kind::Bitmap:
    case Picture::Kind::Jpeg: {
        // Converted afresh for every drawing; a print run shares one image per
        // picture instead (SharedPictures).
        const QByteArray dib = pictureToDib(picture);
        stretchDrawDib(surface, dib, rect);
        break;
    }
    case Picture::Kind::None:
        break;
    }
}

QByteArray pictureToDib(const Picture& picture)
{
    if (picture.kind() == Picture::Kind::Jpeg)
        return imageToDib(picture.image(), 24);
    if (picture.kind() != Picture::Kind::Bitmap)
        return {};
    // The bitmap's own bytes keep its depth and palette exactly.
    QByteArray dib = bmpFileToDib(picture.streamBytes());
    if (!isUsableDib(dib))
        dib = imageToDib(picture.image(), bitsPerPixelOf(picture.image()));
    return dib;
}

Picture dibToBitmap(QByteArray&& dib)
{
    const QByteArray taken = std::move(dib);
    dib.clear();
    Picture picture;
    const QByteArray file = dibToBmpFile(taken);
    if (!file.isEmpty())
        picture.loadBmp(file);
    return picture;
}

QVector<QRgb> makeDibPalette(const QByteArray& dib)
{
    const DibDescription info = describeDib(dib);
    if (!info.ok || info.bitsPerPixel > 8 || info.tableEntries == 0)
        return {};
    const QImage image = dibToImage(dib);
    if (image.isNull())
        return {};
    QVector<QRgb> palette = image.colorTable();
    palette.resize(std::min<qsizetype>(palette.size(), info.tableEntries));
    return palette;
}

void stretchDrawDib(QPainter& surface, const QByteArray& dib, const QRect& target)
{
    int x = target.x(), y = target.y(), width = target.width(), height = target.height();
    if (!dibInfo(dib).ok || width == 0 || height == 0)
        return;
    QImage image = dibToImage(dib);
    if (image.isNull())
        return;
    // Negative extents mirror, as the stretch primitive does.
    if (width < 0 || height < 0) {
        image = image.mirrored(width < 0, height < 0);
        if (width < 0) {
            x += width;
            width = -width;
        }
        if (height < 0) {
            y += height;
            height = -height;
        }
    }
    stretchDrawImage(surface, image, QRect(x, y, width, height));
}

void stretchDrawImage(QPainter& surface, const QImage& image, const QRect& target)
{
    surface.save();
    // Shrinking drops rows and columns rather than blending them.
    surface.setRenderHint(QPainter::SmoothPixmapTransform, false);
    surface.drawImage(target, image);
    surface.restore();
}

DibDescription dibInfo(const QByteArray& dib)
{
    return describeDib(dib);
}

Picture rotatePicture(const Picture& bitmap)
{
    const QByteArray dib = pictureToDib(bitmap);
    if (dib.isEmpty())
        return {};
    QByteArray rotated = rotateDibQuarterTurn(dib);
    if (rotated.isEmpty())
        return {};
    return dibToBitmap(std::move(rotated));
}
