#pragma once
// The connection a data link file keeps, built from the parts of the
// providers we ship: an SQLite file (the default), a PostgreSQL server, an
// ODBC data source name, or a folder of text files. Without widgets.

#include <QString>
#include <QStringList>

enum class ConnectionProvider { Sqlite, Postgres, Odbc, Text };

struct ConnectionParts {
    ConnectionProvider provider = ConnectionProvider::Sqlite;
    QString file;      // SQLite
    QString host;      // PostgreSQL
    QString port;
    QString database;
    QString user;
    QString password;
    QString dsn;       // ODBC
    QString folder;    // text files

    // The connection string ("Driver=QPSQL;Host=...;..."); values that would
    // break the list are wrapped in braces.
    QString connectionString() const;
    // Whether the provider's required parts are filled in.
    bool complete() const;
    // The parts of an existing connection string (an unknown one gives the default).
    static ConnectionParts fromConnection(const QString& connection);
};

// What a connection test found: the tables offered, or the driver's own error text.
struct ConnectionTestResult {
    bool ok = false;
    QStringList tables;
    QString error;
};
// Connects and lists the tables. Runs on any thread: it uses a connection of its own.
ConnectionTestResult testConnection(const QString& connection);
