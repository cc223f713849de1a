#pragma once
// Filter and sort files beside a data source (source path + ".flt" / ".srt").
// In memory a filter or sort is its lines without the header, each followed by
// CR LF. Older "contains" filters are converted (and the file rewritten) on load.

#include <QString>
#include <QStringList>

namespace FilterSort {
QString LoadFilter(const QString& linkPath);
QString LoadSort(const QString& linkPath);
// Deletes the file and, for a non-empty text, writes it again with its header.
void SaveFilter(const QString& linkPath, const QString& filterText);
void SaveSort(const QString& linkPath, const QString& sortText);

// What the data provider receives: CR LF → " " for a filter, → ", " for a sort.
QString ProviderFilter(const QString& filterText);
QString ProviderSort(const QString& sortText);

// A condition as the link wizard writes it ("=", "<", ">" or "LIKE"); the
// value's apostrophes are doubled so it stays one SQL string.
QString Condition(const QString& field, const QString& comparison, const QString& value);
QString QuoteValue(const QString& value);  // 'value' with apostrophes doubled

// Lines joined as the reader keeps them: each followed by CR LF.
QString JoinLines(const QStringList& lines);
QStringList SplitLines(const QString& text);
}
