// Any bytes may arrive as a personal database table file: open it read-only
// and walk every record, then open it for writing, add a record and delete one.
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "pdb/PersonalTable.h"

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

void walk(PersonalTable& table)
{
    for (bool more = table.first(); more; more = table.next())
        for (const TableField& field : table.fields())
            (void)table.fieldValue(field.name);
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
        PersonalTable table;
        table.tableName = g_path;
        table.readOnly = true;
        if (!table.open())
            return 0;
        walk(table);
    }
    PersonalTable table;
    table.tableName = g_path;
    if (!table.open())
        return 0;
    if (table.insert()) {
        if (!table.fields().empty())
            table.setFieldValue(table.fields().front().name, QStringLiteral("fuzz"));
        table.post();
    }
    if (table.first())
        table.deleteRecord();
    if (table.insert())
        table.post();
    table.close();
    // What we wrote must open again.
    if (!table.open())
        __builtin_trap();
    walk(table);
    return 0;
}
