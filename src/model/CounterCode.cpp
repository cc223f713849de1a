#include "model/CounterCode.h"

#include <algorithm>

namespace {

// value zero-filled to width characters, a minus sign first (it counts toward the width).
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

} // namespace

CounterCode CounterCode::parse(const QString& code)
{
    CounterCode counter;
    const QString inner = code.size() >= 6 ? code.mid(3, code.size() - 6) : QString();
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

QString CounterCode::compose(int32_t digits, int64_t start, int64_t increment)
{
    return QStringLiteral("{-_") + zeroFilled(start, digits) + '_' + QString::number(increment) +
           QStringLiteral("_-}");
}

QString CounterCode::valueText(int64_t element) const
{
    // A hand-typed code may hold huge numbers: wrap-around is harmless, undefined overflow is not.
    const uint64_t value = uint64_t(start) + uint64_t(element - 1) * uint64_t(increment);
    return zeroFilled(int64_t(value), std::min(width, kMaxTextLength));
}
