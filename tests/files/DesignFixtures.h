#pragma once

#include <QImage>

#include "layouts/LayoutRecord.h"
#include "model/DesignEditor.h"
#include "platform/Picture.h"

inline LayoutRecord ThirtyUpLayout()
{
    LayoutRecord l;
    l.setName("Address 1 x 2 5/8");
    l.rows = 10;
    l.columns = 3;
    l.elementWidth = 262;
    l.elementHeight = 100;
    l.topMargin = 50;
    l.leftMargin = 19;
    l.columnSpace = 12;
    return l;
}

inline Picture BitmapPicture(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::green);
    Picture p;
    p.setBitmap(image);
    Picture stored;
    stored.loadBmp(p.streamBytes());
    return stored;
}
