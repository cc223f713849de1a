#include "ui/shell/Hooks.h"

#include <QApplication>

#include "ui/shell/MainWindow.h"

namespace {

FamilyServices& liveServices()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<MainWindow*>(widget))
            return window->services();
    // No frame is up: nothing is offered.
    static FamilyServices none;
    none = FamilyServices();
    return none;
}

} // namespace

namespace Hooks {

FamilyServices::TextPicker& pickText() { return liveServices().pickText; }

FamilyServices::FieldBuilder& buildField() { return liveServices().buildField; }

std::optional<Picture> choosePictureOrFile(QWidget* parent, const Picture& current)
{
    return liveServices().choosePictureOrFile(parent, current);
}

} // namespace Hooks
