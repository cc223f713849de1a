#include "print/SharedPictures.h"

#include "render/DrawPicture.h"

QImage SharedPictures::imageFor(const Picture& picture)
{
    const bool raster = picture.kind() == Picture::Kind::Bitmap || picture.kind() == Picture::Kind::Jpeg;
    // A picture's decoded image never changes while it lives, and a key is
    // never given to another image: the key names the picture's content.
    const qint64 key = picture.image().cacheKey();
    if (!raster || picture.image().isNull())
        return {};
    const auto found = m_images.find(key);
    if (found != m_images.end())
        return found->second;
    const QImage image = dibToImage(pictureToDib(picture));
    m_images.emplace(key, image);
    return image;
}

void SharedPictures::draw(QPainter& surface, const Picture& picture, const QRect& rect)
{
    // Mirrored pictures (a negative extent) are rare: they take the plain way.
    const QImage image = rect.width() > 0 && rect.height() > 0 ? imageFor(picture) : QImage();
    if (image.isNull())
        drawPicture(surface, picture, rect);
    else
        stretchDrawImage(surface, image, rect);
}
