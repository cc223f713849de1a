#include "render/PictureFiles.h"

#include <QFileInfo>

#include "render/DrawPicture.h"
#include "imaging/ImageCodecs.h"
#include "metafile/WmfToEmf.h"

namespace {

QString upperExtension(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot).toUpper();
}

Picture loadMetafile(const QByteArray& bytes)
{
    Picture picture;
    if (picture.loadEmf(bytes))
        return picture;
    const QByteArray emf = convertWmfToEmf(bytes);
    if (!emf.isEmpty())
        picture.loadEmf(emf);
    return picture;
}

Picture loadRaster(const QByteArray& bytes, bool reduceColors)
{
    ImageFileInfo info;
    if (!queryImageBytes(bytes, info))
        return {};
    int bitsPerPixel = info.bitsPerPixel;
    if (reduceColors && info.paletteColors == 0)
        bitsPerPixel = 8;
    // The file's signature, not its name, chooses the loader.
    static const QStringList loadable = {QStringLiteral("TIFF"), QStringLiteral("PCX"), QStringLiteral("PNG"),
                                         QStringLiteral("BMP")};
    if (!loadable.contains(info.type, Qt::CaseInsensitive))
        return {};
    QByteArray dib;
    if (!loadImageAsDib(info.type, bytes, bitsPerPixel, dib))
        return {};
    return dibToBitmap(std::move(dib));
}

} // namespace

Picture loadPictureFile(const QString& path, bool reduceColors)
{
    static const QStringList accepted = {".BMP", ".PCX", ".JPG", ".PNG", ".GIF", ".TIF", ".WMF", ".EMF"};
    const QString extension = upperExtension(path);
    if (!accepted.contains(extension))
        return {};
    QByteArray bytes;
    if (!readPictureFileBytes(path, bytes))
        return {};
    if (extension == QLatin1String(".WMF") || extension == QLatin1String(".EMF"))
        return loadMetafile(bytes);
    if (extension == QLatin1String(".JPG")) {
        Picture picture;
        picture.loadJpeg(bytes);
        return picture;
    }
    return loadRaster(bytes, reduceColors);
}
