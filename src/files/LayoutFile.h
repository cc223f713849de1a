#pragma once
// Layout files (".LYT"): LayoutRecords back to back with no header; a trailing
// piece shorter than a record is ignored.

#include <QString>
#include <QStringList>
#include <vector>

#include "model/LayoutRecord.h"

// The largest layout file read: thousands of layouts, far beyond any real stock list.
constexpr qint64 kMaxLayoutFileSize = 1024 * 1024;

std::vector<LayoutRecord> parseLayoutFile(QByteArrayView bytes);
// An unreadable or larger file gives an empty list.
std::vector<LayoutRecord> readLayoutFile(const QString& path);
// Atomic: the previous file stays when writing fails (*error, when given, says why).
bool writeLayoutFile(const QString& path, const std::vector<LayoutRecord>& records, QString* error = nullptr);
// Names (without the extension) of the "*.LYT" files in a folder, sorted.
QStringList listLayoutFiles(const QString& folder);
