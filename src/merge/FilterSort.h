#pragma once
// Filter and sort files beside a data source (source path + ".flt" / ".srt").
// In memory a filter or sort is its lines without the header, each followed by
// CR LF. Older "contains" filters are converted (and the file rewritten) on load.

#include <QString>
#include <QStringList>

namespace FilterSort {
QString loadFilter(const QString& linkPath);
QString loadSort(const QString& linkPath);
// Deletes the file and, for a non-empty text, writes it again with its header.
void saveFilter(const QString& linkPath, const QString& filterText);
void saveSort(const QString& linkPath, const QString& sortText);

// What the data provider receives: CR LF → " " for a filter, → ", " for a sort.
QString providerFilter(const QString& filterText);
QString providerSort(const QString& sortText);

// A condition as the link wizard writes it ("=", "<", ">" or "LIKE"); the
// value's apostrophes are doubled so it stays one SQL string.
QString condition(const QString& field, const QString& comparison, const QString& value);
QString quoteValue(const QString& value);  // 'value' with apostrophes doubled

// Lines joined as the reader keeps them: each followed by CR LF.
QString joinLines(const QStringList& lines);
QStringList splitLines(const QString& text);
}
