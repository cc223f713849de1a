#include "merge/VariableText.h"

#include <algorithm>

#include "model/CounterCode.h"

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

QString composeCounterCode(const QString& digitsText, const QString& startText, const QString& incrementText)
{
    const int32_t digits = std::clamp(integerOr(digitsText, 6), 0, 100);
    return CounterCode::compose(digits, integerOr(startText, 0), integerOr(incrementText, 1));
}

QString composeFieldCode(const QString& fieldSpec)
{
    return QStringLiteral("{-") + fieldSpec + QStringLiteral("-}");
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
        const CounterCode counter = CounterCode::parse(entry);
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
