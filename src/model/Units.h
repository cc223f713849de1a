#pragma once
// Design units (hundredths of an inch) and their conversions to the display
// (inches or millimetres), to layout units and to surface pixels at a zoom.

#include <QString>
#include <cstdint>

long double UnitsToDisplay(int32_t value, bool metricDisplay, uint8_t valueUnit);
int32_t DisplayToUnits(long double number, bool fromMillimetres);
int32_t LayoutToDesignUnits(uint8_t layoutUnit, int32_t value);

// Surface scale: design units → pixels at zoom Z and back, both truncating.
int32_t UnitsToPixels(int32_t units, int32_t zoom);
int32_t PixelsToUnits(int32_t pixels, int32_t zoom);

// Truncates toward zero into int32 range; NaN gives 0.
int32_t TruncToInt32(long double value);
QString FormatFixed(long double value, int decimals);
