#pragma once
// The personal databases on disk: each kind (Names and Addresses, Media,
// Texts) keeps its categories as table files "<name>.dat" in its own folder
// under the Database folder. These are the dialog's category and record-list
// operations without the dialog.

#include <QString>
#include <QStringList>
#include <vector>

#include "pdb/PersonalTable.h"

enum class PdbKind { Names, Media, Texts };

namespace PdbCategories {

QString folderName(PdbKind kind);  // "Pdb", "Media", "Texts"
QString kindFolder(const QString& databaseFolder, PdbKind kind);
QString defaultCategory(PdbKind kind);  // "PDB 1", "Media 1", "My Texts"
std::vector<TableField> schema(PdbKind kind);
QString categoryPath(const QString& databaseFolder, PdbKind kind, const QString& name);

// Every "*.dat" of the kind's folder without its extension, sorted without regard to case.
QStringList list(const QString& databaseFolder, PdbKind kind);

// The category list a page shows and the entry it selects: Names and Media
// add their default category to an empty list and select the first entry;
// Texts always has and selects "My Texts".
struct PageCategories {
    QStringList names;
    QString selected;
};
PageCategories forPage(const QString& databaseFolder, PdbKind kind);

// Opens a category table (read/write), offering to overwrite an unreadable
// file with a new blank one and creating a missing one. True when open.
bool openCategory(PersonalTable& table, const QString& path, PdbKind kind);

// The text a record shows in the record list.
QString displayText(const PersonalTable& table, PdbKind kind);

struct RecordEntry {
    QString text;
    int ordinal = 0;  // position in file order
    int64_t slot = -1;  // the record's slot: stays when other records come and go
};
// Every record's display text with its ordinal, sorted by text; leaves the table on its first record.
std::vector<RecordEntry> recordList(PersonalTable& table, PdbKind kind);
// First record, then forward by ordinal.
bool moveToOrdinal(PersonalTable& table, int ordinal);
// Moves to the record in the given slot; false (on the first record) when it is gone.
bool moveToSlot(PersonalTable& table, int64_t slot);

// True when the name (without regard to case) is in the list.
bool nameTaken(const QStringList& names, const QString& name);
// Adds a category: refuses a taken name, creates and opens the empty table.
bool addCategory(const QString& databaseFolder, PdbKind kind, const QString& name, const QStringList& existing,
                 PersonalTable& table);
// Renames the table file; the table is closed. False (with the message shown) when refused.
bool renameCategory(const QString& databaseFolder, PdbKind kind, const QString& oldName, const QString& newName,
                    const QStringList& existing, PersonalTable& table);
// Asks, then deletes the file; false when the user says No or the file stays.
bool deleteCategory(const QString& databaseFolder, PdbKind kind, const QString& name, PersonalTable& table);

}
