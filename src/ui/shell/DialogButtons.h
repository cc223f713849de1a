#pragma once
// The OK, Cancel and Help row the program's dialogs share.

class QDialog;
class QDialogButtonBox;

// OK accepts and Cancel rejects the dialog; Help only emits the box's
// helpRequested. Buttons are named OKBtn, CancelBtn and HelpBtn.
QDialogButtonBox* okCancelHelpButtons(QDialog* dialog);
