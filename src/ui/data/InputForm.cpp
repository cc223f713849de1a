#include "ui/data/InputForm.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

std::optional<QString> askLine(QWidget* parent, const QString& title, const QString& prompt, const QString& value)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("InputForm"));
    dialog.setWindowTitle(title);
    auto* edit = new QLineEdit(value);
    edit->setObjectName(QStringLiteral("InputEdit"));
    edit->selectAll();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(prompt));
    layout->addWidget(edit);
    layout->addWidget(buttons);
    dialog.resize(320, dialog.sizeHint().height());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return edit->text();
}
