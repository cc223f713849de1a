#pragma once
// The pieces every family's dialogs are built from: the OK, Cancel and Help
// row, and named buttons and widgets (tests and pictures find them by name).

#include <QString>
#include <functional>

class QDialog;
class QDialogButtonBox;
class QPushButton;

// OK accepts and Cancel rejects the dialog; Help only emits the box's
// helpRequested. Buttons are named OKBtn, CancelBtn and HelpBtn.
QDialogButtonBox* okCancelHelpButtons(QDialog* dialog);

// OK and Cancel; with a check, OK runs it (and the check accepts the dialog
// when all is well) instead of accepting at once.
QDialogButtonBox* okCancelButtons(QDialog* dialog, std::function<void()> checkedOk = {});

// A push button that is never the default by accident, named for tests.
QPushButton* namedButton(const QString& caption, const char* objectName);

template <class W>
W* named(W* widget, const char* objectName)
{
    widget->setObjectName(QLatin1String(objectName));
    return widget;
}
