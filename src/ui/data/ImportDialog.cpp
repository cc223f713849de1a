#include "ui/data/ImportDialog.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/data/DataDialogTexts.h"
#include "ui/data/WizardFrame.h"
#include "ui/help/UserGuide.h"

namespace T = DataTexts;

namespace {
QListWidget* namedList(const char* name)
{
    auto* list = new QListWidget;
    list->setObjectName(QLatin1String(name));
    return list;
}
} // namespace

ImportDialog::ImportDialog(PdbKind kind, QWidget* parent) : QDialog(parent), m_model(kind)
{
    setObjectName(QStringLiteral("PDBImportForm"));
    setWindowTitle(T::ImportTitle);
    chooseFile = [this](const QString& filter) {
        QFileDialog dialog(this, QString(), QString(), filter);
        dialog.setDefaultSuffix(QStringLiteral("csv"));
        dialog.setFileMode(QFileDialog::ExistingFile);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(T::Step1));
    const FileChooserRow file = fileChooserRow("FilenameEdit");
    m_fileEdit = file.edit;
    m_fileEdit->setPlaceholderText(T::ImportFilename);
    connect(file.button, &QPushButton::clicked, this, &ImportDialog::fileButtonClicked);
    layout->addLayout(file.row);

    m_step2 = new QWidget;
    m_step2->setObjectName(QStringLiteral("Step2Panel"));
    auto* step2 = new QVBoxLayout(m_step2);
    step2->setContentsMargins(0, 8, 0, 0);
    step2->addWidget(new QLabel(T::Step2));
    auto* note = new QLabel(T::PairNote);
    note->setWordWrap(true);
    step2->addWidget(note);
    auto* lists = new QGridLayout;
    m_fields = namedList("FieldList");
    m_columns = namedList("ColumnList");
    m_pairs = namedList("PairList");
    m_add = namedButton(T::Add, "AddBtn");
    m_remove = namedButton(T::Remove, "RemoveBtn");
    lists->addWidget(m_fields, 0, 0, 2, 1);
    lists->addWidget(m_columns, 0, 1, 2, 1);
    lists->addWidget(m_add, 0, 2, Qt::AlignBottom);
    lists->addWidget(m_remove, 1, 2, Qt::AlignTop);
    lists->addWidget(m_pairs, 0, 3, 2, 1);
    step2->addLayout(lists, 1);
    layout->addWidget(m_step2, 1);
    for (QListWidget* list : {m_fields, m_columns, m_pairs})
        connect(list, &QListWidget::currentRowChanged, this, [this] {
            if (!m_refreshing) {
                takeSelections();
                refresh();
            }
        });
    connect(m_add, &QPushButton::clicked, this, [this] {
        takeSelections();
        m_model.add();
        refresh();
    });
    connect(m_remove, &QPushButton::clicked, this, [this] {
        takeSelections();
        m_model.remove();
        refresh();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_import = namedButton(T::Import, "ImportBtn");
    QPushButton* cancel = namedButton(T::Cancel, "CancelBtn");
    QPushButton* help = namedButton(T::Help, "HelpBtn");
    connect(m_import, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [] { openUserGuide(); });
    buttons->addWidget(m_import);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    layout->addLayout(buttons);
    refresh();
    resize(620, 420);
}

void ImportDialog::fileButtonClicked()
{
    m_model.chooseFile(chooseFile(T::ImportFilter));
    refresh();
}

void ImportDialog::takeSelections()
{
    m_model.fieldSelection = m_fields->currentRow();
    m_model.columnSelection = m_columns->currentRow();
    m_model.pairSelection = m_pairs->currentRow();
}

void ImportDialog::refresh()
{
    m_refreshing = true;
    m_fileEdit->setText(m_model.fileName());
    m_step2->setVisible(m_model.pairingVisible());
    m_fields->clear();
    for (const auto& field : m_model.fieldsLeft())
        m_fields->addItem(field.label);
    m_columns->clear();
    for (const auto& column : m_model.columnsLeft())
        m_columns->addItem(column.name);
    m_pairs->clear();
    for (const auto& pair : m_model.pairs())
        m_pairs->addItem(pair.text());
    m_fields->setCurrentRow(m_model.fieldSelection);
    m_columns->setCurrentRow(m_model.columnSelection);
    m_pairs->setCurrentRow(m_model.pairSelection);
    m_add->setEnabled(m_model.addEnabled());
    m_remove->setEnabled(m_model.removeEnabled());
    m_import->setEnabled(m_model.importEnabled());
    m_refreshing = false;
}
