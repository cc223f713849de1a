#pragma once
// The one reader of merge data per linked source: a data link file (.DLF), a
// personal database file (.dat) or a delimited text file. Tables are read
// through the read-only table dataset (TableDataset); when the text
// driver cannot open a text file the reader falls back to its own CsvFile.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>

#include "base/NamePositions.h"

class TableDataset;
class CsvFile;
class PersonalTable;

class DataReader {
public:
    DataReader();
    ~DataReader();
    DataReader(const DataReader&) = delete;
    DataReader& operator=(const DataReader&) = delete;

    // Opens a source; the field names go into fields (cleared first) when given.
    // Returns the number of fields, or -1 on failure. Any open source is closed first.
    int32_t open(const QString& path, QStringList* fields = nullptr);
    void close();

    // Counts the records after filtering and stands on the first one; 0 when closed.
    int32_t countRecords();
    // Positions on the 0-based record; returns index, or -1 when there is no such record.
    int32_t gotoRecord(int32_t index);
    // The value of a field name or a composite ("FIRSTNAME+ +LASTNAME+\r\nCITY")
    // for the current record; empty when closed.
    QString fieldValue(const QString& fieldSpec);

    // Told how many records are read so far while a long text source loads;
    // returning false cancels the open (it fails quietly, loadCancelled() is true).
    using LoadProgress = std::function<bool(qint64 recordsRead)>;
    void setLoadProgress(LoadProgress progress) { m_progress = std::move(progress); }
    bool loadCancelled() const { return m_loadCancelled; }

    bool active() const { return m_active; }
    int32_t recordCount() const { return m_recordCount; }
    bool providerApplied() const { return m_providerApplied; }
    const QString& linkPath() const { return m_linkPath; }
    const QStringList& fieldNames() const { return m_fieldNames; }
    // The temporary CSV made from a personal database file (empty otherwise).
    const QString& tempCsvPath() const { return m_tempCsvPath; }

    // Filter and sort: lines each followed by CR LF, without the header line.
    QString filter() const;
    QString sort() const;
    // Replace, store and reopen; false (with the previous text restored and
    // stored again) when the source will not open with the new one.
    bool setFilter(const QString& text);
    bool setSort(const QString& text);
    void loadFilter();
    void loadSort();
    void saveFilter() const;
    void saveSort() const;

    // Appends one summary line per record ("value | value | ...").
    void listRecords(QStringList& list, int32_t first, int32_t count, int32_t maxChars, int32_t maxFields,
                     QString& status);

    // Lets the user build a connection with the data-link dialog the caller
    // supplies (it edits a connection string, starting from the given one) and
    // lists the new connection's tables into tables. Empty when cancelled
    // (a result shorter than 19 characters) or when the dialog fails.
    static QString buildConnection(const std::function<QString(const QString&)>& dataLinkDialog, QStringList& tables);

    // Exports an open personal database table to a CSV file; the number of
    // records written, or -1 when the file cannot be created.
    static int32_t createCsvSubset(const QString& path, PersonalTable& dataset);

    // The text-driver settings file; programFolder() + "/defado.cfg" unless set.
    static void setTextDriverSettingsFile(const QString& path);
    static QString textDriverSettingsFile();

private:
    int32_t openDataLink();
    int32_t convertPersonalDatabase();
    int32_t openTextSource(const QString& textPath);
    int32_t finishOpen(QStringList* fields);
    bool openTable(const QString& connection, const QString& table, bool reportFailure);
    bool reopen();
    // Saves text as the filter or sort setting and reopens; when the source
    // refuses it, the old setting is saved and reopened again and the result is false.
    bool changeAndReopen(QString& setting, const QString& text, void (DataReader::*save)() const);
    bool readTextRecord();
    bool reportProgress(qint64 records);
    bool advanceText(int32_t count);
    bool matchesFilter();
    QString namedFieldValue(const QString& name);
    int fieldPosition(const QString& name) const;
    QString valueAt(int position);
    void deleteTempCsv();

    QString m_linkPath;
    QString m_tempCsvPath;
    QString m_filterText;
    QString m_sortText;
    int32_t m_currentRecord = -1;
    QStringList m_fieldNames;
    NamePositions m_fieldPositions;
    std::unique_ptr<TableDataset> m_table;
    std::unique_ptr<CsvFile> m_textFile;
    bool m_active = false;
    bool m_providerApplied = false;
    int32_t m_recordCount = 0;
    int32_t m_tablePosition = -1;
    // The filter's lines, split once for the own text reader's per-line checks.
    QString m_filterLinesSource;
    QStringList m_filterLines;
    LoadProgress m_progress;
    bool m_loadCancelled = false;
};
