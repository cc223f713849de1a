#include "ui/shell/OptionsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "system/SettingsStore.h"
#include "ui/shell/DialogParts.h"
#include "ui/shell/ShellDialogTexts.h"

namespace T = ShellDialogTexts;

namespace {

QWidget* newPage(const char* objectName)
{
    auto* page = new QWidget;
    page->setObjectName(QLatin1String(objectName));
    new QVBoxLayout(page);
    return page;
}

QVBoxLayout* column(QWidget* page) { return static_cast<QVBoxLayout*>(page->layout()); }

} // namespace

OptionsDialog::OptionsDialog(const Options& current, QWidget* parent)
    : QDialog(parent), m_form(current), m_result(current)
{
    setObjectName(QStringLiteral("ConfigForm"));
    setWindowTitle(T::optionsCaption());
    chooseFolder = [this](const QString& start) { return QFileDialog::getExistingDirectory(this, QString(), start); };

    auto* sheet = new QTabWidget;
    sheet->setObjectName(QStringLiteral("ConfigSheet"));
    sheet->addTab(checksPage(OptionsPage::General), T::generalPage());
    sheet->addTab(gridPage(), T::gridPage());
    sheet->addTab(checksPage(OptionsPage::Printing), T::printingPage());
    sheet->addTab(foldersPage(), T::foldersPage());

    QDialogButtonBox* buttons = okCancelHelpButtons(this);
    connect(buttons, &QDialogButtonBox::helpRequested, this, &OptionsDialog::helpRequested);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sheet);
    layout->addWidget(buttons);
}

void OptionsDialog::addChecks(QWidget* page, OptionsPage which)
{
    for (const OptionCheck& option : optionChecks()) {
        if (option.page != which)
            continue;
        auto* check = new QCheckBox(option.caption);
        check->setObjectName(option.objectName);
        check->setChecked(m_form.isChecked(option.field));
        const auto field = option.field;
        connect(check, &QCheckBox::toggled, this, [this, field](bool on) { m_form.setChecked(field, on); });
        column(page)->addWidget(check);
    }
}

QWidget* OptionsDialog::checksPage(OptionsPage page)
{
    QWidget* widget = newPage(page == OptionsPage::General ? "GeneralPage" : "PrintingPage");
    addChecks(widget, page);
    column(widget)->addStretch();
    return widget;
}

QWidget* OptionsDialog::gridPage()
{
    QWidget* page = newPage("GridPage");
    auto* label = new QLabel(T::gridSize());
    label->setObjectName(QStringLiteral("GridSizeLabel"));
    auto* edit = new QLineEdit(m_form.gridSizeText());
    edit->setObjectName(QStringLiteral("GridSizeEdit"));
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    label->setBuddy(edit);
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { m_form.setGridSizeText(text); });
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(edit);
    row->addStretch();
    column(page)->addLayout(row);
    addChecks(page, OptionsPage::Grid);
    column(page)->addStretch();
    return page;
}

QWidget* OptionsDialog::foldersPage()
{
    QWidget* page = newPage("FoldersPage");
    for (const FolderRow& folder : folderRows()) {
        auto* label = new QLabel(folder.caption);
        label->setObjectName(folder.name + QStringLiteral("Label"));
        auto* edit = new QLineEdit(m_form.folderText(folder.field));
        edit->setObjectName(folder.name + QStringLiteral("Edit"));
        label->setBuddy(edit);
        auto* button = new QPushButton(T::browse());
        button->setObjectName(folder.name + QStringLiteral("Btn"));
        button->setFixedWidth(button->fontMetrics().horizontalAdvance(T::browse()) * 3);
        const auto field = folder.field;
        connect(edit, &QLineEdit::textChanged, this,
                [this, field](const QString& text) { m_form.setFolderText(field, text); });
        connect(button, &QPushButton::clicked, this, [this, &folder, edit] { browse(folder, edit); });
        auto* row = new QHBoxLayout;
        row->addWidget(edit);
        row->addWidget(button);
        column(page)->addWidget(label);
        column(page)->addLayout(row);
        column(page)->addSpacing(label->fontMetrics().height() / 2);
    }
    column(page)->addStretch();
    return page;
}

void OptionsDialog::browse(const FolderRow& row, QLineEdit* edit)
{
    m_form.folderChosen(row.field, chooseFolder(m_form.chooserStartFolder(row.field)));
    edit->setText(m_form.folderText(row.field));
}

void OptionsDialog::accept()
{
    m_result = m_form.result();
    QDialog::accept();
}

bool editOptions(QWidget* parent)
{
    OptionsDialog dialog(Options::current(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    Options::current() = dialog.options();
    Options::current().save(SettingsStore::instance());
    return true;
}

OptionsDialog* newOptionsDialog(const Options& shown, QWidget* parent) { return new OptionsDialog(shown, parent); }
