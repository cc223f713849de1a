#pragma once
// The alignment commands on a design's selection, without widgets: the new
// places from the alignment arithmetic (design units), put through the editor
// as one undo step for the whole command.

#include <vector>

class DesignEditor;

// Several kinds (the Alignment dialog's choices) are carried out one after
// the other on the rectangles and recorded as one step.
void alignObjects(DesignEditor& editor, const std::vector<int>& kinds, bool selectionLocked);
void alignObjects(DesignEditor& editor, int kind, bool selectionLocked);
void fitObjectsToMargins(DesignEditor& editor, bool selectionLocked);
