#pragma once
// Small builders shared by the model and file tests.

#include <QImage>

#include "platform/Picture.h"

inline Picture MakeBitmapPicture(int width, int height, QRgb colour = qRgb(200, 30, 30))
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    Picture picture;
    picture.setBitmap(image);
    // Reload from its own BMP bytes so it behaves like a stored picture.
    Picture stored;
    stored.loadBmp(picture.streamBytes());
    return stored;
}
