#include "imaging/Picture.h"

#include <QBuffer>
#include <QImageReader>

#include "base/ByteStream.h"
#include "imaging/JpegCodec.h"

namespace {
constexpr int kMaxBitmapSide = 32768;
constexpr uint32_t kEmfSignature = 0x464D4520;  // " EMF"

QImage decodeBmp(QByteArrayView bytes)
{
    // Refuse absurd sizes before Qt allocates for them.
    ByteReader in(bytes);
    if (in.u16() != 0x4D42)
        return {};
    in.seek(14);
    const uint32_t headerSize = in.u32();
    int64_t w = 0, h = 0;
    if (headerSize == 12) {
        w = in.u16();
        h = in.i16();
    } else {
        w = in.i32();
        h = in.i32();
    }
    if (!in.ok() || w <= 0 || h == 0 || w > kMaxBitmapSide || std::abs(h) > kMaxBitmapSide)
        return {};
    QByteArray copy = bytes.toByteArray();
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "BMP");
    reader.setAutoTransform(false);
    return reader.read();
}
} // namespace

void Picture::adopt(Kind kind, QByteArrayView bytes, QImage image)
{
    clear();
    m_kind = kind;
    m_bytes = bytes.toByteArray();
    m_image = std::move(image);
    m_size = m_image.size();
}

bool Picture::loadBmp(QByteArrayView bmpFile)
{
    QImage image = decodeBmp(bmpFile);
    if (image.isNull())
        return false;
    adopt(Kind::Bitmap, bmpFile, std::move(image));
    return true;
}

bool Picture::loadJpeg(QByteArrayView jfif)
{
    QImage image = decodeJpeg(jfif);
    if (image.isNull())
        return false;
    adopt(Kind::Jpeg, jfif, std::move(image));
    return true;
}

bool Picture::loadEmf(QByteArrayView emf)
{
    ByteReader in(emf);
    const uint32_t type = in.u32();
    const uint32_t recordSize = in.u32();
    const int32_t boundsLeft = in.i32(), boundsTop = in.i32(), boundsRight = in.i32(), boundsBottom = in.i32();
    const int32_t frameLeft = in.i32(), frameTop = in.i32(), frameRight = in.i32(), frameBottom = in.i32();
    const uint32_t signature = in.u32();
    if (!in.ok() || type != 1 || signature != kEmfSignature || recordSize < 88 || emfStreamLength(emf) <= 0)
        return false;
    clear();
    m_kind = Kind::Metafile;
    m_bytes = emf.toByteArray();
    m_frame = QRect(QPoint(frameLeft, frameTop), QPoint(frameRight, frameBottom));
    const int64_t w = int64_t(boundsRight) - boundsLeft + 1;
    const int64_t h = int64_t(boundsBottom) - boundsTop + 1;
    m_size = QSize(int(std::clamp<int64_t>(w, 0, kMaxBitmapSide)), int(std::clamp<int64_t>(h, 0, kMaxBitmapSide)));
    return true;
}

void Picture::setBitmap(const QImage& image)
{
    clear();
    if (image.isNull())
        return;
    m_kind = Kind::Bitmap;
    m_image = image;
    m_size = image.size();
}

QByteArray Picture::streamBytes() const
{
    if (m_kind == Kind::Bitmap && m_bytes.isEmpty() && !m_image.isNull()) {
        QBuffer buffer(&m_bytes);
        buffer.open(QIODevice::WriteOnly);
        m_image.save(&buffer, "BMP");
    }
    return m_kind == Kind::None ? QByteArray() : m_bytes;
}

qint64 Picture::bmpStreamLength(QByteArrayView data)
{
    ByteReader in(data);
    if (in.u16() != 0x4D42)
        return 0;
    const uint32_t size = in.u32();
    if (!in.ok() || size < 26)
        return 0;
    return size;
}

qint64 Picture::emfStreamLength(QByteArrayView data)
{
    if (readU32At(data, 0) != 1 || readU32At(data, 40) != kEmfSignature)
        return 0;
    const uint32_t size = readU32At(data, 48);
    return size < 88 ? 0 : size;
}

const char* Picture::kindName(Kind kind)
{
    switch (kind) {
    case Kind::Bitmap: return "bitmap";
    case Kind::Jpeg: return "jpeg";
    case Kind::Metafile: return "metafile";
    case Kind::None: break;
    }
    return "none";
}
