#pragma once
// Export of a category to a delimited file and import from one. Names and
// Media imports pair the file's columns with table fields; Texts imports take
// every line of a text file as one record.

#include <QString>
#include <QStringList>
#include <vector>

#include "pdb/CategoryStore.h"

namespace PdbTransfer {

// The first line of an export file and the fields written under it.
QStringList exportColumns(PdbKind kind);
QStringList exportFields(PdbKind kind);
// Writes the column line and every record; shows the message and returns false
// when the file cannot be created (or written). Leaves the table on its first record.
bool exportCategory(PersonalTable& table, PdbKind kind, const QString& file);

// The fields an import offers ("NAMES" / "MEDIA"), each with its ordinal.
struct ImportField {
    QString label;  // "First Name"
    QString field;  // FIRSTNAME
    int ordinal = 0;
};
std::vector<ImportField> importFieldsOffered(PdbKind kind);
// The values of a file's first line (the columns to pair); empty when unreadable.
QStringList readImportColumns(const QString& file);

struct ImportPair {
    int fieldOrdinal = 0;
    int columnIndex = 0;
    QString fieldLabel;
    QString columnName;
    QString text() const { return fieldLabel + '=' + columnName; }
    int code() const { return fieldOrdinal * 1000 + columnIndex; }
};

// Imports every line after the first; a line without a value for a paired
// column is skipped. Returns the number of records added.
int importRecords(PersonalTable& table, PdbKind kind, const QString& file, const std::vector<ImportPair>& pairs);
// One Texts record per line (plain text, cut to the field size); the number added.
int importTexts(PersonalTable& table, const QString& file);

}
