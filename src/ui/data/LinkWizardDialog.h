#pragma once
// The "Linked Database Wizard": a thin window over LinkWizardModel.

#include <QDialog>
#include <functional>

#include "ui/data/LinkWizardModel.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QWidget;

class LinkWizardDialog : public QDialog {
    Q_OBJECT
public:
    LinkWizardDialog(const QString& databaseFolder, const QString& linkPath, QWidget* parent = nullptr);

    LinkWizardModel& model() { return m_model; }
    // The chosen link (read after OK).
    QString linkPath() const { return m_model.linkPath(); }

    // File choosers and the connection builder; tests replace them.
    std::function<QString(const QString& filter, const QString& start)> chooseOpenFile;
    std::function<QString(const QString& filter, const QString& start)> chooseSaveFile;
    // Builds a connection starting from the given one; empty when cancelled.
    std::function<QString(const QString& start, QStringList& tables)> buildConnection;

    void nextClicked();
    void backClicked();
    // Brings the widgets in line with the model.
    void refresh();

private:
    QWidget* optionsPage();
    QWidget* databasePage();
    QWidget* selectionPage();
    QWidget* filterPage();
    QWidget* sortPage();
    QWidget* finishPage();
    void fileButtonClicked();
    void buildConnectionClicked();
    void tableChosen(int index);
    void showRecordsToggled(bool on);
    void listNextBlock();

    LinkWizardModel m_model;
    bool m_refreshing = false;
    QStackedWidget* m_pages = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_next = nullptr;
    QRadioButton* m_optionRadios[3] = {};
    QLabel* m_databaseLabel = nullptr;
    QLineEdit* m_fileEdit = nullptr;
    QWidget* m_adoPanel = nullptr;
    QLineEdit* m_connectionEdit = nullptr;
    QWidget* m_tablePanel = nullptr;
    QComboBox* m_tableCombo = nullptr;
    QRadioButton* m_allRecords = nullptr;
    QRadioButton* m_filterRecords = nullptr;
    QComboBox* m_fieldCombo = nullptr;
    QButtonGroup* m_comparisons = nullptr;
    QLineEdit* m_valueEdit = nullptr;
    QPushButton* m_addCondition = nullptr;
    QPushButton* m_addAnd = nullptr;
    QPushButton* m_addOr = nullptr;
    QPlainTextEdit* m_filterEdit = nullptr;
    QComboBox* m_sortFieldCombo = nullptr;
    QRadioButton* m_descending = nullptr;
    QPushButton* m_addSort = nullptr;
    QListWidget* m_sortList = nullptr;
    QCheckBox* m_showRecords = nullptr;
    QListWidget* m_recordList = nullptr;
    QLabel* m_countLabel = nullptr;
    QPushButton* m_cancelListing = nullptr;
};
