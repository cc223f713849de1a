// Any bytes may arrive as a personal database table file: open it read-only
// and walk every record, then open it for writing, add a record and delete one.
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "pdb/BinaryDataSet.h"

namespace {
QString g_path;

bool writeInput(const uint8_t* data, size_t size)
{
    QFile file(g_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    return true;
}

void walk(TBinaryDataSet& table)
{
    for (bool more = table.First(); more; more = table.Next())
        for (const TableField& field : table.Fields())
            (void)table.FieldValue(field.name);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    g_path = QDir::temp().filePath(QStringLiteral("fuzz-pdb-%1.dat").arg(QCoreApplication::applicationPid()));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!writeInput(data, size))
        return 0;
    {
        TBinaryDataSet table;
        table.TableName = g_path;
        table.ReadOnly = true;
        if (!table.Open())
            return 0;
        walk(table);
    }
    TBinaryDataSet table;
    table.TableName = g_path;
    if (!table.Open())
        return 0;
    if (table.Insert()) {
        if (!table.Fields().empty())
            table.SetFieldValue(table.Fields().front().name, QStringLiteral("fuzz"));
        table.Post();
    }
    if (table.First())
        table.Delete();
    if (table.Insert())
        table.Post();
    table.Close();
    // What we wrote must open again.
    if (!table.Open())
        __builtin_trap();
    walk(table);
    return 0;
}
