#pragma once
// The alignment commands on a design's selection, without widgets: the new
// places from the alignment arithmetic, then one ObjectMoved record per
// selected object (moved or not) and the modified flag.

struct DesignEditor;

void alignObjects(DesignEditor& editor, int kind, bool selectionLocked);
void fitObjectsToMargins(DesignEditor& editor, bool selectionLocked);
