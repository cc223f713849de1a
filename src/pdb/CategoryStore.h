#pragma once
// The personal databases on disk: each kind (Names and Addresses, Media,
// Texts) keeps its categories as table files "<name>.dat" in its own folder
// under the Database folder. These are the dialog's category and record-list
// operations without the dialog.

#include <QString>
#include <QStringList>
#include <vector>

#include "pdb/BinaryDataSet.h"

enum class PdbKind { Names, Media, Texts };

namespace PdbCategories {

QString FolderName(PdbKind kind);  // "Pdb", "Media", "Texts"
QString Folder(const QString& databaseFolder, PdbKind kind);
QString DefaultCategory(PdbKind kind);  // "PDB 1", "Media 1", "My Texts"
std::vector<TableField> Schema(PdbKind kind);
QString CategoryPath(const QString& databaseFolder, PdbKind kind, const QString& name);

// Every "*.dat" of the kind's folder without its extension, sorted without regard to case.
QStringList List(const QString& databaseFolder, PdbKind kind);

// The category list a page shows and the entry it selects: Names and Media
// add their default category to an empty list and select the first entry;
// Texts always has and selects "My Texts".
struct PageCategories {
    QStringList names;
    QString selected;
};
PageCategories ForPage(const QString& databaseFolder, PdbKind kind);

// Opens a category table (read/write), offering to overwrite an unreadable
// file with a new blank one and creating a missing one. True when open.
bool OpenCategory(TBinaryDataSet& table, const QString& path, PdbKind kind);

// The text a record shows in the record list.
QString DisplayText(const TBinaryDataSet& table, PdbKind kind);

struct RecordEntry {
    QString text;
    int ordinal = 0;  // position in file order
};
// Every record's display text with its ordinal, sorted by text; leaves the table on its first record.
std::vector<RecordEntry> RecordList(TBinaryDataSet& table, PdbKind kind);
// First record, then forward by ordinal.
bool MoveToOrdinal(TBinaryDataSet& table, int ordinal);

// True when the name (without regard to case) is in the list.
bool NameTaken(const QStringList& names, const QString& name);
// Adds a category: refuses a taken name, creates and opens the empty table.
bool AddCategory(const QString& databaseFolder, PdbKind kind, const QString& name, const QStringList& existing,
                 TBinaryDataSet& table);
// Renames the table file; the table is closed. False (with the message shown) when refused.
bool RenameCategory(const QString& databaseFolder, PdbKind kind, const QString& oldName, const QString& newName,
                    const QStringList& existing, TBinaryDataSet& table);
// Asks, then deletes the file; false when the user says No or the file stays.
bool DeleteCategory(const QString& databaseFolder, PdbKind kind, const QString& name, TBinaryDataSet& table);

}
