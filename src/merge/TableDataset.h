#pragma once
// Read-only table datasets over QtSql. A connection string is a "key=value;"
// list (values may be wrapped in {braces} or "quotes"):
//   Driver=QSQLITE;Database=FILE                       embedded SQLite
//   Driver=QPSQL;Host=...;Port=...;Database=...;User=...;Password=...
//   Driver=QODBC;DSN=...   (or any other ODBC string, e.g. Driver={SQLite3};Database=...)
//   Driver=TEXT;DBQ=FOLDER, and the classic
//   Provider=MSDASQL.1;Driver={Microsoft Text Driver (*.txt; *.csv)};DBQ=FOLDER
//   (or Provider=Microsoft.Jet.OLEDB.4.0;Data Source=FOLDER;Extended Properties=text)
// The text driver reads the file named by the table from the folder (with
// CsvFile; the name matches in any letter case) into an in-memory SQLite
// table, so filter and sort strings work as SQL there too. Filters are SQL conditions ("NAME= 'Smith' AND CITY LIKE 'B%' "),
// sorts are "FIELD ASC, FIELD DESC, " lists; trailing spaces and separators are accepted.

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <memory>

#include "base/NamePositions.h"

class QSqlDatabase;
class QSqlQuery;
class CsvFile;

// The key/value pairs of a connection string, in order; keys keep their spelling.
QList<QPair<QString, QString>> parseConnectionString(const QString& connection);
// The value of a key (matched without regard to letter case), or a null string.
QString connectionValue(const QString& connection, const QString& key);
// The value of the first of several keys that mean the same ("Host", "Server"), or a null string.
QString firstConnectionValue(const QString& connection, std::initializer_list<const char*> keys);

class TableDataset {
public:
    TableDataset(const QString& connection, const QString& tableName);
    ~TableDataset();
    TableDataset(const TableDataset&) = delete;
    TableDataset& operator=(const TableDataset&) = delete;

    // Set before open, or on an open dataset, which then runs again (false when that fails).
    bool setFilter(const QString& filter);
    bool setSort(const QString& sort);

    // Told how many rows of a text file are read so far while it loads;
    // returning false stops the load (open fails, cancelled() is true).
    using LoadProgress = std::function<bool(qint64 rowsRead)>;
    void setLoadProgress(LoadProgress progress) { m_progress = std::move(progress); }
    bool cancelled() const { return m_cancelled; }

    // Opens and stands on the first record; on failure errorText() says why.
    bool open();
    void close();
    bool isOpen() const { return m_query != nullptr; }
    const QString& errorText() const { return m_error; }

    const QStringList& fieldNames() const { return m_fieldNames; }
    // Records after filtering.
    int recordCount() const { return m_recordCount; }
    bool first();
    // Moves forward by count records; returns how many it actually moved.
    int moveBy(int count);
    // 0-based index of the current record, -1 before the first / after the last.
    int position() const { return m_position; }
    // The display text of a field of the current record (empty for an unknown field).
    QString fieldText(const QString& name) const;
    QString fieldText(int index) const;
    int fieldIndex(const QString& name) const;

    // The tables a connection offers (for a text folder, its .csv and .txt files).
    static QStringList tableNames(const QString& connection, QString* error = nullptr);

private:
    bool connect();
    bool loadTextTable();
    bool insertTextRows(QSqlDatabase& db, CsvFile& text, int columns);
    bool runQuery();
    QString selectFrom() const;
    QString whereClause() const;
    QString orderClause() const;

    QString m_connection;
    QString m_tableName;
    QString m_filter;
    QString m_sort;
    QString m_error;
    QString m_connectionName;
    bool m_textDriver = false;
    QString m_sqlTable;
    QString m_selectText;
    std::unique_ptr<QSqlQuery> m_query;
    QStringList m_fieldNames;
    NamePositions m_fieldPositions;
    int m_recordCount = 0;
    int m_position = -1;
    LoadProgress m_progress;
    bool m_cancelled = false;
};
