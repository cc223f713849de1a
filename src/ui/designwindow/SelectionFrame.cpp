#include "ui/designwindow/SelectionFrame.h"

#include <algorithm>
#include <cstdlib>

#include "model/ObjectControl.h"

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
QRect unionOf(const std::vector<ObjectControl*>& controls, RectOf rectOf)
{
    if (controls.empty())
        return {};
    const QRect first = rectOf(*controls.front());
    Edges edges{first.x(), first.y(), first.x() + first.width(), first.y() + first.height()};
    for (const ObjectControl* control : controls)
        edges.include(rectOf(*control));
    return edges.rect();
}

QPoint clampedToCard(QPoint p, QSize card)
{
    return QPoint(std::clamp(p.x(), 0, std::max(0, card.width())), std::clamp(p.y(), 0, std::max(0, card.height())));
}

// A square of the handle size with its top-left at (x, y).
QRect handleAt(int x, int y) { return QRect(x, y, SelectionFrame::kHandleSize, SelectionFrame::kHandleSize); }

} // namespace

bool SelectionFrame::contains(const ObjectControl* control) const
{
    return std::find(m_selected.begin(), m_selected.end(), control) != m_selected.end();
}

void SelectionFrame::clear()
{
    m_selected.clear();
    m_locked = false;
    cancelDrag();
}

void SelectionFrame::attach(ObjectControl* control)
{
    if (control && !contains(control))
        m_selected.push_back(control);
}

void SelectionFrame::release(ObjectControl* control)
{
    m_selected.erase(std::remove(m_selected.begin(), m_selected.end(), control), m_selected.end());
    if (m_selected.empty())
        clear();
}

void SelectionFrame::setStep(int x, int y)
{
    m_stepX = std::max(1, x);
    m_stepY = std::max(1, y);
}

QRect SelectionFrame::frameRect() const
{
    return unionOf(m_selected, [](const ObjectControl& c) { return widened(c.rect()); });
}

QRect SelectionFrame::bounds() const
{
    return unionOf(m_selected, [](const ObjectControl& c) { return c.rect(); });
}

std::vector<QRect> SelectionFrame::handleSquares() const
{
    std::vector<QRect> squares;
    for (const ObjectControl* control : m_selected) {
        const QRect w = widened(control->rect());
        const int right = w.x() + w.width() - kHandleSize;
        const int bottom = w.y() + w.height() - kHandleSize;
        squares.insert(squares.end(), {handleAt(w.x(), w.y()), handleAt(right, w.y()), handleAt(w.x(), bottom),
                                       handleAt(right, bottom)});
        if (m_selected.size() == 1) {
            const int midX = w.x() + (w.width() - kHandleSize) / 2;
            const int midY = w.y() + (w.height() - kHandleSize) / 2;
            squares.insert(squares.end(), {handleAt(midX, w.y()), handleAt(midX, bottom), handleAt(w.x(), midY),
                                           handleAt(right, midY)});
        }
    }
    return squares;
}

QColor SelectionFrame::handleColor() const { return m_selected.size() > 1 ? QColor(Qt::red) : QColor(Qt::black); }

bool SelectionFrame::isOverSelection(QPoint cardPos) const
{
    return std::any_of(m_selected.begin(), m_selected.end(), [cardPos](const ObjectControl* c) {
        const QRect r = c->rect();
        return cardPos.x() >= r.x() - 2 && cardPos.x() < r.x() + r.width() + 2 && cardPos.y() >= r.y() - 2 &&
               cardPos.y() < r.y() + r.height() + 2;
    });
}

DragMode SelectionFrame::modeAt(QPoint cardPos) const
{
    if (m_selected.size() != 1)
        return DragMode::Move;
    const QRect frame = frameRect();
    const int x = cardPos.x() - frame.x(), y = cardPos.y() - frame.y();
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

void SelectionFrame::beginDrag(QPoint cardPos, DragMode mode)
{
    m_dragging = true;
    m_mode = m_selected.size() == 1 ? mode : DragMode::Move;
    m_start = cardPos;
    m_dragBounds = bounds();
    m_outline.reset();
}

QRect SelectionFrame::draggedRect(QPoint cardPos, QSize cardSize) const
{
    const QPoint p = clampedToCard(cardPos, cardSize);
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

std::optional<QRect> SelectionFrame::trackDrag(QPoint cardPos, QSize cardSize)
{
    const std::optional<QRect> previous = m_outline;
    if (m_dragging)
        m_outline = draggedRect(cardPos, cardSize);
    return previous;
}

bool SelectionFrame::endDrag(QPoint cardPos, QSize cardSize)
{
    if (!m_dragging)
        return false;
    const bool moved = clampedToCard(cardPos, cardSize) != m_start;
    const bool applied = moved && setBounds(draggedRect(cardPos, cardSize));
    cancelDrag();
    return applied;
}

void SelectionFrame::cancelDrag()
{
    m_dragging = false;
    m_outline.reset();
}

bool SelectionFrame::setBounds(const QRect& newBounds)
{
    if (m_locked || m_selected.empty())
        return false;
    const QRect old = bounds();
    const int dl = newBounds.x() - old.x(), dt = newBounds.y() - old.y();
    const int dw = newBounds.width() - old.width(), dh = newBounds.height() - old.height();
    for (ObjectControl* c : m_selected)
        c->setBounds(c->left + dl, c->top + dt, std::max(0, c->width + dw), std::max(0, c->height + dh));
    return true;
}

bool SelectionFrame::nudge(int dx, int dy)
{
    if (m_locked || m_selected.empty())
        return false;
    for (ObjectControl* c : m_selected)
        c->setBounds(c->left + dx, c->top + dy, c->width, c->height);
    return true;
}
