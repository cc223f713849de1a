#include "app/cli/CliText.h"

#include <QStringList>

namespace {

// Words of a line, with a bracketed group kept as one word when asked.
QStringList words(const QString& line, bool keepGroups)
{
    if (!keepGroups)
        return line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList words;
    QString current;
    int depth = 0;
    for (const QString& word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        current = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
        for (const QChar c : word) {
            if (c == QLatin1Char('[') || c == QLatin1Char('('))
                ++depth;
            else if ((c == QLatin1Char(']') || c == QLatin1Char(')')) && depth > 0)
                --depth;
        }
        if (depth == 0) {
            words << current;
            current.clear();
        }
    }
    if (!current.isEmpty())
        words << current;
    return words;
}

QString wrap(const QString& text, int width, int firstIndent, int restIndent, bool keepGroups)
{
    QString out;
    QString line = QString(firstIndent, QLatin1Char(' '));
    qsizetype lineStart = line.size();  // where the line's first word goes
    const auto breakLine = [&] {
        out += (line.trimmed().isEmpty() ? QString() : line) + QLatin1Char('\n');
        line = QString(restIndent, QLatin1Char(' '));
        lineStart = line.size();
    };
    const QStringList paragraphs = text.split(QLatin1Char('\n'));
    for (qsizetype p = 0; p < paragraphs.size(); ++p) {
        if (p > 0)
            breakLine();
        for (const QString& word : words(paragraphs[p], keepGroups)) {
            const bool first = line.size() == lineStart;
            if (!first && line.size() + 1 + word.size() > width)
                breakLine();
            if (line.size() != lineStart)
                line += QLatin1Char(' ');
            line += word;
        }
    }
    return out + line;
}

} // namespace

QString wrapText(const QString& text, int width, int firstIndent, int restIndent)
{
    return wrap(text, width, firstIndent, restIndent, false);
}

QString wrapSynopsis(const QString& text, int firstIndent, int restIndent)
{
    return wrap(text, kCliColumns, firstIndent, restIndent, true);
}
