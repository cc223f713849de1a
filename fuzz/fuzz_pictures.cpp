// Feeds arbitrary bytes to every picture reader: the signature query, the
// BMP/PCX/PNG/TIFF loaders at two depths, packed DIBs, rotation, JPEG, the
// WMF converter and the EMF player.

#include "FuzzSupport.h"
#include <QImage>
#include <QPainter>

#include "imaging/Dib.h"
#include "imaging/ImageCodecs.h"
#include "imaging/JpegCodec.h"
#include "metafile/EmfPlayer.h"
#include "metafile/WmfToEmf.h"
#include "imaging/Picture.h"
#include "render/DrawPicture.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    startOffscreenApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    ImageFileInfo info;
    if (queryImageBytes(bytes, info)) {
        QByteArray dib;
        for (int depth : {8, 24})
            if (loadImageAsDib(info.type, bytes, depth, dib))
                rotateDibQuarterTurn(dib);
    }
    dibInfo(bytes);
    if (!dibToImage(bytes).isNull())
        rotateDibQuarterTurn(bytes);

    Picture picture;
    picture.loadJpeg(bytes);
    picture.loadBmp(bytes);

    QImage target(24, 24, QImage::Format_RGB32);
    QPainter painter(&target);
    drawMetafile(painter, QRectF(0, 0, 24, 24), bytes);
    const QByteArray emf = convertWmfToEmf(bytes);
    if (!emf.isEmpty() && picture.loadEmf(emf))
        drawPicture(painter, picture, QRect(0, 0, 24, 24));
    return 0;
}
