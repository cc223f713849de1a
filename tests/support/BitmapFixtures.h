#pragma once

#include <QImage>

#include "imaging/Picture.h"

// A one-colour bitmap picture as a stored design would hold it (loaded from its own BMP bytes).
inline Picture makeBitmapPicture(int width, int height, QRgb colour = qRgb(200, 30, 30))
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    Picture made;
    made.setBitmap(image);
    Picture stored;
    stored.loadBmp(made.streamBytes());
    return stored;
}
