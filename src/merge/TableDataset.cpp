#include "merge/TableDataset.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>
#include <atomic>
#include <limits>
#include <algorithm>

#include "base/CsvFile.h"
#include "merge/MergeTexts.h"

namespace {

std::atomic<int> g_connectionSerial{0};

QString uniqueConnectionName()
{
    return QStringLiteral("stickwell-table-%1").arg(++g_connectionSerial);
}

enum class Backend { Sqlite, Postgres, Odbc, Text, Unknown };

struct Target {
    Backend backend = Backend::Unknown;
    QString folder;  // text driver
};

bool isTextDriverName(const QString& driver)
{
    const QString d = driver.trimmed();
    return d.compare(QStringLiteral("TEXT"), Qt::CaseInsensitive) == 0 ||
           d.contains(QStringLiteral("Text Driver"), Qt::CaseInsensitive);
}

// "Provider=MSDASQL.1;Data Source=NAME" names an ODBC data source the OLE DB way.
bool isOdbcProviderWithSource(const QString& connection)
{
    return connectionValue(connection, QStringLiteral("Provider")).startsWith(QLatin1String("MSDASQL"), Qt::CaseInsensitive) &&
           !connectionValue(connection, QStringLiteral("Data Source")).isEmpty();
}

// "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=FOLDER;Extended Properties=text"
// is the other classic way to read a folder of text files.
bool isJetText(const QString& connection)
{
    const QString provider = connectionValue(connection, QStringLiteral("Provider"));
    return (provider.contains(QLatin1String("Jet.OLEDB"), Qt::CaseInsensitive) ||
            provider.contains(QLatin1String("ACE.OLEDB"), Qt::CaseInsensitive)) &&
           connectionValue(connection, QStringLiteral("Extended Properties"))
               .startsWith(QLatin1String("text"), Qt::CaseInsensitive);
}

// A file of the folder by name; names written on other systems may differ in letter case.
QString findInFolder(const QString& folder, const QString& file)
{
    const QDir dir(folder);
    if (QFileInfo(dir.filePath(file)).isFile())
        return dir.filePath(file);
    for (const QString& entry : dir.entryList(QDir::Files))
        if (entry.compare(file, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return dir.filePath(file);
}

Target targetOf(const QString& connection)
{
    Target target;
    const QString driver = connectionValue(connection, QStringLiteral("Driver"));
    if (driver.compare(QStringLiteral("QSQLITE"), Qt::CaseInsensitive) == 0)
        target.backend = Backend::Sqlite;
    else if (driver.compare(QStringLiteral("QPSQL"), Qt::CaseInsensitive) == 0)
        target.backend = Backend::Postgres;
    else if (driver.compare(QStringLiteral("QODBC"), Qt::CaseInsensitive) == 0)
        target.backend = Backend::Odbc;
    else if (isTextDriverName(driver) || isJetText(connection))
        target.backend = Backend::Text;
    else if (!driver.isEmpty() || !connectionValue(connection, QStringLiteral("DSN")).isEmpty() ||
             isOdbcProviderWithSource(connection))
        target.backend = Backend::Odbc;  // any other ODBC driver or data source name
    if (target.backend == Backend::Text) {
        target.folder = connectionValue(connection, QStringLiteral("DBQ"));
        if (target.folder.isNull())
            target.folder = connectionValue(connection, QStringLiteral("DefaultDir"));
        if (target.folder.isNull())
            target.folder = connectionValue(connection, QStringLiteral("Data Source"));
    }
    return target;
}

// The ODBC string handed to the driver manager: everything but our own keys.
QString odbcString(const QString& connection)
{
    QStringList parts;
    for (const auto& [key, value] : parseConnectionString(connection)) {
        if (key.compare(QStringLiteral("Provider"), Qt::CaseInsensitive) == 0 ||
            key.compare(QStringLiteral("Persist Security Info"), Qt::CaseInsensitive) == 0)
            continue;
        if (key.compare(QStringLiteral("Data Source"), Qt::CaseInsensitive) == 0) {
            parts << QStringLiteral("DSN=") + value;
            continue;
        }
        if (key.compare(QStringLiteral("Driver"), Qt::CaseInsensitive) == 0 &&
            value.compare(QStringLiteral("QODBC"), Qt::CaseInsensitive) == 0)
            continue;
        const bool brace = value.contains(';') || value.contains(' ') || value.contains('{');
        parts << key + '=' + (brace ? '{' + value + '}' : value);
    }
    return parts.join(';');
}

// Qt's ODBC driver puts "DSN=" in front of a name that has neither DRIVER=
// nor SERVER=, so "DSN=Shop;UID=x" must reach it as "Shop;UID=x".
QString qtOdbcName(const QString& odbc)
{
    if (odbc.contains(QLatin1String("DRIVER="), Qt::CaseInsensitive) ||
        odbc.contains(QLatin1String("SERVER="), Qt::CaseInsensitive))
        return odbc;
    QStringList parts = odbc.split(';');
    const qsizetype dsn = parts.indexOf(QRegularExpression(QStringLiteral("^DSN=.*"),
                                                           QRegularExpression::CaseInsensitiveOption));
    if (dsn < 0)
        return odbc;
    const QString name = parts.takeAt(dsn).mid(4);
    parts.prepend(name);
    return parts.join(';');
}

// A table name as SQL: plain identifiers and already quoted parts stay as they
// are (so schema.table works and unquoted names fold as the server folds them),
// anything else is quoted, so a name can never carry SQL of its own.
QString sqlTableName(const QString& name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_$]*$"));
    static const QRegularExpression quotedPart(QStringLiteral("^\"([^\"]|\"\")+\"$"));
    QString text = name.trimmed();
    if (text.isEmpty())
        return QStringLiteral("\"\"");
    // Whole-name quoting first: "my table" or "a-b".
    if (quotedPart.match(text).hasMatch())
        return text;
    const QStringList parts = text.split('.');
    QStringList out;
    for (const QString& part : parts) {
        if (plain.match(part).hasMatch()) {
            out << part;
        } else {
            QString escaped = part;
            escaped.replace('"', QStringLiteral("\"\""));
            out << '"' + escaped + '"';
        }
    }
    return out.join('.');
}

QString quoteIdentifier(const QString& name)
{
    QString escaped = name;
    escaped.replace('"', QStringLiteral("\"\""));
    return '"' + escaped + '"';
}

// Trailing spaces of a filter and the trailing ", " of a sort are normal.
QString cleanFilter(const QString& filter)
{
    return filter.trimmed();
}

QString cleanSort(const QString& sort)
{
    QStringList items;
    for (const QString& item : sort.split(','))
        if (!item.trimmed().isEmpty())
            items << item.trimmed();
    return items.join(QStringLiteral(", "));
}

// Column names for the in-memory copy of a text file: empty names become F1,
// F2 … (by position) and names repeated (in any letter case) get the first
// free suffix from _2 on. Each name remembers the last suffix it was given:
// a file whose columns all share one name takes linear time, not quadratic.
QStringList uniqueColumnNames(const QStringList& names)
{
    QStringList out;
    out.reserve(names.size());
    QSet<QString> taken;
    QHash<QString, int> lastSuffix;
    for (int i = 0; i < names.size(); ++i) {
        const QString name = names[i].trimmed().isEmpty() ? QStringLiteral("F%1").arg(i + 1) : names[i];
        QString candidate = name;
        if (taken.contains(candidate.toLower())) {
            int& suffix = lastSuffix[name.toLower()];  // 0 until the name repeats
            do {
                suffix = std::max(suffix + 1, 2);
                candidate = name + QStringLiteral("_%1").arg(suffix);
            } while (taken.contains(candidate.toLower()));
        }
        taken.insert(candidate.toLower());
        out << candidate;
    }
    return out;
}

} // namespace

QList<QPair<QString, QString>> parseConnectionString(const QString& connection)
{
    QList<QPair<QString, QString>> out;
    qsizetype i = 0;
    const qsizetype n = connection.size();
    while (i < n) {
        const qsizetype equals = connection.indexOf('=', i);
        const qsizetype semicolon = connection.indexOf(';', i);
        if (equals < 0 || (semicolon >= 0 && semicolon < equals)) {
            // A part without "=": skip it.
            if (semicolon < 0)
                break;
            i = semicolon + 1;
            continue;
        }
        const QString key = connection.mid(i, equals - i).trimmed();
        qsizetype j = equals + 1;
        while (j < n && connection[j] == ' ')
            ++j;
        QString value;
        if (j < n && (connection[j] == '{' || connection[j] == '"')) {
            const QChar close = connection[j] == '{' ? QChar('}') : QChar('"');
            const qsizetype end = connection.indexOf(close, j + 1);
            if (end < 0) {
                value = connection.mid(j + 1);
                j = n;
            } else {
                value = connection.mid(j + 1, end - j - 1);
                j = end + 1;
            }
            const qsizetype next = connection.indexOf(';', j);
            i = next < 0 ? n : next + 1;
        } else {
            const qsizetype next = connection.indexOf(';', j);
            value = connection.mid(j, (next < 0 ? n : next) - j).trimmed();
            i = next < 0 ? n : next + 1;
        }
        if (!key.isEmpty())
            out.append({key, value});
    }
    return out;
}

QString connectionValue(const QString& connection, const QString& key)
{
    for (const auto& [k, v] : parseConnectionString(connection))
        if (k.compare(key, Qt::CaseInsensitive) == 0)
            return v.isNull() ? QStringLiteral("") : v;
    return QString();
}

QString firstConnectionValue(const QString& connection, std::initializer_list<const char*> keys)
{
    for (const char* key : keys) {
        const QString v = connectionValue(connection, QString::fromLatin1(key));
        if (!v.isNull())
            return v;
    }
    return QString();
}

TableDataset::TableDataset(const QString& connection, const QString& tableName)
    : m_connection(connection), m_tableName(tableName)
{
}

TableDataset::~TableDataset()
{
    close();
}

bool TableDataset::setFilter(const QString& filter)
{
    m_filter = cleanFilter(filter);
    return !isOpen() || runQuery();
}

bool TableDataset::setSort(const QString& sort)
{
    m_sort = cleanSort(sort);
    return !isOpen() || runQuery();
}

bool TableDataset::connect()
{
    const Target target = targetOf(m_connection);
    m_connectionName = uniqueConnectionName();
    m_textDriver = false;
    switch (target.backend) {
    case Backend::Sqlite: {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        const QString file = firstConnectionValue(m_connection, {"Database", "Data Source"});
        if (file.isEmpty() || !QFileInfo::exists(file)) {
            m_error = MergeTexts::databaseFileNotFound(file);
            return false;
        }
        db.setDatabaseName(file);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        break;
    }
    case Backend::Postgres: {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_connectionName);
        db.setHostName(firstConnectionValue(m_connection, {"Host", "Server"}));
        const QString port = firstConnectionValue(m_connection, {"Port"});
        if (!port.isEmpty())
            db.setPort(port.toInt());
        db.setDatabaseName(firstConnectionValue(m_connection, {"Database", "DBName"}));
        db.setUserName(firstConnectionValue(m_connection, {"User", "UID", "User ID"}));
        db.setPassword(firstConnectionValue(m_connection, {"Password", "PWD"}));
        break;
    }
    case Backend::Odbc: {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), m_connectionName);
        db.setDatabaseName(qtOdbcName(odbcString(m_connection)));
        db.setConnectOptions(QStringLiteral("SQL_ATTR_ACCESS_MODE=SQL_MODE_READ_ONLY"));
        break;
    }
    case Backend::Text: {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        db.setDatabaseName(QStringLiteral(":memory:"));
        m_textDriver = true;
        break;
    }
    case Backend::Unknown:
        m_error = MergeTexts::unsupportedConnection(m_connection);
        return false;
    }
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (!db.isValid()) {
        m_error = MergeTexts::DriverUnavailable;
        return false;
    }
    if (!db.open()) {
        m_error = db.lastError().text();
        return false;
    }
    if (target.backend == Backend::Postgres) {
        QSqlQuery readOnly(db);
        readOnly.exec(QStringLiteral("SET SESSION CHARACTERISTICS AS TRANSACTION READ ONLY"));
    }
    if (m_textDriver) {
        if (!loadTextTable())
            return false;
    } else {
        m_sqlTable = sqlTableName(m_tableName);
    }
    return true;
}

