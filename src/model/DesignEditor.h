#pragma once
// The headless state of one design window that editing commands work on:
// the card, its manager, the zoom, the ordered selection and the modified flag.

#include <vector>

#include "model/Card.h"
#include "model/ObjectManager.h"

struct DesignEditor {
    Card panel;
    ObjectManager manager{panel};
    int32_t zoom = 100;
    std::vector<ObjectControl*> selection;
    bool modified = false;
    ControlHandlers handlers;

    DesignEditor() = default;
    DesignEditor(const DesignEditor&) = delete;
    DesignEditor& operator=(const DesignEditor&) = delete;

    void select(ObjectControl* control);
    void deselect(ObjectControl* control);
    void clearSelection() { selection.clear(); }
    bool isSelected(const ObjectControl* control) const;

    // Undo and redo may destroy or re-create the selected controls, so the
    // selection is dropped first. False when there was nothing to apply.
    bool undo();
    bool redo();
};
