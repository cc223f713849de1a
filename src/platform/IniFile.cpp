#include "IniFile.h"

#include <QFile>
#include <QStringList>

#include "AtomicFile.h"
#include "Cp1252.h"

namespace {

QStringList readLines(const QString& path, bool* exists = nullptr)
{
    QFile file(path);
    if (exists)
        *exists = false;
    if (!file.open(QIODevice::ReadOnly))
        return {};
    if (exists)
        *exists = true;
    const QByteArray bytes = file.readAll();
    QString text = isValidUtf8(bytes) ? QString::fromUtf8(bytes) : fromCp1252(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    QStringList lines = text.split(QChar('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
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

bool hasCp1252Form(const QString& text)
{
    return fromCp1252(toCp1252(text)) == text;
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
    const QByteArray bytes = hasCp1252Form(text) ? toCp1252(text) : text.toUtf8();
    return WriteFileAtomically(path, bytes);
}

} // namespace IniFile
