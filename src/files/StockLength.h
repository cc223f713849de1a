#pragma once
// Lengths as stock definition XML writes them: a number with a unit ("12.5mm",
// "0.375in", "9pt", "1.2cm"; a bare number is in points), and their exact
// value in a layout record's hundredths.

#include <QStringView>
#include <cstdint>
#include <optional>

enum class StockUnit : uint8_t { Point, Inch, Millimetre, Centimetre, Pica };

struct StockLength {
    long double millimetres = 0;
    StockUnit unit = StockUnit::Point;  // as written, to prefer that unit when both fit as well
};

// The longest length read, 10 m: far beyond any sheet, and small enough that
// no arithmetic on it overflows a record's fields.
constexpr long double kMaxStockMillimetres = 10000;

// Empty for anything else than a finite number within ±10 m and a known unit.
std::optional<StockLength> parseStockLength(QStringView text);

// Layout record units (the record's unit byte).
constexpr uint8_t kLayoutInch = 0;
constexpr uint8_t kLayoutMillimetre = 1;

// The length in hundredths of the record unit, not rounded.
long double stockHundredths(long double millimetres, uint8_t layoutUnit);
// Rounded to the nearest hundredth of the record unit.
int32_t roundedHundredths(long double millimetres, uint8_t layoutUnit);
// Hundredths of the record unit back to millimetres.
long double hundredthsToMillimetres(int64_t hundredths, uint8_t layoutUnit);
