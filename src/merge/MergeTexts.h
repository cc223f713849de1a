#pragma once
// The merge-data subsystem's own message texts.

#include <QString>

namespace MergeTexts {
inline const QString CreateCsvSubsetError = QStringLiteral("ERROR: CreateCSVSubset");
inline const QString ConvertBinDatasetException = QStringLiteral("EXCEPTIOM: Convert BINDATASET");
inline const QString GetFieldNamesException = QStringLiteral("EXCEPTION: GetFieldNames");
inline const QString OpenWithTdFileError = QStringLiteral("ERROR: Open with TDFile");
inline const QString DesignDatabaseOpenFailed = QStringLiteral(
    "The database linked to this design could not be opened.\n\nPlease correct the problem or select a different "
    "database and retry.");
inline const QString FilterRejected = QStringLiteral(
    "Error connecting to selected database with filter.\n\nPlease make sure the filter is valid.");
inline const QString SortRejected = QStringLiteral(
    "Error connecting to selected database with sorting.\n\nPlease make sure the sorting is valid.");
inline QString tableOpenFailed(const QString& error, const QString& connection, const QString& table,
                               const QString& filter, const QString& sort)
{
    return error + QStringLiteral("\n\nConnection=") + connection + QStringLiteral("\nTable=") + table +
           QStringLiteral("\nFilter=") + filter + QStringLiteral("\nSort=") + sort;
}
inline const QString DriverUnavailable = QStringLiteral("The database driver is not available.");
inline QString databaseFileNotFound(const QString& file) { return QStringLiteral("Database file not found: ") + file; }
inline QString unsupportedConnection(const QString& connection)
{
    return QStringLiteral("Unsupported connection: ") + connection;
}
inline QString textFileNotFound(const QString& path) { return QStringLiteral("Text file not found: ") + path; }
inline QString cannotReadTextFile(const QString& path) { return QStringLiteral("Cannot read the text file: ") + path; }
inline const QString LoadCancelled = QStringLiteral("Reading the records was cancelled.");
// Progress while the records are listed
inline QString recordProgress(qint64 number, qint64 count)
{
    return QStringLiteral("Record %1 of %2").arg(number).arg(count);
}

// Filter and sort files
inline const QString FilterHeader1 = QStringLiteral("~FIELD FILTER 1.0~");
inline const QString FilterHeader2 = QStringLiteral("~FIELD FILTER 2.0~");
inline const QString SortHeader2 = QStringLiteral("~FIELD SORT 2.0~");

// Data link files and the text-driver settings
inline const QString AdoSection = QStringLiteral("ADO");
inline const QString ConnectionKey = QStringLiteral("Connection");
inline const QString TableKey = QStringLiteral("Table");
inline const QString TextConnectKey = QStringLiteral("TextConnect");
inline const QString TextDriverSettingsName = QStringLiteral("defado.cfg");
inline const QString ClassicTextConnection =
    QStringLiteral("Provider=MSDASQL.1;Driver={Microsoft Text Driver (*.txt; *.csv)};DBQ=");
inline const QString DataLinkStart = QStringLiteral("Provider=MSDASQL.1");
inline const QString PathPlaceholder = QStringLiteral("<PATH>");
}
