#include "ui/data/PdbDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "pdb/PdbTexts.h"
#include "ui/data/DataDialogTexts.h"
#include "ui/data/WizardFrame.h"
#include "ui/data/ImportDialog.h"
#include "ui/data/InputForm.h"
#include "ui/data/PdbFieldControls.h"
#include "ui/shell/DialogParts.h"

namespace T = DataTexts;

namespace {
constexpr int kTextBoxLimit = 511;

QString editorText(QWidget* editor)
{
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        return line->text();
    return static_cast<QPlainTextEdit*>(editor)->toPlainText().replace('\n', QStringLiteral("\r\n"));
}

void setEditorText(QWidget* editor, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        if (line->text() != text)
            line->setText(text);
        return;
    }
    auto* box = static_cast<QPlainTextEdit*>(editor);
    const QString shown = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (box->toPlainText() != shown)
        box->setPlainText(shown);
}
} // namespace

PdbPageWidget::PdbPageWidget(const QString& databaseFolder, PdbKind kind, QWidget* parent)
    : QWidget(parent), m_model(databaseFolder, kind)
{
    askName = [this](const QString& title, const QString& prompt, const QString& value) {
        return askLine(this, title, prompt, value);
    };
    chooseExportFile = [this](const QString& filter) {
        QFileDialog dialog(this, QString(), QString(), filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("txt"));
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
    chooseTextsImportFile = [this](const QString& filter) {
        return QFileDialog::getOpenFileName(this, QString(), QString(), filter);
    };
    runImport = [this](PdbPageModel& page) {
        ImportDialog dialog(page.kind(), this);
        if (dialog.exec() == QDialog::Accepted)
            page.importPairs(dialog.model().fileName(), dialog.model().pairs());
    };

    const bool names = kind == PdbKind::Names;
    auto* categoryRow = new QHBoxLayout;
    categoryRow->addWidget(new QLabel(T::Category));
    m_categories = new QComboBox;
    m_categories->setObjectName(QStringLiteral("CategoryCombo"));
    m_categories->setMinimumWidth(180);
    connect(m_categories, &QComboBox::activated, this, [this](int index) {
        m_model.selectCategory(m_categories->itemText(index));
        refresh();
    });
    categoryRow->addWidget(m_categories, 1);
    QPushButton* add = namedButton(T::AddCategory, "AddCategoryBtn");
    QPushButton* rename = namedButton(T::RenameCategory, "RenameCategoryBtn");
    QPushButton* remove = namedButton(T::DeleteCategory, "DeleteCategoryBtn");
    connect(add, &QPushButton::clicked, this, &PdbPageWidget::addCategoryClicked);
    connect(rename, &QPushButton::clicked, this, &PdbPageWidget::renameCategoryClicked);
    connect(remove, &QPushButton::clicked, this, [this] {
        m_model.deleteCategory();
        refresh();
    });
    categoryRow->addWidget(add);
    categoryRow->addWidget(rename);
    categoryRow->addWidget(remove);

    m_records = new QListWidget;
    m_records->setObjectName(QStringLiteral("RecordList"));
    m_records->setMaximumWidth(220);
    connect(m_records, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_refreshing || row < 0)
            return;
        m_model.selectRow(row);
        refresh();
    });

    auto* navigator = new QHBoxLayout;
    const char* navNames[] = {"InsertBtn", "DeleteBtn", "PostBtn", "CancelBtn"};
    const QString navTexts[] = {QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("\u2714"),
                                QStringLiteral("\u2716")};
    const QString navHints[] = {T::InsertHint, T::DeleteHint, T::PostHint, T::CancelHint};
    for (int i = 0; i < 4; ++i) {
        m_navigator[i] = new QToolButton;
        m_navigator[i]->setObjectName(QLatin1String(navNames[i]));
        m_navigator[i]->setText(navTexts[i]);
        m_navigator[i]->setToolTip(navHints[i]);
        navigator->addWidget(m_navigator[i]);
    }
    connect(m_navigator[0], &QToolButton::clicked, this, &PdbPageWidget::insertClicked);
    connect(m_navigator[1], &QToolButton::clicked, this, [this] {
        m_model.deleteRecord();
        refresh();
    });
    connect(m_navigator[2], &QToolButton::clicked, this, [this] {
        m_model.post();
        refresh();
    });
    connect(m_navigator[3], &QToolButton::clicked, this, [this] {
        m_model.cancel();
        refresh();
    });
    navigator->addStretch();
    m_import = namedButton(names ? T::ImportCategory : T::ImportDatabase, "ImportBtn");
    m_export = namedButton(names ? T::ExportCategory : T::ExportDatabase, "ExportBtn");
    connect(m_import, &QPushButton::clicked, this, &PdbPageWidget::importClicked);
    connect(m_export, &QPushButton::clicked, this, &PdbPageWidget::exportClicked);
    navigator->addWidget(m_import);
    navigator->addWidget(m_export);

    auto* body = new QHBoxLayout;
    body->addWidget(m_records);
    body->addWidget(fieldsPanel(), 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(categoryRow);
    layout->addLayout(body, 1);
    layout->addLayout(navigator);

    m_model.show();
    refresh();
}

