#include "ui/data/WizardFrame.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/data/DataDialogTexts.h"
#include "ui/help/UserGuide.h"

WizardButtons addWizardFrame(QDialog* dialog, QWidget* pages)
{
    WizardButtons buttons;
    buttons.back = namedButton(DataTexts::Back, "BackBtn");
    buttons.next = namedButton(DataTexts::Next, "NextBtn");
    buttons.next->setDefault(true);
    QPushButton* cancel = namedButton(DataTexts::Cancel, "CancelBtn");
    QPushButton* help = namedButton(DataTexts::Help, "HelpBtn");
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    QObject::connect(help, &QPushButton::clicked, dialog, [] { openUserGuide(); });
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(buttons.back);
    row->addWidget(buttons.next);
    row->addSpacing(12);
    row->addWidget(cancel);
    row->addWidget(help);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(pages, 1);
    layout->addLayout(row);
    return buttons;
}

QWidget* wizardPage(const char* objectName)
{
    auto* page = new QWidget;
    page->setObjectName(QLatin1String(objectName));
    new QVBoxLayout(page);
    return page;
}

QLabel* wrappedLabel(const QString& text)
{
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

FileChooserRow fileChooserRow(const char* editName)
{
    FileChooserRow parts;
    parts.row = new QHBoxLayout;
    parts.edit = new QLineEdit;
    parts.edit->setObjectName(QLatin1String(editName));
    parts.edit->setReadOnly(true);
    parts.button = namedButton(QStringLiteral("..."), "FileBtn");
    parts.button->setFixedWidth(32);
    parts.row->addWidget(parts.edit);
    parts.row->addWidget(parts.button);
    return parts;
}
