#pragma once
// The conversions every drawing routine shares: lengths scale by the zoom
// and every float-to-integer step truncates toward zero.

#include <QRect>
#include <cmath>
#include <cstdint>

constexpr double kDegreesToRadians = 0.0174533;
constexpr double kRadiansToDegrees = 57.29578;

inline int truncToInt(double value)
{
    if (!std::isfinite(value))
        return 0;
    if (value >= 2147483647.0)
        return 2147483647;
    if (value <= -2147483648.0)
        return -2147483647 - 1;
    return int(std::trunc(value));
}

// A stored length at zoom Z in surface pixels.
inline int scaleByZoom(int32_t value, int32_t zoom) { return truncToInt(value * double(zoom) * 0.01); }

// Whole degrees of a rotation in tenths, brought into 0..359.
inline int normalizedDegrees(int32_t tenths)
{
    const int degrees = int(tenths / 10);
    return ((degrees % 360) + 360) % 360;
}

// A frame as its four edges, the way the drawing routines measure it: right
// and bottom lie just outside, so right − left is the width.
struct Edges {
    int left, top, right, bottom;
};

inline Edges edgesOf(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
inline QRect rectOf(const Edges& e) { return QRect(e.left, e.top, e.right - e.left, e.bottom - e.top); }
