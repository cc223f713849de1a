#include "merge/DataReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include "merge/FilterSort.h"
#include "merge/MergeTexts.h"
#include "base/CsvFile.h"
#include "pdb/PersonalTable.h"
#include "system/AppPaths.h"
#include "merge/TableDataset.h"
#include "base/IniFile.h"
#include "system/Messages.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");
QString g_textDriverSettingsFile;
// Records between two progress reports of the own text reader.
constexpr qint64 kProgressStep = 4096;

// The folder of a file without a trailing separator (a root keeps it).
QString folderOf(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absolutePath());
}

} // namespace

DataReader::DataReader() = default;

DataReader::~DataReader()
{
    close();
}

void DataReader::setTextDriverSettingsFile(const QString& path)
{
    g_textDriverSettingsFile = path;
}

QString DataReader::textDriverSettingsFile()
{
    if (!g_textDriverSettingsFile.isEmpty())
        return g_textDriverSettingsFile;
    return QDir(AppPaths::programFolder()).filePath(MergeTexts::TextDriverSettingsName);
}

void DataReader::deleteTempCsv()
{
    if (!m_tempCsvPath.isEmpty()) {
        QFile::remove(m_tempCsvPath);
        m_tempCsvPath.clear();
    }
}

void DataReader::close()
{
    m_fieldNames.clear();
    m_fieldPositions.clear();
    m_active = false;
    m_providerApplied = false;
    m_linkPath.clear();
    m_filterText.clear();
    m_sortText.clear();
    m_recordCount = 0;
    m_currentRecord = 0;
    m_tablePosition = -1;
    m_table.reset();
    m_textFile.reset();
    deleteTempCsv();
}

int32_t DataReader::open(const QString& path, QStringList* fields)
{
    const QString ext = QFileInfo(path).suffix().toUpper();
    close();
    m_loadCancelled = false;
    m_linkPath = path;
    loadFilter();
    loadSort();
    if (fields)
        fields->clear();
    int32_t result = -1;
    if (ext.isEmpty())
        result = -1;
    else if (ext == QLatin1String("DLF"))
        result = openDataLink();
    else if (ext == QLatin1String("DAT"))
        result = convertPersonalDatabase();
    else
        result = openTextSource(path);
    if (result >= 0)
        result = finishOpen(fields);
    // A half-open reader helps nobody: every failure leaves it closed.
    if (result < 0)
        close();
    return result;
}

bool DataReader::openTable(const QString& connection, const QString& table, bool reportFailure)
{
    auto dataset = std::make_unique<TableDataset>(connection, table);
    dataset->setFilter(FilterSort::providerFilter(m_filterText));
    dataset->setSort(FilterSort::providerSort(m_sortText));
    dataset->setLoadProgress(m_progress);
    if (!dataset->open()) {
        m_loadCancelled = dataset->cancelled();
        if (reportFailure && !m_loadCancelled)
            Messages::error(
                MergeTexts::tableOpenFailed(dataset->errorText(), connection, table, m_filterText, m_sortText));
        return false;
    }
    m_table = std::move(dataset);
    m_providerApplied = true;
    m_tablePosition = 0;
    return true;
}

int32_t DataReader::openDataLink()
{
    const QString connection = IniFile::readString(m_linkPath, MergeTexts::AdoSection, MergeTexts::ConnectionKey);
    const QString table = IniFile::readString(m_linkPath, MergeTexts::AdoSection, MergeTexts::TableKey);
    if (connection.isEmpty() || table.isEmpty())
        return -1;
    return openTable(connection, table, true) ? 0 : -1;
}

