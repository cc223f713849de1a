#pragma once
// The personal databases' own message texts.

#include <QString>

namespace PdbTexts {
// Table files
inline const QString TableNotFound = QStringLiteral("Table file not found.");
inline const QString InvalidFileType = QStringLiteral("Invalid file type.");
inline const QString InvalidFileVersion = QStringLiteral("Invalid file version.");
inline const QString InvalidFieldCount = QStringLiteral("Invalid number of fields.");
inline const QString UnsupportedFieldType = QStringLiteral("InitFieldsDefs: Unsupported field type");
inline const QString RecordSizeMismatch = QStringLiteral("Open: File record size mismatch.");
inline const QString ReadOnlyChange =
    QStringLiteral("Dataset must be opened for read/write to add or change records.");
inline const QString ReadOnlyDelete = QStringLiteral("Dataset must be opened for read/write to delete records.");
inline QString invalidRecordSize(qint64 dataStart, qint64 recordCount, qint64 recordSize, qint64 fileSize)
{
    return QStringLiteral("Open: Invalid record size.\rStartData   : %1\rfRecordCount: %2\rfRecordSize : %3\r"
                          "fStream.SIze: %4")
        .arg(dataStart)
        .arg(recordCount)
        .arg(recordSize)
        .arg(fileSize);
}

// Categories
inline QString cannotOpenCategory(const QString& path)
{
    return QStringLiteral("Could not open ") + path +
           QStringLiteral("\n\nMake sure you have proper access to the file and that it is ot in use by another "
                          "process.") +
           QStringLiteral("\n\nWould you like to overwrite the file with a new blank file?");
}
inline QString cannotCreateCategory(const QString& path)
{
    return QStringLiteral("Could not open or create ") + path + QStringLiteral("\n\nMake sure the filename is valid.");
}
inline const QString CategoryExists =
    QStringLiteral("A category with that name already exists.\n\nPlease specify a different name.");
inline const QString DeleteCategoryPrompt =
    QStringLiteral("Permanently delete the selected database.\n\nAre you sure?");
inline const QString NewCategoryTitle = QStringLiteral("New Category");
inline const QString NewCategoryPrompt = QStringLiteral("Enter a Name for the New Category");
inline const QString RenameCategoryTitle = QStringLiteral("Rename Category");
inline const QString RenameCategoryPrompt = QStringLiteral("Enter a New Name for the Category");
// The category each kind of database starts with
inline const QString DefaultNamesCategory = QStringLiteral("PDB 1");
inline const QString DefaultMediaCategory = QStringLiteral("Media 1");
inline const QString DefaultTextsCategory = QStringLiteral("My Texts");

// Import and export
inline QString cannotCreateExport(const QString& path)
{
    return QStringLiteral("Error creating ") + path + QStringLiteral("\n\nPlease specify a valid filename.");
}
inline const QString ImportException = QStringLiteral("Exception on Import");
}
