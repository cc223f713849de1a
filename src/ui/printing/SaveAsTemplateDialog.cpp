#include "ui/printing/SaveAsTemplateDialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "files/FilesTexts.h"
#include "system/AppPaths.h"
#include "ui/printing/PrintingParts.h"
#include "ui/printing/PrintingTexts.h"
#include "ui/shell/DialogParts.h"

namespace T = PrintingTexts;

SaveAsTemplateDialog::SaveAsTemplateDialog(SaveAsTemplateForm& form, QWidget* parent) : QDialog(parent), m_form(form)
{
    setWindowTitle(T::SaveAsTemplateCaption);
    setMinimumWidth(460);
    auto* layout = new QVBoxLayout(this);
    auto* typeGroup = new QGroupBox(T::WizardType, this);
    auto* typeBox = new QVBoxLayout(typeGroup);
    m_types = new QListWidget(typeGroup);
    m_types->setObjectName(QStringLiteral("WizardTypeList"));
    m_types->addItems(FilesTexts::WizardTypeEntries);
    m_types->setCurrentRow(form.wizardEntry);
    typeBox->addWidget(m_types);
    layout->addWidget(typeGroup);

    QPushButton* choose = nullptr;
    layout->addWidget(fileNameGroup(this, &m_fileEdit, &choose));

    QDialogButtonBox* buttons = okCancelButtons(this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    layout->addWidget(buttons);

    chooseFile = [this] {
        QFileDialog dialog(this, T::SaveAsTemplateCaption, AppPaths::templateFolder(), T::TemplateFilter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("cct"));
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
    connect(choose, &QPushButton::clicked, this, [this] {
        const QString path = chooseFile ? chooseFile() : QString();
        if (!path.isEmpty())
            fileChosen(path);
    });
    connect(m_types, &QListWidget::currentRowChanged, this, [this](int row) { m_form.wizardEntry = std::max(row, 0); });
    fileChosen(form.path);
}

void SaveAsTemplateDialog::fileChosen(const QString& path)
{
    m_form.path = path;
    m_fileEdit->setText(path);
    m_ok->setEnabled(m_form.okEnabled());
}
