#pragma once
// The "Personal Databases" dialog: Names and Addresses, Media and Texts
// pages, each a thin window over a PdbPageModel. Opened as a manager (all
// pages) or for picking one record of one page.

#include <QDialog>
#include <QHash>
#include <functional>
#include <memory>
#include <optional>

#include "ui/data/PdbPageModel.h"

class QComboBox;
class QListWidget;
class QPushButton;
class QTabWidget;
class QToolButton;

class PdbPageWidget : public QWidget {
    Q_OBJECT
public:
    PdbPageWidget(const QString& databaseFolder, PdbKind kind, QWidget* parent = nullptr);

    PdbPageModel& model() { return m_model; }
    void refresh();

    // Asked for a category name (title, prompt, value); tests replace it.
    std::function<std::optional<QString>(const QString&, const QString&, const QString&)> askName;
    std::function<QString(const QString& filter)> chooseExportFile;
    std::function<QString(const QString& filter)> chooseTextsImportFile;
    // Runs the Import dialog over the page (Names and Media).
    std::function<void(PdbPageModel&)> runImport;

    void insertClicked();
    void exportClicked();
    void importClicked();

private:
    QWidget* fieldsPanel();
    void addCategoryClicked();
    void renameCategoryClicked();
    void fieldEdited(const QString& field, const QString& text);

    PdbPageModel m_model;
    bool m_refreshing = false;
    QComboBox* m_categories = nullptr;
    QListWidget* m_records = nullptr;
    QTabWidget* m_fieldTabs = nullptr;
    QHash<QString, QWidget*> m_editors;
    QToolButton* m_navigator[4] = {};
    QPushButton* m_import = nullptr;
    QPushButton* m_export = nullptr;
};

class PdbDialog : public QDialog {
    Q_OBJECT
public:
    PdbDialog(const QString& databaseFolder, QWidget* parent = nullptr);

    PdbPageWidget& page(PdbKind kind) { return *m_pages[int(kind)]; }
    // For picking: only this page shows.
    void showOnly(PdbKind kind);
    QTabWidget* sheet() const { return m_sheet; }

    void accept() override;

    // Picks a text from the Texts page; nullopt when cancelled.
    static std::optional<QString> pickText(QWidget* parent, const QString& databaseFolder);

private:
    QTabWidget* m_sheet = nullptr;
    PdbPageWidget* m_pages[3] = {};
};
