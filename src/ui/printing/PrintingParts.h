#pragma once
// Pieces only the printing family's dialogs use (the shared ones:
// ui/shell/DialogParts.h).

class QEvent;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QWidget;

// A mouse press with Ctrl and Shift held: what unlocks the hidden controls.
bool isControlShiftClick(const QEvent* event);

// The "Filename" group: a read-only box (FileEdit) and its choose button (ChooseFileBtn).
QGroupBox* fileNameGroup(QWidget* parent, QLineEdit** edit, QPushButton** choose);
