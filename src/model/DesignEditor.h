#pragma once
// One open design as the windows edit it, without widgets: the card, its
// manager, the ordered selection and the one door every change goes through.
// Each edit is one step on a QUndoStack (one user command, however many
// objects it touches); the modified flag follows the stack, and changed()
// tells every view, list and command rule to catch up.

#include <QObject>
#include <QRect>
#include <QString>
#include <QUndoStack>
#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "model/Card.h"
#include "model/ObjectManager.h"

class DesignEditor : public QObject {
    Q_OBJECT
public:
    static constexpr int kUndoLimit = 128;

    explicit DesignEditor(QObject* parent = nullptr);
    ~DesignEditor() override;

    Card& card() { return m_card; }
    const Card& card() const { return m_card; }
    ObjectManager& manager() { return m_manager; }
    const ObjectManager& manager() const { return m_manager; }

    // The zoom the design is shown at: a view setting the design file
    // remembers. It never changes a stored position or size.
    int32_t zoom = 100;

    // The selection, in the order the objects were selected.
    const std::vector<DesignObject*>& selection() const { return m_selection; }
    void select(DesignObject* object);
    void deselect(DesignObject* object);
    void clearSelection();
    void setSelection(const std::vector<DesignObject*>& objects);
    bool isSelected(const DesignObject* object) const;

    // --- The history and the modified flag.
    QUndoStack& undoStack() { return m_stack; }
    bool canUndo() const { return m_stack.canUndo(); }
    bool canRedo() const { return m_stack.canRedo(); }
    // False when there was nothing to undo or redo.
    bool undo();
    bool redo();
    bool isModified() const { return m_changedOutsideHistory || !m_stack.isClean(); }
    // After a successful save (or open): nothing to undo, nothing unsaved.
    void markSaved();
    // A change of the document the history does not hold (a new design not
    // yet saved, another linked data source): the design counts as modified.
    void markChanged();

    // --- Edits. Each is one undo step and emits changed(); none of them
    // runs the protection check, which the commands do first.
    DesignObject* addObject(std::unique_ptr<DesignObject> object, const QString& text = {});
    std::vector<DesignObject*> addObjects(std::vector<std::unique_ptr<DesignObject>> objects,
                                          const QString& text = {});
    void deleteObjects(const std::vector<DesignObject*>& objects, const QString& text = {});
    // New rectangles (design units); objects whose rectangle does not change
    // are left out. False when nothing changed (no step is recorded).
    using Placement = std::pair<DesignObject*, QRect>;
    bool placeObjects(const std::vector<Placement>& placements, const QString& text = {});
    // Moves the objects by (dx, dy) design units.
    bool moveObjects(const std::vector<DesignObject*>& objects, int dx, int dy, const QString& text = {});
    // Replaces objects' properties (geometry included) with new values; the
    // objects keep their identity and name. False when nothing changed.
    using Change = std::pair<DesignObject*, DesignObject>;
    bool changeObjects(const std::vector<Change>& changes, const QString& text = {});
    bool changeObject(DesignObject* object, const DesignObject& value, const QString& text = {});
    // Stacking order: the objects go on top, or to the bottom, keeping their order.
    void bringToFront(const std::vector<DesignObject*>& objects);
    void sendToBack(const std::vector<DesignObject*>& objects);
    // The live region's background and margins (left, right, top, bottom).
    void setBackground(const Picture& picture);
    void setMargins(const std::array<int32_t, 4>& margins);
    // The layout gave the card another size or stock outline. The layout is
    // the document's, so this is a change the history does not hold (an Undo
    // must never leave card and layout disagreeing); the steps made so far
    // stay, as they name objects that are still there.
    void setCardShape(QSize regionSize, int baseImage);

    // --- Regions. Shows another region (the history, which names the live
    // objects, is emptied; the modified flag stays). False when the live
    // region could not be stored: errorString() of the manager says why.
    bool showRegion(RegionId region);
    // Stores the live region so every slot is current (save, print).
    bool storeLiveRegion() { return m_manager.storeLiveRegion(); }
    // The card was filled by other code (a file, a template): nothing to
    // undo, the selection dropped, the views told.
    void contentReplaced();

signals:
    // The card's content changed (an edit, Undo, Redo, another region, a
    // change outside the history): repaint, refresh the property editor, the
    // object list, the commands and the title. Selecting alone emits nothing:
    // the design window's surface owns the selection and says so itself.
    void changed();
    void modifiedChanged(bool modified);

private:
    friend class EditorCommand;
    void push(class QUndoCommand* command);
    void afterStackChange();
    void pruneSelection();

    Card m_card;
    ObjectManager m_manager{m_card};
    std::vector<DesignObject*> m_selection;
    QUndoStack m_stack;
    bool m_changedOutsideHistory = false;
    bool m_lastModified = false;
};
