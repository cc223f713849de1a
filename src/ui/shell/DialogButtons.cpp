#include "ui/shell/DialogButtons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <tuple>

#include "ui/shell/ShellDialogTexts.h"

namespace T = ShellDialogTexts;

QDialogButtonBox* okCancelHelpButtons(QDialog* dialog)
{
    auto* buttons = new QDialogButtonBox(dialog);
    const std::tuple<QDialogButtonBox::StandardButton, const char*, QString> named[] = {
        {QDialogButtonBox::Ok, "OKBtn", T::ok()},
        {QDialogButtonBox::Cancel, "CancelBtn", T::cancel()},
        {QDialogButtonBox::Help, "HelpBtn", T::help()},
    };
    for (const auto& [which, objectName, caption] : named) {
        QPushButton* button = buttons->addButton(which);
        button->setObjectName(QLatin1String(objectName));
        button->setText(caption);
    }
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}
