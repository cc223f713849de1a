// Any bytes may arrive as a delimited text file: open, read every line, count
// the fields, rewind and read again.
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "base/CsvFile.h"

namespace {
QString g_path;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    g_path = QDir::temp().filePath(QStringLiteral("fuzz-tdfile-%1.csv").arg(QCoreApplication::applicationPid()));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The first byte picks the delimiter and quote, so other pairs get exercised too.
    const char delimiters[] = {',', ';', '\t', '"'};
    const char quotes[] = {'"', '\'', ',', '\r'};
    const uint8_t choice = size > 0 ? data[0] : 0;
    {
        QFile file(g_path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        if (size > 1)
            file.write(reinterpret_cast<const char*>(data + 1), qint64(size - 1));
    }
    CsvFile reader;
    if (choice & 0x10)
        reader.setEncoding(CsvFile::Encoding::Cp1252);
    if (reader.openRead(g_path, delimiters[choice & 3], quotes[(choice >> 2) & 3])) {
        int lines = 0;
        while (reader.readNext()) {
            if (reader.values().size() > reader.fieldCount())
                __builtin_trap();
            ++lines;
        }
        (void)reader.countFields();
        reader.rewind();
        int again = 0;
        while (reader.readNext())
            ++again;
        if (again != lines)
            __builtin_trap();
    }
    reader.close();
    return 0;
}
