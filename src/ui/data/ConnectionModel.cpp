#include "ui/data/ConnectionModel.h"

#include "merge/TableDataset.h"

namespace {

QString part(const QString& key, const QString& value)
{
    const bool wrap = value.contains(';') || value.contains('=') || value != value.trimmed() ||
                      value.startsWith('{') || value.startsWith('"');
    return key + '=' + (wrap ? '{' + value + '}' : value) + ';';
}

} // namespace

QString ConnectionParts::connectionString() const
{
    switch (provider) {
    case ConnectionProvider::Sqlite:
        return part("Driver", "QSQLITE") + part("Database", file);
    case ConnectionProvider::Postgres:
        return part("Driver", "QPSQL") + part("Host", host) + (port.isEmpty() ? QString() : part("Port", port)) +
               part("Database", database) + part("User", user) + part("Password", password);
    case ConnectionProvider::Odbc:
        return part("Driver", "QODBC") + part("DSN", dsn);
    case ConnectionProvider::Text:
        break;
    }
    return part("Driver", "TEXT") + part("DBQ", folder);
}

bool ConnectionParts::complete() const
{
    switch (provider) {
    case ConnectionProvider::Sqlite:
        return !file.isEmpty();
    case ConnectionProvider::Postgres:
        return !host.isEmpty() && !database.isEmpty();
    case ConnectionProvider::Odbc:
        return !dsn.isEmpty();
    case ConnectionProvider::Text:
        break;
    }
    return !folder.isEmpty();
}

ConnectionParts ConnectionParts::fromConnection(const QString& connection)
{
    ConnectionParts parts;
    const QString driver = firstConnectionValue(connection, {"Driver"}).toUpper();
    if (driver == QLatin1String("QPSQL")) {
        parts.provider = ConnectionProvider::Postgres;
        parts.host = firstConnectionValue(connection, {"Host", "Server"});
        parts.port = firstConnectionValue(connection, {"Port"});
        parts.database = firstConnectionValue(connection, {"Database", "DBName"});
        parts.user = firstConnectionValue(connection, {"User", "UID", "User ID"});
        parts.password = firstConnectionValue(connection, {"Password", "PWD"});
    } else if (driver == QLatin1String("QODBC")) {
        parts.provider = ConnectionProvider::Odbc;
        parts.dsn = firstConnectionValue(connection, {"DSN"});
    } else if (driver == QLatin1String("TEXT")) {
        parts.provider = ConnectionProvider::Text;
        parts.folder = firstConnectionValue(connection, {"DBQ"});
    } else {
        parts.file = firstConnectionValue(connection, {"Database", "Data Source"});
    }
    return parts;
}

ConnectionTestResult testConnection(const QString& connection)
{
    ConnectionTestResult result;
    result.tables = TableDataset::tableNames(connection, &result.error);
    result.ok = result.error.isEmpty();
    return result;
}
