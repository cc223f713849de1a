#include "base/IniFile.h"

#include <QFile>
#include <QStringList>

#include "base/AtomicFile.h"
#include "base/TextLines.h"

namespace {

QStringList readLines(const QString& path, bool* exists = nullptr)
{
    QStringList lines;
    const bool read = readTextLines(path, lines);
    if (exists)
        *exists = read;
    return lines;
}

// The section name of a "[name]" line, or a null string for any other line.
QString sectionOf(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith('[') && trimmed.endsWith(']'))
        return trimmed.mid(1, trimmed.size() - 2).trimmed();
    return QString();
}

bool keyMatches(const QString& line, const QString& key, QString* value)
{
    const qsizetype equals = line.indexOf('=');
    if (equals < 0 || line.trimmed().startsWith(';'))
        return false;
    if (line.left(equals).trimmed().compare(key, Qt::CaseInsensitive) != 0)
        return false;
    if (value) {
        QString v = line.mid(equals + 1).trimmed();
        if (v.size() >= 2 && v.startsWith('"') && v.endsWith('"'))
            v = v.mid(1, v.size() - 2);
        *value = v;
    }
    return true;
}

} // namespace

namespace IniFile {

QString readString(const QString& path, const QString& section, const QString& key, const QString& defaultValue)
{
    bool inSection = false;
    for (const QString& line : readLines(path)) {
        const QString name = sectionOf(line);
        if (!name.isNull()) {
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        QString value;
        if (inSection && keyMatches(line, key, &value))
            return value;
    }
    return defaultValue;
}

bool writeString(const QString& path, const QString& section, const QString& key, const QString& value)
{
    QStringList lines = readLines(path);
    const QString entry = key + '=' + value;
    qsizetype sectionLine = -1;
    qsizetype insertAt = -1;
    bool done = false;
    for (qsizetype i = 0; i < lines.size() && !done; ++i) {
        const QString name = sectionOf(lines[i]);
        if (!name.isNull()) {
            if (sectionLine >= 0)
                break;
            if (name.compare(section, Qt::CaseInsensitive) == 0)
                sectionLine = insertAt = i;
            continue;
        }
        if (sectionLine < 0)
            continue;
        if (keyMatches(lines[i], key, nullptr)) {
            lines[i] = entry;
            done = true;
        } else if (!lines[i].trimmed().isEmpty()) {
            insertAt = i;
        }
    }
    if (!done) {
        if (sectionLine < 0) {
            lines.append('[' + section + ']');
            lines.append(entry);
        } else {
            lines.insert(insertAt + 1, entry);
        }
    }
    const QString text = lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    const QByteArray bytes = encodeText(text);
    return writeFileAtomically(path, bytes);
}

} // namespace IniFile
