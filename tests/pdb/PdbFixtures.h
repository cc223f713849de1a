#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

#include "pdb/PersonalTable.h"

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline int32_t int32At(const QByteArray& bytes, qsizetype offset)
{
    return offset + 4 <= bytes.size() ? qFromLittleEndian<int32_t>(bytes.constData() + offset) : INT32_MIN;
}

// A new, open table of the given schema.
inline bool createOpenTable(PersonalTable& table, const QString& path, std::vector<TableField> fields)
{
    table.tableName = path;
    table.fieldDefs = std::move(fields);
    return table.createTable() && table.open();
}

inline bool addRecord(PersonalTable& table, std::initializer_list<std::pair<const char*, QString>> values)
{
    if (!table.insert())
        return false;
    for (const auto& [field, value] : values)
        table.setFieldValue(QString::fromLatin1(field), value);
    return table.post();
}
