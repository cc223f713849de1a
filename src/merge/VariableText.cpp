#include "merge/VariableText.h"

#include <algorithm>

namespace {

int32_t integerOr(const QString& text, int32_t fallback)
{
    bool ok = false;
    const int32_t value = text.trimmed().toInt(&ok);
    return ok ? value : fallback;
}

} // namespace

namespace VariableText {

bool isCode(const QString& entry)
{
    return entry.size() >= 4 && entry.startsWith(QStringLiteral("{-")) && entry.endsWith(QStringLiteral("-}"));
}

EntryKind kindOf(const QString& entry)
{
    if (!isCode(entry))
        return EntryKind::Plain;
    if (entry[2] == '_')
        return EntryKind::Counter;
    if (entry.mid(2, 4) == QLatin1String("USER"))
        return EntryKind::PersonalData;
    return EntryKind::Field;
}

QString codeBody(const QString& entry)
{
    return isCode(entry) ? entry.mid(2, entry.size() - 4) : QString();
}

QString zeroFilled(int64_t value, int32_t width)
{
    const bool negative = value < 0;
    // Through unsigned so the most negative value has a magnitude too.
    const uint64_t magnitude = negative ? uint64_t(0) - uint64_t(value) : uint64_t(value);
    QString digits = QString::number(magnitude);
    const int32_t room = width - (negative ? 1 : 0);
    if (digits.size() < room)
        digits.prepend(QString(room - digits.size(), '0'));
    return negative ? '-' + digits : digits;
}

QString composeCounterCode(const QString& digitsText, const QString& startText, const QString& incrementText)
{
    const int32_t digits = std::clamp(integerOr(digitsText, 6), 0, 100);
    const int32_t start = integerOr(startText, 0);
    const int32_t increment = integerOr(incrementText, 1);
    return QStringLiteral("{-_") + zeroFilled(start, digits) + '_' + QString::number(increment) +
           QStringLiteral("_-}");
}

QString composeFieldCode(const QString& fieldSpec)
{
    return QStringLiteral("{-") + fieldSpec + QStringLiteral("-}");
}

Counter parseCounter(const QString& entry)
{
    Counter counter;
    const QString inner = entry.size() >= 6 ? entry.mid(3, entry.size() - 6) : QString();
    const qsizetype separator = inner.indexOf('_');
    const QString start = separator < 0 ? inner : inner.left(separator);
    counter.width = int32_t(start.size());
    bool ok = false;
    const qlonglong s = start.toLongLong(&ok);
    counter.start = ok ? s : 0;
    if (separator >= 0) {
        const qlonglong i = inner.mid(separator + 1).toLongLong(&ok);
        counter.increment = ok ? i : 1;
    }
    return counter;
}

QString counterText(const Counter& counter, int64_t elementNumber)
{
    // Wraps like the 64-bit arithmetic it is rather than overflowing undefinedly.
    const uint64_t value = uint64_t(counter.start) + uint64_t(elementNumber - 1) * uint64_t(counter.increment);
    return zeroFilled(int64_t(value), counter.width);
}

TextPage describeTextPage(const QStringList& lines, bool designHasLinkedSource)
{
    TextPage page;
    if (lines.size() >= 2) {
        page.choice = TextChoice::VarText;
        return page;
    }
    const QString entry = lines.value(0);
    const EntryKind kind = kindOf(entry);
    if (kind == EntryKind::Counter) {
        const Counter counter = parseCounter(entry);
        page.choice = TextChoice::Counter;
        page.counterLength = QString::number(counter.width);
        page.counterStart = QString::number(counter.start);
        page.counterIncrement = QString::number(counter.increment);
    } else if (kind != EntryKind::Plain && designHasLinkedSource) {
        page.choice = TextChoice::DBField;
        page.fieldSpec = codeBody(entry);
    }
    return page;
}

} // namespace VariableText
