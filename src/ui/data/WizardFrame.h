#pragma once
// What the merge-data dialogs share: the wizards' pages without tabs over a
// "<< &Back", "&Next >>", "&Cancel", Help row, and wrapped labels.

#include "ui/shell/DialogParts.h"

class QDialog;
class QHBoxLayout;
class QLineEdit;
class QLabel;
class QPushButton;
class QString;
class QWidget;

struct WizardButtons {
    QPushButton* back = nullptr;
    QPushButton* next = nullptr;
};

// Lays out the pages over the button row (BackBtn, NextBtn, CancelBtn, HelpBtn).
WizardButtons addWizardFrame(QDialog* dialog, QWidget* pages);
// A page with a column layout, named for tests and pictures.
QWidget* wizardPage(const char* objectName);
QLabel* wrappedLabel(const QString& text);

// A read-only file box (named editName) with a "..." button (FileBtn) beside it.
struct FileChooserRow {
    QHBoxLayout* row = nullptr;
    QLineEdit* edit = nullptr;
    QPushButton* button = nullptr;
};
FileChooserRow fileChooserRow(const char* editName);
