#include "files/StockLength.h"

#include <QLocale>

#include <cmath>

namespace {

constexpr long double kMillimetresPerInch = 25.4L;

struct UnitName {
    const char* suffix;
    StockUnit unit;
    long double millimetres;
};
constexpr UnitName kUnits[] = {
    {"pt", StockUnit::Point, kMillimetresPerInch / 72},
    {"in", StockUnit::Inch, kMillimetresPerInch},
    {"mm", StockUnit::Millimetre, 1},
    {"cm", StockUnit::Centimetre, 10},
    {"pc", StockUnit::Pica, kMillimetresPerInch / 6},
};

// Where the unit starts: after the last character a number can hold.
qsizetype unitStart(QStringView text)
{
    qsizetype at = text.size();
    while (at > 0 && text[at - 1].isLetter())
        --at;
    return at;
}

} // namespace

std::optional<StockLength> parseStockLength(QStringView text)
{
    text = text.trimmed();
    if (text.isEmpty() || text.size() > 64)
        return std::nullopt;
    const qsizetype split = unitStart(text);
    const QStringView suffix = text.mid(split).trimmed();
    StockLength length;
    long double scale = kUnits[0].millimetres;
    if (!suffix.isEmpty()) {
        const UnitName* found = nullptr;
        for (const UnitName& name : kUnits)
            if (suffix == QLatin1String(name.suffix))
                found = &name;
        if (!found)
            return std::nullopt;
        length.unit = found->unit;
        scale = found->millimetres;
    }
    bool ok = false;
    const double number = QLocale::c().toDouble(text.first(split).trimmed(), &ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    length.millimetres = number * scale;
    if (std::fabs(length.millimetres) > kMaxStockMillimetres)
        return std::nullopt;
    return length;
}

long double stockHundredths(long double millimetres, uint8_t layoutUnit)
{
    return layoutUnit == kLayoutMillimetre ? millimetres * 100 : millimetres * 100 / kMillimetresPerInch;
}

int32_t roundedHundredths(long double millimetres, uint8_t layoutUnit)
{
    // Within ±10 m the result stays far inside int32.
    return int32_t(std::llround(stockHundredths(millimetres, layoutUnit)));
}

long double hundredthsToMillimetres(int64_t hundredths, uint8_t layoutUnit)
{
    return layoutUnit == kLayoutMillimetre ? hundredths / 100.0L : hundredths * kMillimetresPerInch / 100;
}
