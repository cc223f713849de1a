#include "ui/editing/Arrange.h"

#include "model/Alignment.h"
#include "model/DesignEditor.h"
#include "model/ModelTexts.h"

namespace {

template <typename Place>
void placeSelection(DesignEditor& editor, Place place)
{
    const std::vector<DesignObject*> selection = editor.selection();
    if (selection.empty())
        return;
    std::vector<QRect> rects;
    for (const DesignObject* object : selection)
        rects.push_back(object->rect());
    const std::vector<QRect> placed = place(rects, Alignment::Area::of(editor.card()));
    std::vector<DesignEditor::Placement> placements;
    for (size_t i = 0; i < selection.size() && i < placed.size(); ++i)
        placements.emplace_back(selection[i], placed[i]);
    editor.placeObjects(placements, ModelTexts::UndoAlign);
}

} // namespace

void alignObjects(DesignEditor& editor, const std::vector<int>& kinds, bool selectionLocked)
{
    placeSelection(editor, [&](std::vector<QRect> rects, const Alignment::Area& area) {
        for (int kind : kinds)
            rects = Alignment::align(kind, rects, area, selectionLocked);
        return rects;
    });
}

void alignObjects(DesignEditor& editor, int kind, bool selectionLocked)
{
    alignObjects(editor, std::vector<int>{kind}, selectionLocked);
}

void fitObjectsToMargins(DesignEditor& editor, bool selectionLocked)
{
    placeSelection(editor, [&](const std::vector<QRect>& rects, const Alignment::Area& area) {
        return Alignment::fitToMargins(rects, area, selectionLocked);
    });
}