bool TableDataset::loadTextTable()
{
    const Target target = targetOf(m_connection);
    QString file = m_tableName.trimmed();
    if (file.size() >= 2 && file.startsWith('"') && file.endsWith('"'))
        file = file.mid(1, file.size() - 2);
    const QString path = findInFolder(target.folder, file);
    if (target.folder.isEmpty() || file.isEmpty() || !QFileInfo(path).isFile()) {
        m_error = MergeTexts::textFileNotFound(path);
        return false;
    }
    CsvFile text;
    if (!text.openRead(path, ',', '"')) {
        m_error = MergeTexts::cannotReadTextFile(path);
        return false;
    }
    const QStringList columns = uniqueColumnNames(text.values());
    m_fieldNames = columns;
    m_fieldPositions = NamePositions(m_fieldNames);
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    QStringList defs;
    for (const QString& column : columns)
        defs << quoteIdentifier(column) + QStringLiteral(" TEXT");
    m_sqlTable = QStringLiteral("textdata");
    QSqlQuery create(db);
    if (!create.exec(QStringLiteral("CREATE TABLE textdata (") + defs.join(',') + ')')) {
        m_error = create.lastError().text();
        return false;
    }
    QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode = OFF"));
    db.transaction();
    if (!insertTextRows(db, text, int(columns.size()))) {
        db.rollback();
        return false;
    }
    db.commit();
    QSqlQuery(db).exec(QStringLiteral("PRAGMA query_only = 1"));
    return true;
}

