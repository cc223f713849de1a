#include "merge/FilterSort.h"

#include <QFile>

#include "base/TextLines.h"
#include "merge/MergeTexts.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString filterPath(const QString& linkPath)
{
    return linkPath + QStringLiteral(".flt");
}

QString sortPath(const QString& linkPath)
{
    return linkPath + QStringLiteral(".srt");
}

void writeWithHeader(const QString& path, const QString& header, const QString& text)
{
    QFile::remove(path);
    if (text.isEmpty())
        return;
    QString body = header + kCrLf + text;
    if (!body.endsWith(kCrLf))
        body += kCrLf;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(encodeText(body));
}

// "name contains smith" → "name LIKE '%smith%'" (the line is lower case already).
QString convertContainsLine(const QString& line)
{
    const qsizetype at = line.indexOf(QStringLiteral("contains"));
    if (at < 0)
        return line;
    QString value = line.mid(at + 9);
    value.replace('\'', QStringLiteral("''"));
    return line.left(at) + QStringLiteral("LIKE '%") + value + QStringLiteral("%'");
}

} // namespace

namespace FilterSort {

QStringList splitLines(const QString& text)
{
    return splitTextLines(text);
}

QString joinLines(const QStringList& lines)
{
    QString out;
    for (const QString& line : lines)
        out += line + kCrLf;
    return out;
}

QString loadFilter(const QString& linkPath)
{
    QStringList lines;
    if (!readTextLines(filterPath(linkPath), lines) || lines.isEmpty())
        return QString();
    if (lines.first() == MergeTexts::FilterHeader1) {
        lines.removeFirst();
        for (QString& line : lines)
            line = convertContainsLine(line.toLower());
        lines.prepend(MergeTexts::FilterHeader2);
        QFile file(filterPath(linkPath));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(encodeText(joinLines(lines)));
    } else if (lines.first() != MergeTexts::FilterHeader2) {
        return QString();
    }
    lines.removeFirst();
    return joinLines(lines);
}

QString loadSort(const QString& linkPath)
{
    QStringList lines;
    if (!readTextLines(sortPath(linkPath), lines) || lines.isEmpty() || lines.first() != MergeTexts::SortHeader2)
        return QString();
    lines.removeFirst();
    return joinLines(lines);
}

void saveFilter(const QString& linkPath, const QString& filterText)
{
    writeWithHeader(filterPath(linkPath), MergeTexts::FilterHeader2, filterText);
}

void saveSort(const QString& linkPath, const QString& sortText)
{
    writeWithHeader(sortPath(linkPath), MergeTexts::SortHeader2, sortText);
}

QString providerFilter(const QString& filterText)
{
    QString out = filterText;
    return out.replace(kCrLf, QStringLiteral(" "));
}

QString providerSort(const QString& sortText)
{
    QString out = sortText;
    return out.replace(kCrLf, QStringLiteral(", "));
}

QString quoteValue(const QString& value)
{
    QString escaped = value;
    escaped.replace('\'', QStringLiteral("''"));
    return '\'' + escaped + '\'';
}

QString condition(const QString& field, const QString& comparison, const QString& value)
{
    if (comparison.compare(QStringLiteral("LIKE"), Qt::CaseInsensitive) == 0)
        return field + QStringLiteral(" LIKE ") + quoteValue(value);
    return field + comparison + ' ' + quoteValue(value);
}

} // namespace FilterSort
