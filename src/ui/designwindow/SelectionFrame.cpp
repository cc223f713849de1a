#include "ui/designwindow/SelectionFrame.h"

#include <algorithm>
#include <cstdlib>

#include "model/DesignObject.h"
#include "render/CardPainter.h"

namespace {

// QRect::united skips empty rectangles, but an object may be 0 × 0 and still
// count: unions are taken over edges.
struct Edges {
    int left, top, right, bottom;  // right and bottom exclusive
    void include(const QRect& r)
    {
        left = std::min(left, r.x());
        top = std::min(top, r.y());
        right = std::max(right, r.x() + r.width());
        bottom = std::max(bottom, r.y() + r.height());
    }
    QRect rect() const { return QRect(left, top, right - left, bottom - top); }
};

template <typename RectOf>
QRect unionOf(const std::vector<DesignObject*>& objects, RectOf rectOf)
{
    if (objects.empty())
        return {};
    const QRect first = rectOf(*objects.front());
    Edges edges{first.x(), first.y(), first.x() + first.width(), first.y() + first.height()};
    for (const DesignObject* object : objects)
        edges.include(rectOf(*object));
    return edges.rect();
}

QPoint clampedToCard(QPoint p, QSize card)
{
    return QPoint(std::clamp(p.x(), 0, std::max(0, card.width())), std::clamp(p.y(), 0, std::max(0, card.height())));
}

// A square of the handle size with its top-left at (x, y).
QRect handleAt(int x, int y) { return QRect(x, y, SelectionFrame::kHandleSize, SelectionFrame::kHandleSize); }

} // namespace

void SelectionFrame::clear()
{
    m_editor.clearSelection();
    m_locked = false;
    cancelDrag();
}

void SelectionFrame::attach(DesignObject* object)
{
    m_editor.select(object);
}

void SelectionFrame::release(DesignObject* object)
{
    m_editor.deselect(object);
    if (isEmpty())
        clear();
}

void SelectionFrame::setStep(int x, int y)
{
    m_stepX = std::max(1, x);
    m_stepY = std::max(1, y);
}

QRect SelectionFrame::pixelRect(const DesignObject& object) const { return rectAtZoom(object.rect(), m_editor.zoom); }

QRect SelectionFrame::frameRect() const
{
    return unionOf(selected(), [this](const DesignObject& o) { return widened(pixelRect(o)); });
}

QRect SelectionFrame::bounds() const
{
    return unionOf(selected(), [](const DesignObject& o) { return o.rect(); });
}

std::vector<QRect> SelectionFrame::handleSquares() const
{
    std::vector<QRect> squares;
    const auto& objects = selected();
    for (const DesignObject* object : objects) {
        const QRect w = widened(pixelRect(*object));
        const int right = w.x() + w.width() - kHandleSize;
        const int bottom = w.y() + w.height() - kHandleSize;
        squares.insert(squares.end(), {handleAt(w.x(), w.y()), handleAt(right, w.y()), handleAt(w.x(), bottom),
                                       handleAt(right, bottom)});
        if (objects.size() == 1) {
            const int midX = w.x() + (w.width() - kHandleSize) / 2;
            const int midY = w.y() + (w.height() - kHandleSize) / 2;
            squares.insert(squares.end(), {handleAt(midX, w.y()), handleAt(midX, bottom), handleAt(w.x(), midY),
                                           handleAt(right, midY)});
        }
    }
    return squares;
}

QColor SelectionFrame::handleColor() const { return count() > 1 ? QColor(Qt::red) : QColor(Qt::black); }

bool SelectionFrame::isOverSelection(QPoint pixelPos) const
{
    const auto& objects = selected();
    return std::any_of(objects.begin(), objects.end(), [this, pixelPos](const DesignObject* o) {
        const QRect r = pixelRect(*o);
        return pixelPos.x() >= r.x() - 2 && pixelPos.x() < r.x() + r.width() + 2 && pixelPos.y() >= r.y() - 2 &&
               pixelPos.y() < r.y() + r.height() + 2;
    });
}

