#include "model/DesignEditor.h"

#include <algorithm>

void DesignEditor::select(ObjectControl* control)
{
    if (control && !isSelected(control))
        selection.push_back(control);
}

void DesignEditor::deselect(ObjectControl* control)
{
    selection.erase(std::remove(selection.begin(), selection.end(), control), selection.end());
}

bool DesignEditor::isSelected(const ObjectControl* control) const
{
    return std::find(selection.begin(), selection.end(), control) != selection.end();
}

bool DesignEditor::undo()
{
    clearSelection();
    return manager.undo(zoom, handlers);
}

bool DesignEditor::redo()
{
    clearSelection();
    return manager.redo(zoom, handlers);
}
