#include "ui/pictures/PicturePreview.h"

#include <QMouseEvent>
#include <QPainter>

#include "render/DrawPicture.h"
#include "ui/pictures/PictureEditor.h"

PicturePreview::PicturePreview(PictureEditor& editor, QWidget* parent) : QWidget(parent), m_editor(editor)
{
    setObjectName(QStringLiteral("PreviewPanel"));
    setFixedSize(PictureEditor::kPanelSize);
}

QSize PicturePreview::sizeHint() const { return PictureEditor::kPanelSize; }

void PicturePreview::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    // The panel's bevels: raised outside, lowered inside.
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.drawRect(rect().adjusted(2, 2, -3, -3));
    const QRect area(QPoint(PictureEditor::kImageInset, PictureEditor::kImageInset), PictureEditor::kImageArea);
    drawPicture(p, m_editor.picture(), area);
    if (!m_editor.bitmapToolsEnabled())
        return;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::gray, 2));
    p.drawRect(m_editor.cropRect());
    const SelectionFrame& frame = m_editor.cropFrame();
    if (const auto outline = frame.dragOutline()) {
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(*outline);
    }
    for (const QRect& handle : frame.handleSquares())
        p.fillRect(handle, frame.handleColor());
}

void PicturePreview::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    SelectionFrame& frame = m_editor.cropFrame();
    if (frame.isEmpty() || !frame.isOverSelection(pos))
        m_editor.clickAt(pos);
    if (!frame.isEmpty() && frame.isOverSelection(pos))
        frame.beginDrag(pos, frame.modeAt(pos));
    update();
}

void PicturePreview::mouseMoveEvent(QMouseEvent* event)
{
    SelectionFrame& frame = m_editor.cropFrame();
    if (!frame.dragging())
        return;
    frame.trackDrag(event->position().toPoint(), size());
    update();
}

void PicturePreview::mouseReleaseEvent(QMouseEvent* event)
{
    SelectionFrame& frame = m_editor.cropFrame();
    if (frame.dragging())
        m_editor.endCropDrag(event->position().toPoint(), size());
    update();
}
