#include "base/TextLines.h"

#include <QFile>

#include "base/BoundedRead.h"
#include "base/Cp1252.h"

QString decodeText(const QByteArray& bytes)
{
    QString text = isValidUtf8(bytes) ? QString::fromUtf8(bytes) : fromCp1252(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

QByteArray encodeText(const QString& text)
{
    const QByteArray cp = toCp1252(text);
    return fromCp1252(cp) == text ? cp : text.toUtf8();
}

QStringList splitTextLines(const QString& text)
{
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normal.replace(QChar('\r'), QChar('\n'));
    QStringList lines = normal.split(QChar('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool readTextLines(const QString& path, QStringList& lines)
{
    lines.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const std::optional<QByteArray> bytes = readAtMost(file, kMaxTextFileSize);
    if (!bytes)
        return false;
    lines = splitTextLines(decodeText(*bytes));
    return true;
}