// Rows go in many to a statement: one statement per row would cost more
// than reading the file itself.
bool TableDataset::insertTextRows(QSqlDatabase& db, CsvFile& text, int columns)
{
    const int perStatement = std::max(1, 900 / std::max(columns, 1));
    auto statement = [&](int rows) {
        const QString row = '(' + QStringList(columns, QStringLiteral("?")).join(',') + ')';
        return QStringLiteral("INSERT INTO textdata VALUES ") + QStringList(rows, row).join(',');
    };
    QSqlQuery batch(db);
    if (!batch.prepare(statement(perStatement))) {
        m_error = batch.lastError().text();
        return false;
    }
    const QString empty = QStringLiteral("");
    QList<QStringList> pending;
    auto flush = [&](QSqlQuery& query) {
        int at = 0;
        for (const QStringList& values : pending)
            for (int i = 0; i < columns; ++i)
                // Empty values are empty strings, never NULL, so "FIELD = ''" finds them.
                query.bindValue(at++, i < values.size() && !values[i].isEmpty() ? values[i] : empty);
        pending.clear();
        if (query.exec())
            return true;
        m_error = query.lastError().text();
        return false;
    };
    qint64 rows = 0;
    while (text.readNext()) {
        pending.append(text.values());
        ++rows;
        if (pending.size() == perStatement) {
            if (!flush(batch))
                return false;
            if (m_progress && !m_progress(rows)) {
                m_cancelled = true;
                m_error = MergeTexts::LoadCancelled;
                return false;
            }
        }
    }
    if (pending.isEmpty())
        return true;
    QSqlQuery rest(db);
    return rest.prepare(statement(int(pending.size()))) && flush(rest);
}

