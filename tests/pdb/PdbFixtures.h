#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

#include "pdb/BinaryDataSet.h"

inline QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline int32_t Int32At(const QByteArray& bytes, qsizetype offset)
{
    return offset + 4 <= bytes.size() ? qFromLittleEndian<int32_t>(bytes.constData() + offset) : INT32_MIN;
}

// A new, open table of the given schema.
inline bool CreateOpenTable(TBinaryDataSet& table, const QString& path, std::vector<TableField> fields)
{
    table.TableName = path;
    table.FieldDefs = std::move(fields);
    return table.CreateTable() && table.Open();
}

inline bool AddRecord(TBinaryDataSet& table, std::initializer_list<std::pair<const char*, QString>> values)
{
    if (!table.Insert())
        return false;
    for (const auto& [field, value] : values)
        table.SetFieldValue(QString::fromLatin1(field), value);
    return table.Post();
}