int32_t DataReader::convertPersonalDatabase()
{
    PersonalTable dataset;
    dataset.tableName = m_linkPath;
    dataset.readOnly = true;
    if (!dataset.open()) {
        Messages::error(MergeTexts::ConvertBinDatasetException);
        return -1;
    }
    deleteTempCsv();
    // A name of its own in the temporary folder: two readers never share it.
    QTemporaryFile temp(QDir(QDir::tempPath()).filePath(QStringLiteral("pdbcsv-XXXXXX.tmp")));
    temp.setAutoRemove(false);
    if (!temp.open()) {
        Messages::error(MergeTexts::CreateCsvSubsetError);
        return -1;
    }
    m_tempCsvPath = temp.fileName();
    temp.close();
    if (createCsvSubset(m_tempCsvPath, dataset) < 0) {
        Messages::error(MergeTexts::CreateCsvSubsetError);
        return -1;
    }
    dataset.close();
    return openTextSource(m_tempCsvPath);
}

int32_t DataReader::openTextSource(const QString& textPath)
{
    const QString folder = folderOf(textPath);
    const QString table = QFileInfo(textPath).fileName();
    QString connection = IniFile::readString(textDriverSettingsFile(), MergeTexts::AdoSection,
                                             MergeTexts::TextConnectKey);
    if (connection.isEmpty())
        connection = MergeTexts::ClassicTextConnection + folder;
    else
        connection.replace(MergeTexts::PathPlaceholder, folder);
    if (openTable(connection, table, false))
        return 0;
    if (m_loadCancelled)
        return -1;
    // When the text driver reads the file but refuses the filter or sort, that
    // is the user's error to see, not a reason to read the file unfiltered.
    if (!m_filterText.isEmpty() || !m_sortText.isEmpty()) {
        TableDataset plain(connection, table);
        if (plain.open()) {
            TableDataset rejected(connection, table);
            rejected.setFilter(FilterSort::providerFilter(m_filterText));
            rejected.setSort(FilterSort::providerSort(m_sortText));
            rejected.open();
            Messages::error(MergeTexts::tableOpenFailed(rejected.errorText(), connection, table, m_filterText,
                                                        m_sortText));
            return -1;
        }
    }
    m_textFile = std::make_unique<CsvFile>();
    m_providerApplied = false;
    return 0;
}

int32_t DataReader::finishOpen(QStringList* fields)
{
    m_active = true;
    if (m_table) {
        m_fieldNames = m_table->fieldNames();
        if (m_fieldNames.isEmpty()) {
            Messages::error(MergeTexts::GetFieldNamesException);
            return -1;
        }
    } else {
        const QString textPath = m_tempCsvPath.isEmpty() ? m_linkPath : m_tempCsvPath;
        if (!m_textFile->openRead(textPath, ',', '"')) {
            Messages::error(MergeTexts::OpenWithTdFileError);
            return -1;
        }
        m_fieldNames = m_textFile->values();
        m_textFile->readNext();
    }
    m_fieldPositions = NamePositions(m_fieldNames);
    if (fields)
        *fields = m_fieldNames;
    m_recordCount = countRecords();
    if (m_loadCancelled)
        return -1;
    return int32_t(m_fieldNames.size());
}

bool DataReader::reportProgress(qint64 records)
{
    if (!m_progress || m_progress(records))
        return true;
    m_loadCancelled = true;
    return false;
}

bool DataReader::readTextRecord()
{
    return m_textFile->readNext();
}

int32_t DataReader::countRecords()
{
    if (!m_active)
        return 0;
    if (m_table) {
        m_tablePosition = m_table->first() ? 0 : -1;
        return m_table->recordCount();
    }
    if (!m_textFile || !m_textFile->isOpen())
        return 0;
    int32_t count = 0;
    qint64 read = 0;
    m_textFile->rewind();
    while (readTextRecord()) {
        if (matchesFilter())
            ++count;
        if (++read % kProgressStep == 0 && !reportProgress(read))
            return 0;
    }
    m_textFile->rewind();
    bool onRecord = readTextRecord();
    if (count > 0 && !m_filterText.isEmpty())
        while (onRecord && !matchesFilter())
            onRecord = readTextRecord();
    m_currentRecord = 0;
    return count;
}

