#pragma once
// Design units (hundredths of an inch) and their conversions to the display
// (inches or millimetres), to layout units and to surface pixels at a zoom.

#include <QString>
#include <cstdint>

long double unitsToDisplay(int32_t value, bool metricDisplay, uint8_t valueUnit);
int32_t displayToUnits(long double number, bool fromMillimetres);
int32_t layoutToDesignUnits(uint8_t layoutUnit, int32_t value);

// Surface scale: design units → pixels at zoom Z and back, both truncating.
int32_t unitsToPixels(int32_t units, int32_t zoom);
int32_t pixelsToUnits(int32_t pixels, int32_t zoom);

// Truncates toward zero into int32 range; NaN gives 0.
int32_t truncToInt32(long double value);
QString formatFixed(long double value, int decimals);