QString TableDataset::selectFrom() const
{
    return QStringLiteral(" FROM ") + m_sqlTable + whereClause();
}

QString TableDataset::whereClause() const
{
    return m_filter.isEmpty() ? QString() : QStringLiteral(" WHERE ") + m_filter;
}

QString TableDataset::orderClause() const
{
    // The text copy keeps file order where the sort leaves ties.
    if (m_textDriver)
        return QStringLiteral(" ORDER BY ") + (m_sort.isEmpty() ? QString() : m_sort + QStringLiteral(", ")) +
               QStringLiteral("rowid");
    return m_sort.isEmpty() ? QString() : QStringLiteral(" ORDER BY ") + m_sort;
}

bool TableDataset::runQuery()
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    QSqlQuery count(db);
    if (!count.exec(QStringLiteral("SELECT COUNT(*)") + selectFrom()) || !count.next()) {
        m_error = count.lastError().text();
        return false;
    }
    const qlonglong records = count.value(0).toLongLong();
    auto query = std::make_unique<QSqlQuery>(db);
    query->setForwardOnly(true);
    m_selectText = QStringLiteral("SELECT *") + selectFrom() + orderClause();
    if (!query->exec(m_selectText)) {
        m_error = query->lastError().text();
        return false;
    }
    if (!m_textDriver) {
        const QSqlRecord record = query->record();
        m_fieldNames.clear();
        for (int i = 0; i < record.count(); ++i)
            m_fieldNames << record.fieldName(i);
        m_fieldPositions = NamePositions(m_fieldNames);
    }
    m_recordCount = int(std::clamp<qlonglong>(records, 0, std::numeric_limits<int>::max()));
    m_query = std::move(query);
    m_position = m_query->next() ? 0 : -1;
    return true;
}

