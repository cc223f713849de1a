#pragma once
// Pieces the printing family's dialogs share.

#include <functional>

class QDialog;
class QEvent;
class QDialogButtonBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QWidget;

// OK and Cancel; with a check, OK runs it (and the check accepts the dialog
// when all is well) instead of accepting at once.
QDialogButtonBox* okCancelButtons(QDialog* dialog, std::function<void()> checkedOk = {});

// A mouse press with Ctrl and Shift held: what unlocks the hidden controls.
bool isControlShiftClick(const QEvent* event);

// The "Filename" group: a read-only box (FileEdit) and its choose button (ChooseFileBtn).
QGroupBox* fileNameGroup(QWidget* parent, QLineEdit** edit, QPushButton** choose);
