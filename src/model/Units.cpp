#include "model/Units.h"

#include <cmath>

namespace {
constexpr long double kInchesPerMillimetre = 0.039370078740157482516L;
} // namespace

int32_t truncToInt32(long double value)
{
    if (!(value == value))
        return 0;
    if (value >= 2147483647.0L)
        return INT32_MAX;
    if (value <= -2147483648.0L)
        return INT32_MIN;
    return int32_t(std::trunc(value));
}
long double unitsToDisplay(int32_t value, bool metricDisplay, uint8_t valueUnit)
{
    if (valueUnit == 1)
        return metricDisplay ? value * 0.01L : value / 2540.0L;
    return metricDisplay ? value * 0.254L : value * 0.01L;
}

int32_t displayToUnits(long double number, bool fromMillimetres)
{
    number += number > 0 ? 0.00001L : -0.00001L;
    number *= 100;
    if (fromMillimetres)
        number *= kInchesPerMillimetre;
    return truncToInt32(number);
}

int32_t layoutToDesignUnits(uint8_t layoutUnit, int32_t value)
{
    return layoutUnit == 1 ? truncToInt32(value * kInchesPerMillimetre) : value;
}

int32_t unitsToPixels(int32_t units, int32_t zoom) { return truncToInt32(units * (long double)zoom * 0.01L); }

int32_t pixelsToUnits(int32_t pixels, int32_t zoom)
{
    if (zoom == 0)
        return 0;
    return truncToInt32(pixels * 100.0L / zoom);
}

QString formatFixed(long double value, int decimals) { return QString::number(double(value), 'f', decimals); }
