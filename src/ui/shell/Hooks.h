#pragma once
// The names the property editor still reaches the family services by, until
// it takes them from its own window (MainWindow::services()). They are the
// services of the main window that is up; new code uses FamilyServices.

#include "ui/shell/FamilyServices.h"

namespace Hooks {

FamilyServices::TextPicker& pickText();
FamilyServices::FieldBuilder& buildField();
std::optional<Picture> choosePictureOrFile(QWidget* parent, const Picture& current);

} // namespace Hooks