QWidget* PdbPageWidget::fieldsPanel()
{
    QHash<QString, QFormLayout*> tabs;
    QWidget* single = nullptr;
    for (const PdbFieldControl& control : pdbFieldControls(m_model.kind())) {
        QWidget* editor = nullptr;
        if (control.multiLine) {
            auto* box = new QPlainTextEdit;
            connect(box, &QPlainTextEdit::textChanged, this, [this, box, field = control.field] {
                if (!m_refreshing)
                    fieldEdited(field, editorText(box));
            });
            editor = box;
        } else {
            auto* line = new QLineEdit;
            connect(line, &QLineEdit::textEdited, this,
                    [this, field = control.field](const QString& text) { fieldEdited(field, text); });
            editor = line;
        }
        editor->setObjectName(control.field + QStringLiteral("Edit"));
        m_editors.insert(control.field, editor);
        if (control.tab.isEmpty()) {
            single = editor;
            continue;
        }
        if (!m_fieldTabs) {
            m_fieldTabs = new QTabWidget;
            m_fieldTabs->setObjectName(QStringLiteral("FieldSheet"));
        }
        QFormLayout*& form = tabs[control.tab];
        if (!form) {
            auto* tab = new QWidget;
            form = new QFormLayout(tab);
            m_fieldTabs->addTab(tab, control.tab);
        }
        if (control.caption.isEmpty())
            form->addRow(editor);
        else
            form->addRow(control.caption, editor);
    }
    return m_fieldTabs ? m_fieldTabs : single;
}

void PdbPageWidget::fieldEdited(const QString& field, const QString& text)
{
    const QString value = m_model.kind() == PdbKind::Texts ? text.left(kTextBoxLimit) : text;
    m_model.setValue(field, value);
    if (value != text)
        refresh();
    else
        for (QToolButton* button : m_navigator)
            button->setEnabled(m_model.isOpen());
}

void PdbPageWidget::insertClicked()
{
    if (!m_model.insert())
        return;
    refresh();
    if (m_fieldTabs)
        m_fieldTabs->setCurrentIndex(0);
    m_editors.value(firstField(m_model.kind()))->setFocus();
}

void PdbPageWidget::addCategoryClicked()
{
    if (const auto name = askName(PdbTexts::NewCategoryTitle, PdbTexts::NewCategoryPrompt, QString()))
        m_model.addCategory(*name);
    refresh();
}

void PdbPageWidget::renameCategoryClicked()
{
    if (const auto name = askName(PdbTexts::RenameCategoryTitle, PdbTexts::RenameCategoryPrompt, m_model.category()))
        m_model.renameCategory(*name);
    refresh();
}

void PdbPageWidget::exportClicked()
{
    const QString file = chooseExportFile(T::ExportFilter);
    if (!file.isEmpty())
        m_model.exportTo(file);
    refresh();
}

void PdbPageWidget::importClicked()
{
    if (m_model.kind() == PdbKind::Texts) {
        const QString file = chooseTextsImportFile(T::TextsImportFilter);
        if (!file.isEmpty())
            m_model.importTexts(file);
    } else {
        runImport(m_model);
    }
    refresh();
}

void PdbPageWidget::refresh()
{
    m_refreshing = true;
    m_categories->clear();
    m_categories->addItems(m_model.categories());
    m_categories->setCurrentText(m_model.category());
    m_records->clear();
    m_records->addItems(m_model.recordTexts());
    m_records->setCurrentRow(m_model.selectedRow());
    for (auto it = m_editors.begin(); it != m_editors.end(); ++it) {
        setEditorText(it.value(), m_model.value(it.key()));
        it.value()->setEnabled(m_model.isOpen());
    }
    for (QToolButton* button : m_navigator)
        button->setEnabled(m_model.isOpen());
    m_import->setEnabled(m_model.transferEnabled());
    m_export->setEnabled(m_model.transferEnabled());
    m_refreshing = false;
}

PdbDialog::PdbDialog(const QString& databaseFolder, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PDBForm"));
    setWindowTitle(T::PdbTitle);
    m_sheet = new QTabWidget;
    m_sheet->setObjectName(QStringLiteral("PdbSheet"));
    const QString captions[] = {T::NamesPage, T::MediaPage, T::TextsPage};
    const char* names[] = {"NamesPage", "MediaPage", "TextsPage"};
    for (int i = 0; i < 3; ++i) {
        m_pages[i] = new PdbPageWidget(databaseFolder, PdbKind(i));
        m_pages[i]->setObjectName(QLatin1String(names[i]));
        m_sheet->addTab(m_pages[i], captions[i]);
    }
    QDialogButtonBox* buttons = okCancelHelpButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_sheet, 1);
    layout->addWidget(buttons);
    resize(720, 500);
}

void PdbDialog::showOnly(PdbKind kind)
{
    for (int i = m_sheet->count() - 1; i >= 0; --i)
        m_sheet->setTabVisible(i, i == int(kind));
    m_sheet->setCurrentIndex(int(kind));
}

void PdbDialog::accept()
{
    for (PdbPageWidget* page : m_pages)
        page->model().postPending();
    QDialog::accept();
}

std::optional<QString> PdbDialog::pickText(QWidget* parent, const QString& databaseFolder)
{
    PdbDialog dialog(databaseFolder, parent);
    dialog.showOnly(PdbKind::Texts);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.page(PdbKind::Texts).model().value(QStringLiteral("TEXT"));
}
