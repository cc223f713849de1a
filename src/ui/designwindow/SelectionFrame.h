#pragma once
// The selection frame, without widgets: the editor's ordered selection, the
// locked state, the snapping step, the handles and the drag arithmetic.
// Positions, sizes, the drag and snapping are in design units; only what is
// drawn a fixed number of pixels wide (the widening around an object, the
// handle squares, the zones a press hits) is in card pixels at the zoom.

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>
#include <vector>

#include "model/DesignEditor.h"

// What a drag does: move the selection, or size the one selected object by a
// corner or a side.
enum class DragMode { Move = 0, TopLeft, TopRight, BottomLeft, BottomRight, Top, Left, Bottom, Right };

class SelectionFrame {
public:
    static constexpr int kHandleSize = 5;

    // The selection is the editor's, so model commands (paste, delete, undo)
    // that change it and the frame always agree; the zoom is the editor's too.
    explicit SelectionFrame(DesignEditor& editor) : m_editor(editor) {}

    const std::vector<DesignObject*>& selected() const { return m_editor.selection(); }
    bool isEmpty() const { return selected().empty(); }
    int count() const { return int(selected().size()); }
    bool contains(const DesignObject* object) const { return m_editor.isSelected(object); }

    // Clearing also unlocks and ends a drag.
    void clear();
    // Adds at the end; an object already selected is not added twice.
    void attach(DesignObject* object);
    void release(DesignObject* object);

    bool locked() const { return m_locked; }
    void setLocked(bool locked) { m_locked = locked; }

    // The snapping step in design units, at least 1.
    void setStep(int x, int y);
    int stepX() const { return m_stepX; }
    int stepY() const { return m_stepY; }

    // --- Card pixels at the editor's zoom.
    // An object's pixel rectangle as the frame surrounds it: 2 more left and
    // top, 3 more right and bottom.
    static QRect widened(const QRect& pixelRect) { return pixelRect.adjusted(-2, -2, 3, 3); }
    QRect pixelRect(const DesignObject& object) const;
    // The union of the selected objects' widened pixel rectangles; empty when nothing is selected.
    QRect frameRect() const;
    // The 5 × 5 squares: the corners of every widened rectangle and, with one
    // object selected, the middles of its sides.
    std::vector<QRect> handleSquares() const;
    // Black for one object, red for several.
    QColor handleColor() const;
    // Whether a card pixel lies over a selected object (its pixel rectangle widened by 2 on every side).
    bool isOverSelection(QPoint pixelPos) const;
    // The drag mode a press at this card pixel would start: a handle of the
    // one selected object, otherwise a move.
    DragMode modeAt(QPoint pixelPos) const;

    // --- Design units.
    // The union of the selected objects' rectangles.
    QRect bounds() const;
    bool dragging() const { return m_dragging; }
    DragMode dragMode() const { return m_mode; }
    QPoint dragStart() const { return m_start; }
    void beginDrag(QPoint unitPos, DragMode mode);
    // The bounds a drag to this point gives (the pointer kept on a card of cardSize units).
    QRect draggedRect(QPoint unitPos, QSize cardSize) const;
    // Remembers the outline shown for the pointer; returns the previous one.
    std::optional<QRect> trackDrag(QPoint unitPos, QSize cardSize);
    std::optional<QRect> dragOutline() const { return m_outline; }
    // Ends the drag: the selected objects' new rectangles when the pointer
    // left its start point, otherwise (or while locked) none.
    std::vector<DesignEditor::Placement> endDrag(QPoint unitPos, QSize cardSize);
    void cancelDrag();

    // Every selected object moved and sized by the change from bounds() to
    // newBounds; none while locked. Sizes never go below 0.
    std::vector<DesignEditor::Placement> placementsFor(const QRect& newBounds) const;

private:
    static int snap(int value, int step) { return value / step * step; }

    DesignEditor& m_editor;
    bool m_locked = false;
    int m_stepX = 1;
    int m_stepY = 1;
    bool m_dragging = false;
    DragMode m_mode = DragMode::Move;
    QPoint m_start;
    QRect m_dragBounds;
    std::optional<QRect> m_outline;
};
