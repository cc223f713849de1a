#include "ui/designwindow/CardView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>

#include "gdi/Canvas.h"
#include "render/CardPainter.h"
#include "ui/designwindow/DesignSurface.h"

CardView::CardView(DesignSurface& surface, QWidget* parent) : QWidget(parent), m_surface(surface)
{
    setObjectName(QStringLiteral("CardPanel"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    // Every pixel is painted from the card image: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&surface, &DesignSurface::repaintNeeded, this, [this](const QRect& area) {
        if (area.isNull())
            update();
        else
            update(area);
    });
    connect(&surface, &DesignSurface::zoomChanged, this, &CardView::updateSize);
    updateSize();
}

QSize CardView::sizeHint() const
{
    return cardPixelSize(m_surface.editor().card(), m_surface.zoom());
}

void CardView::updateSize()
{
    setFixedSize(sizeHint());
    update();
}

const QImage& CardView::cardImage()
{
    const Card& card = m_surface.editor().card();
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(sizeHint()) * ratio).toSize();
    if (m_cacheValid && m_cacheRevision == m_surface.cardRevision() && m_cache.size() == pixels &&
        m_cache.devicePixelRatio() == ratio)
        return m_cache;
    if (m_cache.size() != pixels)
        m_cache = QImage(pixels, QImage::Format_RGB32);
    m_cache.setDevicePixelRatio(ratio);
    m_cache.fill(Qt::white);
    {
        QPainter painter(&m_cache);
        // The card is drawn in design units; the painter carries the zoom.
        painter.setTransform(zoomTransform(m_surface.zoom()));
        Canvas canvas(painter);
        paintCard(canvas, card);
    }
    m_cacheRevision = m_surface.cardRevision();
    m_cacheValid = true;
    return m_cache;
}

void CardView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QImage& image = cardImage();
    const QRect area = event->rect();
    const qreal ratio = image.devicePixelRatio();
    const QRectF source(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio);
    painter.drawImage(QRectF(area), image, source);
    paintSelection(painter);
}

void CardView::paintSelection(QPainter& painter) const
{
    const SelectionFrame& frame = m_surface.frame();
    if (frame.isEmpty())
        return;
    for (const QRect& square : frame.handleSquares())
        painter.fillRect(square, frame.handleColor());
    if (const auto outline = frame.dragOutline()) {
        // The focus-rectangle look: a dotted line that stays visible on any colour.
        painter.save();
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        QPen pen(Qt::white, 0, Qt::DotLine);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rectAtZoom(*outline, m_surface.zoom())).adjusted(0.5, 0.5, -0.5, -0.5));
        painter.restore();
    }
}

void CardView::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    m_surface.mousePress(event->position().toPoint(), event->button(), event->modifiers());
    setCursor(m_surface.cursorAt(event->position().toPoint()));
}

void CardView::mouseMoveEvent(QMouseEvent* event)
{
    m_surface.mouseMove(event->position().toPoint(), event->buttons());
    setCursor(m_surface.cursorAt(event->position().toPoint()));
}

void CardView::mouseReleaseEvent(QMouseEvent* event)
{
    m_surface.mouseRelease(event->position().toPoint(), event->button());
    setCursor(m_surface.cursorAt(event->position().toPoint()));
}

void CardView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_surface.mouseDoubleClick(event->position().toPoint());
    else
        m_surface.mousePress(event->position().toPoint(), event->button(), event->modifiers());
}

void CardView::keyPressEvent(QKeyEvent* event)
{
    if (!m_surface.keyPress(event->key(), event->modifiers()))
        QWidget::keyPressEvent(event);
}
