#pragma once
// One page of the Personal Databases dialog without widgets: the kind's
// categories, the open category's table, its record list and the
// navigator (insert, delete, post, cancel). Field edits go into the table's
// edit buffer; a move to another record posts them first.

#include <QString>
#include <QStringList>
#include <vector>

#include "pdb/CategoryStore.h"
#include "pdb/PdbImportExport.h"

class PdbPageModel {
public:
    PdbPageModel(QString databaseFolder, PdbKind kind);
    PdbPageModel(const PdbPageModel&) = delete;
    PdbPageModel& operator=(const PdbPageModel&) = delete;

    PdbKind kind() const { return m_kind; }
    PersonalTable& table() { return m_table; }
    const PersonalTable& table() const { return m_table; }

    // Fills the category list, opens the selected category and lists its records.
    void show();
    const QStringList& categories() const { return m_categories; }
    const QString& category() const { return m_category; }
    void selectCategory(const QString& name);
    bool isOpen() const { return m_table.active(); }
    // Import and export need an open category.
    bool transferEnabled() const { return isOpen(); }

    void addCategory(const QString& name);
    void renameCategory(const QString& newName);
    void deleteCategory();

    const std::vector<PdbCategories::RecordEntry>& records() const { return m_records; }
    QStringList recordTexts() const;
    int selectedRow() const { return m_row; }
    // Moves the table to the row's record (posting a pending change first).
    void selectRow(int row);

    QString value(const QString& field) const { return m_table.fieldValue(field); }
    // Starts an edit (or an insert into an empty category) when needed.
    bool setValue(const QString& field, const QString& value);
    bool editing() const { return m_table.editing(); }
    bool inserting() const { return m_inserting; }

    bool insert();
    bool deleteRecord();
    bool post();
    void cancel();
    // Posts a pending change (OK of the dialog).
    bool postPending() { return !editing() || post(); }

    bool exportTo(const QString& file);
    int importTexts(const QString& file);
    int importPairs(const QString& file, const std::vector<PdbTransfer::ImportPair>& pairs);

private:
    void openSelected();
    // Refills the list and selects the record in the slot (or the row when it is gone).
    void refill(int64_t slot, int fallbackRow);
    void reportTableError();

    QString m_databaseFolder;
    PdbKind m_kind;
    PersonalTable m_table;
    QStringList m_categories;
    QString m_category;
    std::vector<PdbCategories::RecordEntry> m_records;
    int m_row = -1;
    bool m_inserting = false;
};
