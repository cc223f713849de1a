#pragma once
// Small helpers shared by the merge-data tests.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

#include "base/CsvFile.h"

inline QString writeFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    return path;
}

inline QByteArray readFileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Everything a CsvFile reads from a file: the names line, then every record.
struct ReadResult {
    bool opened = false;
    int fieldCount = 0;
    QStringList names;
    std::vector<QStringList> records;
};

inline ReadResult readDelimited(const QString& path)
{
    ReadResult result;
    CsvFile file;
    result.opened = file.openRead(path, ',', '"');
    if (!result.opened)
        return result;
    result.fieldCount = file.fieldCount();
    result.names = file.values();
    while (file.readNext())
        result.records.push_back(file.values());
    return result;
}

// A CSV of people used by the reader tests.
inline QByteArray peopleCsv()
{
    return QByteArray("FIRSTNAME,LASTNAME,ADDRESS,CITY,ZIP\r\n"
                      "Ann,Smith,1 Elm St,Boston,02134\r\n"
                      "Bob,O'Brien,,Berlin,10115\r\n"
                      "Cid,Brown,3 Oak Rd,Bonn,53111\r\n"
                      "Dee,Smith,4 Ash Ln,Austin,73301\r\n");
}
