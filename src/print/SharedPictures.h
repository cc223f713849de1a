#pragma once
// The bitmaps of one print run, each converted once. Every label then draws
// the very same QImage, and a PDF stores an image once however often it is
// drawn (Qt's PDF engine keeps one object per image), so a logo on 3,000
// labels costs its bytes once instead of 3,000 times.

#include <QImage>
#include <QRect>
#include <unordered_map>

#include "imaging/Picture.h"

class QPainter;

class SharedPictures {
public:
    // What drawPicture would draw of a bitmap or JPEG picture, made once per
    // picture (copies of a picture share it); null for metafiles and empty pictures.
    QImage imageFor(const Picture& picture);

    // Draws as drawPicture does, through the shared image where there is one.
    void draw(QPainter& surface, const Picture& picture, const QRect& rect);

private:
    std::unordered_map<qint64, QImage> m_images;  // by the picture's own image's key
};
