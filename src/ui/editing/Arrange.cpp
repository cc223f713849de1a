#include "ui/editing/Arrange.h"

#include "model/Alignment.h"
#include "model/DesignEditor.h"

namespace {

template <typename Place>
void placeSelection(DesignEditor& editor, Place place)
{
    if (editor.selection.empty())
        return;
    std::vector<QRect> rects;
    std::vector<ChangeRect> before;
    for (const ObjectControl* control : editor.selection) {
        rects.push_back(control->rect());
        before.push_back(controlRectInUnits(*control, editor.zoom));
    }
    const std::vector<QRect> placed = place(rects, Alignment::Area::of(editor.panel));
    for (size_t i = 0; i < editor.selection.size() && i < placed.size(); ++i) {
        ObjectControl* control = editor.selection[i];
        const QRect& r = placed[i];
        control->setBounds(r.x(), r.y(), r.width(), r.height());
        editor.manager.undoHistory().push({.type = ObjectMoved,
                                           .control = control,
                                           .rectBefore = before[i],
                                           .rectAfter = controlRectInUnits(*control, editor.zoom)});
    }
    editor.panel.repaint();
    editor.modified = true;
}

} // namespace

void alignObjects(DesignEditor& editor, int kind, bool selectionLocked)
{
    placeSelection(editor, [&](const std::vector<QRect>& rects, const Alignment::Area& area) {
        return Alignment::align(kind, rects, area, selectionLocked);
    });
}

void fitObjectsToMargins(DesignEditor& editor, bool selectionLocked)
{
    placeSelection(editor, [&](const std::vector<QRect>& rects, const Alignment::Area& area) {
        return Alignment::fitToMargins(rects, area, selectionLocked);
    });
}
