#include "ui/editing/VariableTextDialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/editing/EditingTexts.h"
#include "ui/editing/PropertyValues.h"
#include "ui/shell/DialogParts.h"
#include "ui/shell/FamilyServices.h"

namespace T = EditingTexts;

namespace {
constexpr int kButtonTimerMs = 500;

QListWidgetItem* entryItem(const QString& entry)
{
    // An entry of several lines stays one row of the list.
    QString shown = entry;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral(" \u21B5 "));
    auto* item = new QListWidgetItem(shown);
    item->setData(Qt::UserRole, entry);
    return item;
}
} // namespace

VariableTextDialog::VariableTextDialog(const QStringList& entries, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("VarTextForm"));
    setWindowTitle(T::VarTextCaption);
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(T::VarTextNote, this);
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* listGroup = new QGroupBox(T::VarTextListGroup, this);
    auto* listLayout = new QVBoxLayout(listGroup);
    m_list = new QListWidget(listGroup);
    m_list->setObjectName(QStringLiteral("VarTextList"));
    m_list->setDragDropMode(QAbstractItemView::InternalMove);
    m_list->setDefaultDropAction(Qt::MoveAction);
    for (const QString& entry : entries)
        m_list->addItem(entryItem(entry));
    listLayout->addWidget(m_list);
    layout->addWidget(listGroup, 1);

    auto* textGroup = new QGroupBox(T::VarTextTextGroup, this);
    auto* textLayout = new QHBoxLayout(textGroup);
    m_text = new QPlainTextEdit(textGroup);
    m_text->setObjectName(QStringLiteral("TextMemo"));
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFixedHeight(70);
    textLayout->addWidget(m_text, 1);
    auto* buttons = new QVBoxLayout;
    m_add = new QPushButton(T::Add, textGroup);
    m_add->setObjectName(QStringLiteral("AddBtn"));
    m_remove = new QPushButton(T::Remove, textGroup);
    m_remove->setObjectName(QStringLiteral("RemoveBtn"));
    m_pick = new QPushButton(T::PickText, textGroup);
    m_pick->setObjectName(QStringLiteral("PickTextBtn"));
    for (QPushButton* button : {m_add, m_remove, m_pick})
        buttons->addWidget(button);
    buttons->addStretch();
    textLayout->addLayout(buttons);
    layout->addWidget(textGroup);
    layout->addWidget(okCancelHelpButtons(this));

    connect(m_add, &QPushButton::clicked, this, &VariableTextDialog::addEntry);
    connect(m_remove, &QPushButton::clicked, this, &VariableTextDialog::removeEntry);
    connect(m_pick, &QPushButton::clicked, this, &VariableTextDialog::pickText);
    connect(m_text, &QPlainTextEdit::textChanged, this, &VariableTextDialog::updateButtons);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &VariableTextDialog::updateButtons);
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &VariableTextDialog::updateButtons);
    timer->start(kButtonTimerMs);
    updateButtons();
    resize(420, 420);
}

QStringList VariableTextDialog::entries() const
{
    QStringList entries;
    for (int i = 0; i < m_list->count(); ++i)
        entries << m_list->item(i)->data(Qt::UserRole).toString();
    return entries;
}

void VariableTextDialog::addEntry()
{
    if (m_text->toPlainText().isEmpty())
        return;
    m_list->addItem(entryItem(PropertyValues::boxToEntry(m_text->toPlainText())));
    updateButtons();
}

void VariableTextDialog::removeEntry()
{
    const int row = m_list->currentRow();
    if (row < 0 || m_list->selectedItems().isEmpty())
        return;
    delete m_list->takeItem(row);
    updateButtons();
}

void VariableTextDialog::pickText()
{
    const auto& pick = FamilyServices::of(this).pickText;
    if (!pick)
        return;
    if (const std::optional<QString> text = pick(this))
        m_text->setPlainText(PropertyValues::entryToBox(*text));
}

void VariableTextDialog::updateButtons()
{
    m_add->setEnabled(!m_text->toPlainText().isEmpty());
    m_remove->setEnabled(m_list->count() > 0 && !m_list->selectedItems().isEmpty());
    const bool offered = bool(FamilyServices::of(this).pickText);
    m_pick->setEnabled(offered);
    m_pick->setToolTip(offered ? QString() : T::PickTextMissing);
}
