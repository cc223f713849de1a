#include "ui/pictures/PictureEditor.h"

#include <cmath>

#include "base/AtomicFile.h"
#include "imaging/Dib.h"
#include "render/PictureFiles.h"

PictureEditor::PictureEditor(const Setup& setup, const Picture& initial) : m_setup(setup), m_picture(initial)
{
    setCropRect(initialCropRect());
    m_frame.setStep(1, 1);
}

void PictureEditor::load(const QString& path) { m_picture = loadPictureFile(path, m_setup.reduceColors); }

bool PictureEditor::drop(const QStringList& paths)
{
    if (paths.isEmpty())
        return false;
    Picture loaded = loadPictureFile(paths.first(), m_setup.reduceColors);
    if (loaded.isEmpty())
        return false;
    m_picture = loaded;
    return true;
}

void PictureEditor::acquired(const QImage& image)
{
    if (!image.isNull())
        m_picture.setBitmap(image);
}

QString PictureEditor::saveSuffix() const
{
    switch (m_picture.kind()) {
    case Picture::Kind::Bitmap: return QStringLiteral("BMP");
    case Picture::Kind::Jpeg: return QStringLiteral("JPG");
    case Picture::Kind::Metafile: return QStringLiteral("WMF");
    case Picture::Kind::None: break;
    }
    return QString();
}

QString PictureEditor::saveFilter() const
{
    switch (m_picture.kind()) {
    case Picture::Kind::Bitmap: return QStringLiteral("Bitmaps (*.BMP) (*.bmp)");
    case Picture::Kind::Jpeg: return QStringLiteral("JPEG Images (*.JPG) (*.jpg)");
    case Picture::Kind::Metafile: return QStringLiteral("Metafiles (*.WMF) (*.wmf)");
    case Picture::Kind::None: break;
    }
    return QString();
}

bool PictureEditor::save(const QString& path, QString* error) const
{
    const QByteArray bytes = m_picture.streamBytes();
    if (bytes.isEmpty()) {
        if (error)
            *error = QStringLiteral("There is no picture to save.");
        return false;
    }
    return writeFileAtomically(path, bytes, error);
}

bool PictureEditor::replaceBitmap(const QImage& image)
{
    if (image.isNull())
        return false;
    m_picture.setBitmap(image);
    return true;
}

bool PictureEditor::mirrorVertical()
{
    return bitmapToolsEnabled() && replaceBitmap(m_picture.image().mirrored(true, false));
}

bool PictureEditor::mirrorHorizontal()
{
    return bitmapToolsEnabled() && replaceBitmap(m_picture.image().mirrored(false, true));
}

bool PictureEditor::rotate()
{
    if (!bitmapToolsEnabled())
        return false;
    // Turned as a packed DIB so the depth and palette stay what they were.
    const QByteArray turned = rotateDibQuarterTurn(bmpFileToDib(m_picture.streamBytes()));
    Picture result;
    if (turned.isEmpty() || !result.loadBmp(dibToBmpFile(turned)))
        return false;
    m_picture = result;
    return true;
}

QRect PictureEditor::cropSourceRect() const
{
    const double sx = double(m_picture.width()) / kImageArea.width();
    const double sy = double(m_picture.height()) / kImageArea.height();
    const QRect r = cropRect();
    return QRect(int(std::trunc((r.left() - kImageInset) * sx)), int(std::trunc((r.top() - kImageInset) * sy)),
                 int(std::trunc(r.width() * sx)), int(std::trunc(r.height() * sy)));
}

bool PictureEditor::crop()
{
    if (!bitmapToolsEnabled())
        return false;
    // Only the part that lies on the picture is kept; a rectangle off the picture crops nothing.
    const QRect source = cropSourceRect().intersected(QRect(QPoint(0, 0), m_picture.size()));
    if (source.isEmpty())
        return false;
    return replaceBitmap(m_picture.image().copy(source));
}

void PictureEditor::setCropRect(const QRect& rect)
{
    m_cropObject->setRect(rect);
}

void PictureEditor::endCropDrag(QPoint panelPos, QSize panelSize)
{
    for (const auto& [object, rect] : m_frame.endDrag(panelPos, panelSize))
        object->setRect(rect);
}

void PictureEditor::clickAt(QPoint panelPos)
{
    if (bitmapToolsEnabled() && cropRect().contains(panelPos)) {
        if (m_frame.isEmpty())
            m_frame.attach(m_cropObject);
    } else {
        m_frame.clear();
    }
}