DragMode SelectionFrame::modeAt(QPoint pixelPos) const
{
    if (count() != 1)
        return DragMode::Move;
    const QRect frame = frameRect();
    const int x = pixelPos.x() - frame.x(), y = pixelPos.y() - frame.y();
    const int w = frame.width(), h = frame.height();
    const auto near = [](int d, int limit) { return std::abs(d) < limit; };
    // Later zones win where they overlap (small objects).
    const struct {
        bool hit;
        DragMode mode;
    } zones[] = {
        {near(x, 6) && near(y, 6), DragMode::TopLeft},
        {near(x - w, 6) && near(y - h, 6), DragMode::BottomRight},
        {near(x - w, 6) && near(y, 6), DragMode::TopRight},
        {near(x, 6) && near(y - h, 6), DragMode::BottomLeft},
        {near(x - w / 2, 4) && near(y, 6), DragMode::Top},
        {near(x - w / 2, 4) && near(y - h, 6), DragMode::Bottom},
        {near(y - h / 2, 4) && near(x, 6), DragMode::Left},
        {near(y - h / 2, 4) && near(x - w, 6), DragMode::Right},
    };
    DragMode mode = DragMode::Move;
    for (const auto& zone : zones)
        if (zone.hit)
            mode = zone.mode;
    return mode;
}

void SelectionFrame::beginDrag(QPoint unitPos, DragMode mode)
{
    m_dragging = true;
    m_mode = count() == 1 ? mode : DragMode::Move;
    m_start = unitPos;
    m_dragBounds = bounds();
    m_outline.reset();
}

QRect SelectionFrame::draggedRect(QPoint unitPos, QSize cardSize) const
{
    const QPoint p = clampedToCard(unitPos, cardSize);
    const int dx = p.x() - m_start.x(), dy = p.y() - m_start.y();
    const QRect& b = m_dragBounds;
    const int right = b.x() + b.width(), bottom = b.y() + b.height();
    int left = b.x(), top = b.y(), width = b.width(), height = b.height();
    const auto moveLeft = [&] { left = snap(b.x() + dx, m_stepX); width = right - left; };
    const auto moveTop = [&] { top = snap(b.y() + dy, m_stepY); height = bottom - top; };
    const auto sizeWidth = [&] { width = snap(b.width() + dx, m_stepX); };
    const auto sizeHeight = [&] { height = snap(b.height() + dy, m_stepY); };
    switch (m_mode) {
    case DragMode::Move:
        left = snap(b.x() + dx, m_stepX);
        top = snap(b.y() + dy, m_stepY);
        break;
    case DragMode::TopLeft: moveLeft(); moveTop(); break;
    case DragMode::TopRight: moveTop(); sizeWidth(); break;
    case DragMode::BottomLeft: moveLeft(); sizeHeight(); break;
    case DragMode::BottomRight: sizeWidth(); sizeHeight(); break;
    case DragMode::Top: moveTop(); break;
    case DragMode::Left: moveLeft(); break;
    case DragMode::Bottom: sizeHeight(); break;
    case DragMode::Right: sizeWidth(); break;
    }
    return QRect(left, top, std::max(0, width), std::max(0, height));
}

std::optional<QRect> SelectionFrame::trackDrag(QPoint unitPos, QSize cardSize)
{
    const std::optional<QRect> previous = m_outline;
    if (m_dragging)
        m_outline = draggedRect(unitPos, cardSize);
    return previous;
}

std::vector<DesignEditor::Placement> SelectionFrame::endDrag(QPoint unitPos, QSize cardSize)
{
    if (!m_dragging)
        return {};
    const bool moved = clampedToCard(unitPos, cardSize) != m_start;
    std::vector<DesignEditor::Placement> placements;
    if (moved)
        placements = placementsFor(draggedRect(unitPos, cardSize));
    cancelDrag();
    return placements;
}

void SelectionFrame::cancelDrag()
{
    m_dragging = false;
    m_outline.reset();
}

std::vector<DesignEditor::Placement> SelectionFrame::placementsFor(const QRect& newBounds) const
{
    if (m_locked || isEmpty())
        return {};
    const QRect old = bounds();
    const int dl = newBounds.x() - old.x(), dt = newBounds.y() - old.y();
    const int dw = newBounds.width() - old.width(), dh = newBounds.height() - old.height();
    std::vector<DesignEditor::Placement> placements;
    for (DesignObject* o : selected())
        placements.emplace_back(o, QRect(o->left + dl, o->top + dt, std::max(0, o->width + dw),
                                         std::max(0, o->height + dh)));
    return placements;
}
