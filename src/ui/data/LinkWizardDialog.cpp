#include "ui/data/LinkWizardDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/data/ConnectionDialog.h"
#include "ui/data/DataDialogTexts.h"
#include "ui/shell/LoadProgress.h"
#include "ui/data/WizardFrame.h"

namespace T = DataTexts;

namespace {
const char* const kComparisons[] = {"=", "<", ">", "LIKE"};
const char* const kComparisonNames[] = {"EqualRadio", "LessRadio", "GreaterRadio", "LikeRadio"};

int comparisonIndex(const QString& comparison)
{
    for (int i = 0; i < 4; ++i)
        if (comparison == QLatin1String(kComparisons[i]))
            return i;
    return 0;
}
} // namespace

LinkWizardDialog::LinkWizardDialog(const QString& databaseFolder, const QString& linkPath, QWidget* parent)
    : QDialog(parent), m_model(databaseFolder)
{
    setObjectName(QStringLiteral("LinkDBForm"));
    setWindowTitle(T::LinkWizardTitle);
    chooseOpenFile = [this](const QString& filter, const QString& start) {
        return QFileDialog::getOpenFileName(this, QString(), start, filter);
    };
    chooseSaveFile = [this](const QString& filter, const QString& start) {
        QFileDialog dialog(this, QString(), start, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("dlf"));
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
    buildConnection = [this](const QString& start, QStringList& tables) {
        return ConnectionDialog::build(this, start, tables);
    };

    m_pages = new QStackedWidget;
    m_pages->setObjectName(QStringLiteral("LinkPages"));
    m_pages->addWidget(optionsPage());
    m_pages->addWidget(databasePage());
    m_pages->addWidget(selectionPage());
    m_pages->addWidget(filterPage());
    m_pages->addWidget(sortPage());
    m_pages->addWidget(finishPage());
    WizardButtons buttons = addWizardFrame(this, m_pages);
    m_back = buttons.back;
    m_next = buttons.next;
    connect(m_back, &QPushButton::clicked, this, &LinkWizardDialog::backClicked);
    connect(m_next, &QPushButton::clicked, this, &LinkWizardDialog::nextClicked);

    m_model.start(linkPath);
    refresh();
    resize(560, 400);
}

QWidget* LinkWizardDialog::optionsPage()
{
    QWidget* page = wizardPage("OptionsPage");
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    layout->addWidget(wrappedLabel(T::LinkIntro1));
    layout->addWidget(wrappedLabel(T::LinkIntro2));
    auto* group = new QGroupBox(T::WhatToDo);
    auto* groupLayout = new QVBoxLayout(group);
    const QString captions[] = {T::OptionPersonal, T::OptionNewLink, T::OptionExistingLink};
    const char* names[] = {"PersonalRadio", "NewLinkRadio", "ExistingLinkRadio"};
    for (int i = 0; i < 3; ++i) {
        m_optionRadios[i] = new QRadioButton(captions[i]);
        m_optionRadios[i]->setObjectName(QLatin1String(names[i]));
        groupLayout->addWidget(m_optionRadios[i]);
        connect(m_optionRadios[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on && !m_refreshing)
                m_model.setOption(LinkOption(i));
        });
    }
    layout->addWidget(group);
    layout->addStretch();
    return page;
}

QWidget* LinkWizardDialog::databasePage()
{
    QWidget* page = wizardPage("DatabasePage");
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    m_databaseLabel = new QLabel;
    layout->addWidget(m_databaseLabel);
    const FileChooserRow file = fileChooserRow("FileEdit");
    m_fileEdit = file.edit;
    connect(file.button, &QPushButton::clicked, this, &LinkWizardDialog::fileButtonClicked);
    layout->addLayout(file.row);

    m_adoPanel = new QWidget;
    m_adoPanel->setObjectName(QStringLiteral("AdoPanel"));
    auto* ado = new QVBoxLayout(m_adoPanel);
    ado->setContentsMargins(0, 8, 0, 0);
    ado->addWidget(wrappedLabel(T::AdoNote));
    ado->addWidget(new QLabel(T::AdoPrompt));
    m_connectionEdit = new QLineEdit;
    m_connectionEdit->setObjectName(QStringLiteral("ConnectionEdit"));
    ado->addWidget(m_connectionEdit);
    auto* build = new QPushButton(T::BuildConnection);
    build->setObjectName(QStringLiteral("BuildConnectionBtn"));
    connect(build, &QPushButton::clicked, this, &LinkWizardDialog::buildConnectionClicked);
    ado->addWidget(build, 0, Qt::AlignLeft);
    m_tablePanel = new QWidget;
    auto* tables = new QHBoxLayout(m_tablePanel);
    tables->setContentsMargins(0, 0, 0, 0);
    tables->addWidget(new QLabel(T::SelectTable));
    m_tableCombo = new QComboBox;
    m_tableCombo->setObjectName(QStringLiteral("TableCombo"));
    m_tableCombo->setEditable(true);
    m_tableCombo->setMinimumWidth(200);
    connect(m_tableCombo, &QComboBox::activated, this, &LinkWizardDialog::tableChosen);
    tables->addWidget(m_tableCombo, 1);
    ado->addWidget(m_tablePanel);
    layout->addWidget(m_adoPanel);
    layout->addStretch();
    return page;
}

