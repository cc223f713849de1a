#pragma once
// A picture as designs store it. It keeps the bytes it came from (a BMP file,
// a JFIF stream or an EMF) so saving never re-encodes; decoding is a view.

#include <QByteArray>
#include <QImage>
#include <QSize>

class Picture {
public:
    enum class Kind { None, Bitmap, Jpeg, Metafile };

    Picture() = default;

    // Each loader returns false (and leaves the picture empty) when the bytes
    // cannot be used.
    bool loadBmp(QByteArrayView bmpFile);
    bool loadJpeg(QByteArrayView jfif);
    bool loadEmf(QByteArrayView emf);
    // A new or changed bitmap; its bytes are produced as a BMP file on demand.
    void setBitmap(const QImage& image);

    Kind kind() const { return m_kind; }
    bool isEmpty() const { return m_kind == Kind::None; }
    void clear() { *this = Picture(); }

    int width() const { return m_size.width(); }
    int height() const { return m_size.height(); }
    QSize size() const { return m_size; }

    // Bitmap and JPEG pixels; null for metafiles and empty pictures.
    const QImage& image() const { return m_image; }
    // The bytes a record or design file carries for this picture.
    QByteArray streamBytes() const;
    // EMF bytes of a metafile.
    const QByteArray& metafileBytes() const { return m_bytes; }
    // EMF frame rectangle in 0.01 mm (left, top, right, bottom).
    QRect metafileFrame() const { return m_frame; }

    // The length a stream states for itself, so a reader can consume exactly
    // that many bytes; 0 when the header is not there or not plausible.
    static qint64 bmpStreamLength(QByteArrayView data);
    static qint64 emfStreamLength(QByteArrayView data);

    static const char* kindName(Kind kind);

private:
    // Becomes a picture of kind with these stored bytes and their decoded image.
    void adopt(Kind kind, QByteArrayView bytes, QImage image);

    Kind m_kind = Kind::None;
    mutable QByteArray m_bytes;  // empty for a changed bitmap until asked for
    QImage m_image;
    QSize m_size;
    QRect m_frame;
};
