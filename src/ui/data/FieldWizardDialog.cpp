#include "ui/data/FieldWizardDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/data/DataDialogTexts.h"
#include "ui/data/WizardFrame.h"

namespace T = DataTexts;

namespace {
const QString kCrLf = QStringLiteral("\r\n");
} // namespace

FieldWizardDialog::FieldWizardDialog(const QString& linkPath, const QString& startSpec, QWidget* parent)
    : QDialog(parent), m_model(linkPath, startSpec)
{
    setObjectName(QStringLiteral("BuildFieldForm"));
    setWindowTitle(T::FieldWizardTitle);
    m_pages = new QStackedWidget;
    m_pages->setObjectName(QStringLiteral("FieldPages"));
    m_pages->addWidget(introductionPage());
    m_pages->addWidget(constructionPage());
    const WizardButtons buttons = addWizardFrame(this, m_pages);
    m_back = buttons.back;
    m_next = buttons.next;
    connect(m_back, &QPushButton::clicked, this, &FieldWizardDialog::backClicked);
    connect(m_next, &QPushButton::clicked, this, &FieldWizardDialog::nextClicked);
    refresh();
    resize(520, 380);
}

QWidget* FieldWizardDialog::introductionPage()
{
    QWidget* page = wizardPage("IntroductionPage");
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    for (const QString& text : {T::FieldIntro1, T::FieldIntro2, T::FieldIntro3})
        layout->addWidget(wrappedLabel(text));
    for (const QString& sample : {T::FieldSample1, T::FieldSample2}) {
        auto* label = new QLabel(sample);
        label->setIndent(24);
        layout->addWidget(label);
    }
    layout->addStretch();
    return page;
}

QWidget* FieldWizardDialog::constructionPage()
{
    QWidget* page = wizardPage("ConstructionPage");
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(T::AddAField), 0, 0);
    m_fieldCombo = new QComboBox;
    m_fieldCombo->setObjectName(QStringLiteral("FieldCombo"));
    m_fieldCombo->addItems(m_model.fields());
    m_fieldCombo->setCurrentIndex(-1);
    connect(m_fieldCombo, &QComboBox::activated, this, [this](int index) {
        m_model.chosenField = m_fieldCombo->itemText(index);
        refresh();
    });
    grid->addWidget(m_fieldCombo, 0, 1);
    m_addField = namedButton(T::AddField, "AddFieldBtn");
    connect(m_addField, &QPushButton::clicked, this, [this] { act(&FieldWizardModel::addField); });
    grid->addWidget(m_addField, 0, 2);
    grid->addWidget(new QLabel(T::AddOtherText), 1, 0);
    m_textEdit = new QLineEdit;
    m_textEdit->setObjectName(QStringLiteral("TextEdit"));
    connect(m_textEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_model.otherText = text;
        refresh();
    });
    grid->addWidget(m_textEdit, 1, 1);
    m_addText = namedButton(T::AddText, "AddTextBtn");
    connect(m_addText, &QPushButton::clicked, this, [this] { act(&FieldWizardModel::addText); });
    grid->addWidget(m_addText, 1, 2);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);

    auto* separators = new QHBoxLayout;
    QPushButton* space = namedButton(T::AddSpace, "AddSpaceBtn");
    connect(space, &QPushButton::clicked, this, [this] { act(&FieldWizardModel::addSpace); });
    QPushButton* newLine = namedButton(T::AddNewLine, "AddNewLineBtn");
    connect(newLine, &QPushButton::clicked, this, [this] { act(&FieldWizardModel::addNewLine); });
    separators->addWidget(space);
    separators->addWidget(newLine);
    separators->addStretch();
    layout->addLayout(separators);
    layout->addWidget(wrappedLabel(T::ConstructionNote));

    auto* specRow = new QHBoxLayout;
    specRow->addWidget(new QLabel(T::ConstructedField));
    specRow->addStretch();
    auto* address = new QToolButton;
    address->setObjectName(QStringLiteral("StandardAddressBtn"));
    address->setText(QStringLiteral("@"));
    address->setToolTip(T::StandardAddressHint);
    connect(address, &QToolButton::clicked, this, [this] { act(&FieldWizardModel::standardAddress); });
    auto* clear = new QToolButton;
    clear->setObjectName(QStringLiteral("ClearBtn"));
    clear->setText(QStringLiteral("X"));
    clear->setToolTip(T::ClearHint);
    connect(clear, &QToolButton::clicked, this, [this] { act(&FieldWizardModel::clear); });
    specRow->addWidget(address);
    specRow->addWidget(clear);
    layout->addLayout(specRow);
    m_specEdit = new QPlainTextEdit;
    m_specEdit->setObjectName(QStringLiteral("ConstructedFieldMemo"));
    connect(m_specEdit, &QPlainTextEdit::textChanged, this, [this] {
        if (m_refreshing)
            return;
        m_model.spec = m_specEdit->toPlainText().replace('\n', kCrLf);
        refresh();
    });
    layout->addWidget(m_specEdit, 1);
    return page;
}

void FieldWizardDialog::act(void (FieldWizardModel::*action)())
{
    (m_model.*action)();
    refresh();
}

void FieldWizardDialog::nextClicked()
{
    if (m_model.next())
        accept();
    else
        refresh();
}

void FieldWizardDialog::backClicked()
{
    m_model.back();
    refresh();
}

void FieldWizardDialog::refresh()
{
    m_refreshing = true;
    m_pages->setCurrentIndex(m_model.onConstructionPage() ? 1 : 0);
    m_back->setEnabled(m_model.backEnabled());
    m_next->setText(m_model.nextCaption());
    m_next->setEnabled(!m_model.onConstructionPage() || m_model.nextEnabled());
    m_fieldCombo->setCurrentIndex(int(m_model.fields().indexOf(m_model.chosenField)));
    m_addField->setEnabled(m_model.addFieldEnabled());
    if (m_textEdit->text() != m_model.otherText)
        m_textEdit->setText(m_model.otherText);
    m_addText->setEnabled(m_model.addTextEnabled());
    const QString shown = QString(m_model.spec).replace(kCrLf, QStringLiteral("\n"));
    if (m_specEdit->toPlainText() != shown) {
        m_specEdit->setPlainText(shown);
        m_specEdit->moveCursor(QTextCursor::End);
    }
    m_refreshing = false;
}

std::optional<QString> FieldWizardDialog::run(QWidget* parent, const QString& linkPath, const QString& startSpec)
{
    FieldWizardDialog dialog(linkPath, startSpec, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.model().spec;
}