QWidget* LinkWizardDialog::selectionPage()
{
    QWidget* page = wizardPage("RecordSelectionPage");
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    layout->addWidget(wrappedLabel(T::SelectionNote));
    auto* group = new QGroupBox(T::SelectionGroup);
    auto* groupLayout = new QVBoxLayout(group);
    m_allRecords = new QRadioButton(T::AllRecords);
    m_allRecords->setObjectName(QStringLiteral("AllRecordsRadio"));
    m_filterRecords = new QRadioButton(T::FilterRecords);
    m_filterRecords->setObjectName(QStringLiteral("FilterRadio"));
    groupLayout->addWidget(m_allRecords);
    groupLayout->addWidget(m_filterRecords);
    connect(m_allRecords, &QRadioButton::toggled, this, [this](bool on) {
        if (!m_refreshing)
            m_model.setAllRecords(on);
    });
    layout->addWidget(group);
    layout->addStretch();
    return page;
}

QWidget* LinkWizardDialog::filterPage()
{
    QWidget* page = wizardPage("FilterPage");
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    layout->addWidget(new QLabel(T::CompareField));
    m_fieldCombo = new QComboBox;
    m_fieldCombo->setObjectName(QStringLiteral("FieldCombo"));
    connect(m_fieldCombo, &QComboBox::activated, this, [this](int index) {
        m_model.filterField = m_fieldCombo->itemText(index);
        refresh();
    });
    layout->addWidget(m_fieldCombo);
    auto* group = new QGroupBox(T::Comparison);
    auto* row = new QHBoxLayout(group);
    m_comparisons = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        auto* radio = new QRadioButton(QLatin1String(kComparisons[i]));
        radio->setObjectName(QLatin1String(kComparisonNames[i]));
        m_comparisons->addButton(radio, i);
        row->addWidget(radio);
    }
    connect(m_comparisons, &QButtonGroup::idClicked, this,
            [this](int id) { m_model.comparison = QLatin1String(kComparisons[id]); });
    layout->addWidget(group);
    layout->addWidget(new QLabel(T::CompareValue));
    m_valueEdit = new QLineEdit;
    m_valueEdit->setObjectName(QStringLiteral("ValueEdit"));
    connect(m_valueEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_model.filterValue = text;
        refresh();
    });
    layout->addWidget(m_valueEdit);
    auto* buttons = new QHBoxLayout;
    m_addCondition = new QPushButton(T::AddCondition);
    m_addCondition->setObjectName(QStringLiteral("AddConditionBtn"));
    m_addAnd = new QPushButton(T::AddAnd);
    m_addAnd->setObjectName(QStringLiteral("AddAndBtn"));
    m_addOr = new QPushButton(T::AddOr);
    m_addOr->setObjectName(QStringLiteral("AddOrBtn"));
    connect(m_addCondition, &QPushButton::clicked, this, [this] {
        m_model.addCondition();
        refresh();
    });
    connect(m_addAnd, &QPushButton::clicked, this, [this] {
        m_model.addAnd();
        refresh();
        m_fieldCombo->setFocus();
    });
    connect(m_addOr, &QPushButton::clicked, this, [this] {
        m_model.addOr();
        refresh();
        m_fieldCombo->setFocus();
    });
    buttons->addWidget(m_addCondition);
    buttons->addWidget(m_addAnd);
    buttons->addWidget(m_addOr);
    buttons->addStretch();
    layout->addLayout(buttons);
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(new QLabel(T::FilterLabel));
    auto* clear = new QToolButton;
    clear->setObjectName(QStringLiteral("ClearFilterBtn"));
    clear->setText(QStringLiteral("X"));
    clear->setToolTip(T::ClearFilterHint);
    connect(clear, &QToolButton::clicked, this, [this] {
        m_model.clearFilter();
        refresh();
    });
    filterRow->addStretch();
    filterRow->addWidget(clear);
    layout->addLayout(filterRow);
    m_filterEdit = new QPlainTextEdit;
    m_filterEdit->setObjectName(QStringLiteral("FilterMemo"));
    connect(m_filterEdit, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_refreshing)
            m_model.filterText = m_filterEdit->toPlainText().replace('\n', QStringLiteral("\r\n"));
    });
    layout->addWidget(m_filterEdit, 1);
    return page;
}

