#pragma once
// The picture editor without widgets: the current picture, what each button
// may do, the crop rectangle over the preview and the picture operations.

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

#include "imaging/Picture.h"
#include "model/DesignEditor.h"
#include "ui/designwindow/SelectionFrame.h"

class PictureEditor {
public:
    // The preview panel's image area: 158 × 157 pixels, 4 pixels in.
    static constexpr int kImageInset = 4;
    static constexpr QSize kImageArea{158, 157};
    static constexpr QSize kPanelSize{166, 165};
    static QRect initialCropRect() { return QRect(8, 8, 57, 57); }

    struct Setup {
        bool clearingAllowed = true;
        bool reduceColors = true;
        bool scannerAvailable = false;
        QString startFolder;
    };

    explicit PictureEditor(const Setup& setup, const Picture& initial = Picture());
    PictureEditor(const PictureEditor&) = delete;
    PictureEditor& operator=(const PictureEditor&) = delete;

    const Picture& picture() const { return m_picture; }
    void setPicture(const Picture& picture) { m_picture = picture; }
    const Setup& setup() const { return m_setup; }

    // Button states.
    bool canSave() const { return !m_picture.isEmpty(); }
    bool canClear() const { return !m_picture.isEmpty(); }
    bool clearShown() const { return m_setup.clearingAllowed; }
    bool canAcquire() const { return m_setup.scannerAvailable; }
    // Mirror, rotate and crop work on bitmaps only; the crop rectangle shows with them.
    bool bitmapToolsEnabled() const { return m_picture.kind() == Picture::Kind::Bitmap; }

    // Load: a file that does not load leaves no picture.
    void load(const QString& path);
    // A drop: the first file, when it loads; otherwise nothing changes.
    bool drop(const QStringList& paths);
    void clear() { m_picture.clear(); }
    // A scanned picture replaces the current one.
    void acquired(const QImage& image);

    // The save dialog's default suffix and filter for the picture's kind.
    QString saveSuffix() const;
    QString saveFilter() const;
    // Writes the picture in its own format; false with *error on failure.
    bool save(const QString& path, QString* error) const;

    // Mirror Vertical exchanges left and right, Mirror Horizontal top and bottom.
    bool mirrorVertical();
    bool mirrorHorizontal();
    // A quarter turn clockwise, keeping the bitmap's depth and palette.
    bool rotate();
    // Cuts the part under the crop rectangle out of the bitmap.
    bool crop();
    // The bitmap rectangle the crop rectangle stands for.
    QRect cropSourceRect() const;

    // The crop rectangle, in preview panel pixels, and its selection frame
    // (the frame's units are the panel's pixels).
    QRect cropRect() const { return m_cropObject->rect(); }
    void setCropRect(const QRect& rect);
    SelectionFrame& cropFrame() { return m_frame; }
    const SelectionFrame& cropFrame() const { return m_frame; }
    // Ends a drag of the frame: the crop rectangle takes the dragged shape.
    void endCropDrag(QPoint panelPos, QSize panelSize);
    bool cropSelected() const { return !m_frame.isEmpty(); }
    // A click in the preview: on the crop rectangle selects it, elsewhere drops the frame.
    void clickAt(QPoint panelPos);

private:
    bool replaceBitmap(const QImage& image);

    Setup m_setup;
    Picture m_picture;
    // The crop rectangle is a box on a card of its own, shown at zoom 100,
    // so the design window's frame serves it; it is no design and has no history.
    DesignEditor m_cropEditor;
    DesignObject* m_cropObject = m_cropEditor.card().add(std::make_unique<DesignObject>(ObjectKind::Box));
    SelectionFrame m_frame{m_cropEditor};
};