// Reads forward over count matching records; false when the file ended first.
bool DataReader::advanceText(int32_t count)
{
    for (int32_t i = 0; i < count; ++i) {
        bool onRecord = readTextRecord();
        while (onRecord && !m_filterText.isEmpty() && !matchesFilter())
            onRecord = readTextRecord();
        if (!onRecord)
            return false;
    }
    return true;
}

int32_t DataReader::gotoRecord(int32_t index)
{
    if (!m_active || index < 0 || index >= m_recordCount)
        return -1;
    if (m_table) {
        // Forward moves continue from where we stand: a walk in order costs
        // one step per record; only going back starts again from the first.
        if (m_tablePosition < 0 || index < m_tablePosition) {
            if (!m_table->first()) {
                m_tablePosition = -1;
                return -1;
            }
            m_tablePosition = 0;
        }
        const int32_t wanted = index - m_tablePosition;
        const int32_t moved = m_table->moveBy(wanted);
        m_tablePosition = moved == wanted ? index : -1;
        return moved == wanted ? index : -1;
    }
    if (!m_textFile || !m_textFile->isOpen())
        return -1;
    if (index < m_currentRecord) {
        m_textFile->rewind();
        m_currentRecord = 0;
        if (!advanceText(1)) {
            m_currentRecord = -1;
            return -1;
        }
    }
    const bool ok = advanceText(index - m_currentRecord);
    m_currentRecord = ok ? index : m_recordCount;
    return ok ? index : -1;
}

bool DataReader::matchesFilter()
{
    if (m_providerApplied || m_filterText.isEmpty())
        return true;
    if (m_filterLinesSource != m_filterText) {
        m_filterLines = FilterSort::splitLines(m_filterText);
        m_filterLinesSource = m_filterText;
    }
    const QStringList& lines = m_filterLines;
    if (lines.isEmpty() || lines.first() != MergeTexts::FilterHeader1)
        return false;
    bool result = false;
    bool andMode = false;
    for (qsizetype i = 1; i < lines.size(); i += 2) {
        const QString& line = lines[i];
        const qsizetype space = line.indexOf(' ');
        bool holds = false;
        if (space >= 0) {
            const QString value = line.mid(space + 10).toUpper();
            holds = namedFieldValue(line.left(space)).toUpper().contains(value);
        }
        result = andMode ? (result && holds) : (result || holds);
        const bool nextIsAnd =
            i + 1 < lines.size() && lines[i + 1].toUpper() == QLatin1String("AND");
        if (nextIsAnd) {
            andMode = true;
            if (!holds)
                return result;
        }
    }
    return result;
}

int DataReader::fieldPosition(const QString& name) const
{
    return m_fieldPositions.indexOf(name);
}

QString DataReader::valueAt(int position)
{
    if (position < 0)
        return QString();
    if (m_table)
        return m_table->fieldText(position);
    if (!m_textFile)
        return QString();
    const QStringList& values = m_textFile->values();
    return position < values.size() ? values[position] : QString();
}

QString DataReader::namedFieldValue(const QString& name)
{
    return valueAt(fieldPosition(name));
}

QString DataReader::fieldValue(const QString& fieldSpec)
{
    if (!m_active)
        return QString();
    if (!fieldSpec.contains('+'))
        return namedFieldValue(fieldSpec);
    QString result;
    QString line;
    QString segment;
    bool lastValueEmpty = false;
    const qsizetype n = fieldSpec.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = fieldSpec[i];
        const bool ends = c == '+' || c == '\r' || i == n - 1;
        if (!ends) {
            segment += c;
            continue;
        }
        if (c != '+' && c != '\r')
            segment += c;
        if (const int position = fieldPosition(segment); position >= 0) {
            const QString value = valueAt(position);
            result += value;
            line += value;
            lastValueEmpty = value.isEmpty();
        } else {
            result += segment;
            line += segment;
        }
        segment.clear();
        if (c == '\r') {
            if (i + 1 < n && fieldSpec[i + 1] == '\n')
                ++i;
            if (!(line.isEmpty() && lastValueEmpty))
                result += kCrLf;
            line.clear();
        }
    }
    return result;
}

