#pragma once
// What both wizards share: pages without tabs over a "<< &Back", "&Next >>",
// "&Cancel", Help row.

class QDialog;
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