QWidget* LinkWizardDialog::sortPage()
{
    QWidget* page = wizardPage("SortPage");
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    auto* caption = new QLabel(T::Sorting);
    m_sortFieldCombo = new QComboBox;
    m_sortFieldCombo->setObjectName(QStringLiteral("SortFieldCombo"));
    caption->setBuddy(m_sortFieldCombo);
    layout->addWidget(caption);
    connect(m_sortFieldCombo, &QComboBox::activated, this, [this](int index) {
        m_model.sortField = m_sortFieldCombo->itemText(index);
        refresh();
    });
    layout->addWidget(m_sortFieldCombo);
    auto* group = new QGroupBox(T::Order);
    auto* row = new QHBoxLayout(group);
    auto* ascending = new QRadioButton(T::Ascending);
    ascending->setObjectName(QStringLiteral("AscendingRadio"));
    ascending->setChecked(true);
    m_descending = new QRadioButton(T::Descending);
    m_descending->setObjectName(QStringLiteral("DescendingRadio"));
    connect(m_descending, &QRadioButton::toggled, this, [this](bool on) { m_model.descending = on; });
    row->addWidget(ascending);
    row->addWidget(m_descending);
    layout->addWidget(group);
    auto* buttons = new QHBoxLayout;
    m_addSort = new QPushButton(T::AddSort);
    m_addSort->setObjectName(QStringLiteral("AddSortBtn"));
    connect(m_addSort, &QPushButton::clicked, this, [this] {
        m_model.addSort();
        refresh();
        m_sortFieldCombo->setFocus();
    });
    auto* remove = new QToolButton;
    remove->setObjectName(QStringLiteral("RemoveSortBtn"));
    remove->setText(QStringLiteral("X"));
    remove->setToolTip(T::RemoveSortHint);
    connect(remove, &QToolButton::clicked, this, [this] {
        m_model.removeSort();
        refresh();
    });
    buttons->addWidget(m_addSort);
    buttons->addStretch();
    buttons->addWidget(remove);
    layout->addLayout(buttons);
    m_sortList = new QListWidget;
    m_sortList->setObjectName(QStringLiteral("SortList"));
    connect(m_sortList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_refreshing)
            m_model.selectSort(row);
    });
    layout->addWidget(m_sortList, 1);
    return page;
}

QWidget* LinkWizardDialog::finishPage()
{
    QWidget* page = wizardPage("FinishPage");
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    layout->addWidget(new QLabel(T::FinishNote));
    m_showRecords = new QCheckBox(T::ShowRecords);
    m_showRecords->setObjectName(QStringLiteral("ShowRecordsCheck"));
    connect(m_showRecords, &QCheckBox::toggled, this, &LinkWizardDialog::showRecordsToggled);
    layout->addWidget(m_showRecords);
    m_recordList = new QListWidget;
    m_recordList->setObjectName(QStringLiteral("RecordList"));
    layout->addWidget(m_recordList, 1);
    auto* row = new QHBoxLayout;
    m_countLabel = new QLabel;
    m_countLabel->setObjectName(QStringLiteral("CountLabel"));
    m_cancelListing = new QPushButton(T::CancelListing);
    m_cancelListing->setObjectName(QStringLiteral("CancelListingBtn"));
    connect(m_cancelListing, &QPushButton::clicked, this, [this] { m_model.cancelListing(); });
    row->addWidget(m_countLabel, 1);
    row->addWidget(m_cancelListing);
    layout->addLayout(row);
    return page;
}

void LinkWizardDialog::fileButtonClicked()
{
    const QString start = m_model.fileBox().isEmpty() ? m_model.databaseFolder() : m_model.fileBox();
    QString file;
    if (m_model.option() == LinkOption::NewLinkFile)
        file = chooseSaveFile(T::LinkFilesFilter, m_model.databaseFolder());
    else
        file = chooseOpenFile(
            m_model.option() == LinkOption::PersonalOrText ? T::PersonalFilesFilter : T::LinkFilesFilter, start);
    if (file.isEmpty())
        return;
    {
        LoadProgress progress(m_model.reader(), this);
        m_model.chooseFile(file);
    }
    refresh();
}