QString DataReader::filter() const
{
    return m_active ? m_filterText : QString();
}

QString DataReader::sort() const
{
    return m_active ? m_sortText : QString();
}

void DataReader::loadFilter()
{
    m_filterText = FilterSort::loadFilter(m_linkPath);
}

void DataReader::loadSort()
{
    m_sortText = FilterSort::loadSort(m_linkPath);
}

void DataReader::saveFilter() const
{
    FilterSort::saveFilter(m_linkPath, m_filterText);
}

void DataReader::saveSort() const
{
    FilterSort::saveSort(m_linkPath, m_sortText);
}

bool DataReader::reopen()
{
    const QString path = m_linkPath;
    return open(path) >= 0;
}

bool DataReader::changeAndReopen(QString& setting, const QString& text, void (DataReader::*save)() const)
{
    if (!m_active || text == setting)
        return true;
    const QString path = m_linkPath;
    const QString old = setting;
    setting = text;
    (this->*save)();
    if (reopen())
        return true;
    m_linkPath = path;
    setting = old;
    (this->*save)();
    reopen();
    return false;
}

bool DataReader::setFilter(const QString& text)
{
    return changeAndReopen(m_filterText, text, &DataReader::saveFilter);
}

bool DataReader::setSort(const QString& text)
{
    return changeAndReopen(m_sortText, text, &DataReader::saveSort);
}

void DataReader::listRecords(QStringList& list, int32_t first, int32_t count, int32_t maxChars,
                              int32_t maxFields, QString& status)
{
    if (!m_active)
        return;
    if (count <= 0 || int64_t(first) + count > m_recordCount)
        count = m_recordCount - first;
    const int fields = int(std::min<qsizetype>(std::max(maxFields, 0), m_fieldNames.size()));
    for (int32_t i = first; i < first + count; ++i) {
        gotoRecord(i);
        QString line;
        for (int f = 0; f < fields; ++f) {
            if (maxChars > 0 && line.size() >= maxChars)
                break;
            line += namedFieldValue(m_fieldNames[f]) + QStringLiteral(" | ");
        }
        if (maxChars > 0)
            line.truncate(maxChars);
        line.replace(kCrLf, QStringLiteral(" "));
        list.append(line);
        status = MergeTexts::recordProgress(i + 1, m_recordCount);
    }
}

QString DataReader::buildConnection(const std::function<QString(const QString&)>& dataLinkDialog,
                                     QStringList& tables)
{
    if (!dataLinkDialog)
        return QString();
    const QString connection = dataLinkDialog(MergeTexts::DataLinkStart);
    if (connection.size() < MergeTexts::DataLinkStart.size() + 1)
        return QString();
    tables.clear();
    tables = TableDataset::tableNames(connection);
    return connection;
}

int32_t DataReader::createCsvSubset(const QString& path, PersonalTable& dataset)
{
    CsvFile out;
    // The copy is ours alone and read straight back: UTF-8 keeps every character.
    out.setEncoding(CsvFile::Encoding::Utf8);
    if (!out.openWrite(path, ',', '"'))
        return -1;
    const QStringList names = dataset.fieldNames();
    bool ok = out.writeRecord(names);
    int32_t written = 0;
    dataset.first();
    const int32_t total = dataset.recordCount();
    for (int32_t i = 0; i < total && !dataset.eof(); ++i) {
        QStringList values;
        for (const QString& name : names)
            values << dataset.fieldValue(name);
        ok = out.writeRecord(values) && ok;
        ++written;
        dataset.next();
    }
    ok = out.close() && ok;
    return ok ? written : -1;
}
