#include "ui/shell/DialogParts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <tuple>

#include "ui/shell/ShellDialogTexts.h"

namespace T = ShellDialogTexts;

QDialogButtonBox* okCancelHelpButtons(QDialog* dialog)
{
    auto* buttons = new QDialogButtonBox(dialog);
    const std::tuple<QDialogButtonBox::StandardButton, const char*, QString> kinds[] = {
        {QDialogButtonBox::Ok, "OKBtn", T::ok()},
        {QDialogButtonBox::Cancel, "CancelBtn", T::cancel()},
        {QDialogButtonBox::Help, "HelpBtn", T::help()},
    };
    for (const auto& [which, objectName, caption] : kinds) {
        QPushButton* button = buttons->addButton(which);
        button->setObjectName(QLatin1String(objectName));
        button->setText(caption);
    }
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QDialogButtonBox* okCancelButtons(QDialog* dialog, std::function<void()> checkedOk)
{
    QDialogButtonBox* buttons = okCancelHelpButtons(dialog);
    buttons->button(QDialogButtonBox::Help)->hide();
    if (checkedOk) {
        QObject::disconnect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, std::move(checkedOk));
    }
    return buttons;
}

QPushButton* namedButton(const QString& caption, const char* objectName)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(QLatin1String(objectName));
    button->setAutoDefault(false);
    return button;
}