void LinkWizardDialog::buildConnectionClicked()
{
    QStringList tables;
    m_pages->setEnabled(false);
    m_next->setEnabled(false);
    m_back->setEnabled(false);
    const QString connection = buildConnection(m_connectionEdit->text(), tables);
    m_pages->setEnabled(true);
    if (!connection.isEmpty())
        m_model.setConnection(connection, tables);
    refresh();
}

void LinkWizardDialog::tableChosen(int index)
{
    // A typed connection counts as well as a built one.
    if (m_connectionEdit->text() != m_model.connection())
        m_model.setConnection(m_connectionEdit->text(), m_model.tables());
    {
        LoadProgress progress(m_model.reader(), this);
        m_model.chooseTable(m_tableCombo->itemText(index));
    }
    refresh();
}

void LinkWizardDialog::nextClicked()
{
    bool finished = false;
    {
        LoadProgress progress(m_model.reader(), this);
        finished = m_model.next();
    }
    if (finished) {
        m_model.cancelListing();
        accept();
        return;
    }
    refresh();
}

void LinkWizardDialog::backClicked()
{
    m_model.back();
    refresh();
}

void LinkWizardDialog::showRecordsToggled(bool on)
{
    if (m_refreshing)
        return;
    if (!on) {
        m_model.cancelListing();
        m_model.clearListing();
        refresh();
        return;
    }
    m_model.startListing();
    refresh();
    QTimer::singleShot(0, this, &LinkWizardDialog::listNextBlock);
}

// One block per turn of the event loop: the window answers between blocks.
void LinkWizardDialog::listNextBlock()
{
    const bool more = m_model.listNextBlock();
    refresh();
    if (more)
        QTimer::singleShot(0, this, &LinkWizardDialog::listNextBlock);
}

void LinkWizardDialog::refresh()
{
    m_refreshing = true;
    const LinkPage page = m_model.page();
    m_pages->setCurrentIndex(int(page));
    m_back->setEnabled(m_model.backEnabled());
    m_next->setEnabled(m_model.nextEnabled());
    m_next->setText(m_model.nextCaption());
    m_optionRadios[int(m_model.option())]->setChecked(true);

    m_databaseLabel->setText(m_model.databaseLabel());
    m_fileEdit->setText(m_model.fileBox());
    m_adoPanel->setVisible(m_model.adoPanelVisible());
    if (m_connectionEdit->text() != m_model.connection())
        m_connectionEdit->setText(m_model.connection());
    m_tablePanel->setVisible(m_model.tablePanelVisible());
    const QStringList tableItems = m_model.tables();
    if (tableItems != [this] {
            QStringList items;
            for (int i = 0; i < m_tableCombo->count(); ++i)
                items << m_tableCombo->itemText(i);
            return items;
        }()) {
        m_tableCombo->clear();
        m_tableCombo->addItems(tableItems);
    }
    m_tableCombo->setCurrentText(m_model.table());

    m_allRecords->setChecked(m_model.allRecords());
    m_filterRecords->setChecked(!m_model.allRecords());

    const QStringList fields = m_model.fields();
    if (m_fieldCombo->count() != fields.size()) {
        m_fieldCombo->clear();
        m_fieldCombo->addItems(fields);
        m_sortFieldCombo->clear();
        m_sortFieldCombo->addItems(fields);
    }
    m_fieldCombo->setCurrentIndex(int(fields.indexOf(m_model.filterField)));
    m_comparisons->button(comparisonIndex(m_model.comparison))->setChecked(true);
    if (m_valueEdit->text() != m_model.filterValue)
        m_valueEdit->setText(m_model.filterValue);
    m_addCondition->setEnabled(m_model.conditionEnabled());
    m_addAnd->setEnabled(m_model.andOrEnabled());
    m_addOr->setEnabled(m_model.andOrEnabled());
    const QString filterShown = QString(m_model.filterText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (m_filterEdit->toPlainText() != filterShown)
        m_filterEdit->setPlainText(filterShown);

    m_sortFieldCombo->setCurrentIndex(int(fields.indexOf(m_model.sortField)));
    m_addSort->setEnabled(m_model.addSortEnabled());
    m_sortList->clear();
    m_sortList->addItems(m_model.sortLines());
    m_sortList->setCurrentRow(m_model.sortSelection());

    if (m_recordList->count() > m_model.listedRecords().size() || m_model.listedRecords().isEmpty())
        m_recordList->clear();
    for (int i = m_recordList->count(); i < m_model.listedRecords().size(); ++i)
        m_recordList->addItem(m_model.listedRecords()[i]);
    m_showRecords->setChecked(m_model.listing() || !m_model.listedRecords().isEmpty());
    m_countLabel->setText(m_model.countText());
    m_cancelListing->setVisible(m_model.listing());
    m_refreshing = false;
}
