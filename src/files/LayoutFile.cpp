#include "files/LayoutFile.h"

#include <QDir>
#include <QFile>

#include "base/AtomicFile.h"

std::vector<LayoutRecord> parseLayoutFile(QByteArrayView bytes)
{
    std::vector<LayoutRecord> records;
    for (qsizetype at = 0; at + LayoutRecord::kSize <= bytes.size(); at += LayoutRecord::kSize)
        records.push_back(LayoutRecord::fromBytes(bytes.sliced(at, LayoutRecord::kSize)));
    return records;
}

std::vector<LayoutRecord> readLayoutFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Layout files are small; refuse to slurp something absurd.
    if (file.size() > kMaxLayoutFileSize)
        return {};
    return parseLayoutFile(file.read(kMaxLayoutFileSize));
}

bool writeLayoutFile(const QString& path, const std::vector<LayoutRecord>& records, QString* error)
{
    QByteArray bytes;
    for (const LayoutRecord& record : records)
        bytes += record.toBytes();
    return writeFileAtomically(path, bytes, error);
}

QStringList listLayoutFiles(const QString& folder)
{
    QStringList names;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo& info : entries)
        if (info.suffix().compare(QStringLiteral("LYT"), Qt::CaseInsensitive) == 0)
            names << info.completeBaseName();
    names.sort(Qt::CaseInsensitive);
    return names;
}
