#pragma once
// The selection frame, without widgets: the ordered selected objects, the
// locked state, the snapping step, the handles and the drag arithmetic.
// Everything is in card pixels; the frame itself only paints its handles.

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>
#include <vector>

class ObjectControl;

// What a drag does: move the selection, or size the one selected object by a
// corner or a side.
enum class DragMode { Move = 0, TopLeft, TopRight, BottomLeft, BottomRight, Top, Left, Bottom, Right };

class SelectionFrame {
public:
    static constexpr int kHandleSize = 5;

    // The list is the editor's selection, so model commands (paste, delete,
    // undo) that change it and the frame always agree.
    explicit SelectionFrame(std::vector<ObjectControl*>& selected) : m_selected(selected) {}

    const std::vector<ObjectControl*>& selected() const { return m_selected; }
    bool isEmpty() const { return m_selected.empty(); }
    int count() const { return int(m_selected.size()); }
    bool contains(const ObjectControl* control) const;

    // Clearing also unlocks and ends a drag.
    void clear();
    // Adds at the end; an object already selected is not added twice.
    void attach(ObjectControl* control);
    void release(ObjectControl* control);

    bool locked() const { return m_locked; }
    void setLocked(bool locked) { m_locked = locked; }

    // The step is at least 1. Above 255 it is kept as it is: a large grid at a
    // high zoom (32 at zoom 800 is 256) keeps snapping to the grid it shows
    // instead of wrapping round to a tiny step.
    void setStep(int x, int y);
    int stepX() const { return m_stepX; }
    int stepY() const { return m_stepY; }

    // An object's rectangle as the frame surrounds it: 2 more left and top, 3 more right and bottom.
    static QRect widened(const QRect& objectRect) { return objectRect.adjusted(-2, -2, 3, 3); }
    // The union of the selected objects' widened rectangles; empty when nothing is selected.
    QRect frameRect() const;
    // The union of the selected objects' own rectangles.
    QRect bounds() const;
    // The 5 × 5 squares: the corners of every widened rectangle and, with one
    // object selected, the middles of its sides.
    std::vector<QRect> handleSquares() const;
    // Black for one object, red for several.
    QColor handleColor() const;

    // Whether a card point lies over a selected object (its rectangle widened by 2 on every side).
    bool isOverSelection(QPoint cardPos) const;
    // The drag mode a press at this card point would start: a handle of the
    // one selected object, otherwise a move.
    DragMode modeAt(QPoint cardPos) const;

    bool dragging() const { return m_dragging; }
    DragMode dragMode() const { return m_mode; }
    QPoint dragStart() const { return m_start; }
    void beginDrag(QPoint cardPos, DragMode mode);
    // The rectangle a drag to this point gives (the pointer kept on the card).
    QRect draggedRect(QPoint cardPos, QSize cardSize) const;
    // Remembers the outline shown for the pointer; returns the previous one.
    std::optional<QRect> trackDrag(QPoint cardPos, QSize cardSize);
    std::optional<QRect> dragOutline() const { return m_outline; }
    // Ends the drag; applies the new rectangle when the pointer left its start point.
    bool endDrag(QPoint cardPos, QSize cardSize);
    void cancelDrag();

    // Moves and sizes every selected object by the change from bounds() to
    // newBounds; does nothing while locked. Sizes never go below 0.
    bool setBounds(const QRect& newBounds);
    // Moves the selection unsnapped; does nothing while locked.
    bool nudge(int dx, int dy);

private:
    int snap(int value, int step) const { return value / step * step; }

    std::vector<ObjectControl*>& m_selected;
    bool m_locked = false;
    int m_stepX = 1;
    int m_stepY = 1;
    bool m_dragging = false;
    DragMode m_mode = DragMode::Move;
    QPoint m_start;
    QRect m_dragBounds;
    std::optional<QRect> m_outline;
};