bool TableDataset::open()
{
    close();
    m_error.clear();
    if (connect() && runQuery())
        return true;
    close();
    return false;
}

void TableDataset::close()
{
    m_query.reset();
    m_fieldNames.clear();
    m_fieldPositions.clear();
    m_recordCount = 0;
    m_position = -1;
    if (!m_connectionName.isEmpty()) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
            if (db.isValid())
                db.close();
        }
        QSqlDatabase::removeDatabase(m_connectionName);
        m_connectionName.clear();
    }
}

bool TableDataset::first()
{
    if (!m_query)
        return false;
    if (m_position == 0)
        return true;
    // Forward-only results start again by running the query again.
    if (!m_query->exec(m_selectText)) {
        m_error = m_query->lastError().text();
        m_position = -1;
        return false;
    }
    m_position = m_query->next() ? 0 : -1;
    return m_position == 0;
}

int TableDataset::moveBy(int count)
{
    if (!m_query || m_position < 0)
        return 0;
    int moved = 0;
    while (moved < count) {
        if (!m_query->next()) {
            m_position = -1;
            return moved;
        }
        ++moved;
        ++m_position;
    }
    return moved;
}

int TableDataset::fieldIndex(const QString& name) const
{
    return m_fieldPositions.indexOf(name);
}

QString TableDataset::fieldText(int index) const
{
    if (!m_query || m_position < 0 || index < 0 || index >= m_fieldNames.size())
        return QString();
    const QVariant value = m_query->value(index);
    return value.isNull() ? QString() : value.toString();
}

QString TableDataset::fieldText(const QString& name) const
{
    return fieldText(fieldIndex(name));
}

QStringList TableDataset::tableNames(const QString& connection, QString* error)
{
    const Target target = targetOf(connection);
    if (target.backend == Backend::Text) {
        QDir folder(target.folder);
        if (target.folder.isEmpty() || !folder.exists()) {
            if (error)
                *error = QStringLiteral("Folder not found: ") + target.folder;
            return {};
        }
        QStringList names;
        for (const QFileInfo& info : folder.entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase)) {
            const QString suffix = info.suffix().toLower();
            if (suffix == QLatin1String("csv") || suffix == QLatin1String("txt"))
                names << info.fileName();
        }
        return names;
    }
    TableDataset probe(connection, QString());
    if (!probe.connect()) {
        if (error)
            *error = probe.m_error;
        probe.close();
        return {};
    }
    QStringList names = QSqlDatabase::database(probe.m_connectionName, false).tables();
    probe.close();
    names.sort(Qt::CaseInsensitive);
    return names;
}
