#include "render/ArcText.h"

#include <cmath>

#include "gdi/Canvas.h"
#include "render/RenderMath.h"

namespace {

int spanOf(int subStyle)
{
    if (subStyle == ArcSubStyle::FullCircle)
        return 360;
    if (subStyle == ArcSubStyle::HalfCircle)
        return 180;
    return 90;
}

// Escapement of character i for the start angle; false when the start angle
// has no turning rule (the previous escapement then stays).
bool escapementFor(int startAngle, double turned, int* escapement)
{
    switch (startAngle) {
    case 0: *escapement = truncToInt((-90 - turned) * 10); return true;
    case -90: *escapement = truncToInt(turned * -10); return true;
    case -180: *escapement = truncToInt((90 - turned) * 10); return true;
    case 90: *escapement = truncToInt((180 - turned) * 10); return true;
    case 180: *escapement = truncToInt((90 - turned) * -10); return true;
    default: return false;
    }
}

} // namespace

std::vector<ArcGlyph> layoutArcText(const Canvas& canvas, const Edges& frame, const QString& text, int subStyle,
                                    int startStep)
{
    std::vector<ArcGlyph> glyphs;
    const qsizetype n = text.size();
    if (n <= 1)
        return glyphs;
    const int span = spanOf(subStyle);
    const int a0 = 15 * startStep;
    const QSize w = canvas.textExtent(QStringLiteral("W"));
    const int ww = w.width(), wh = w.height();
    const auto [left, top, right, bottom] = frame;

    int cx = left + wh + (right - left - 2 * wh) / 2;
    int cy = top + wh + (bottom - top - 2 * wh) / 2;
    int r = (right - left - 2 * wh) / 2;
    if (span <= 180) {
        if (a0 == 0 || a0 == 180) {
            cy = top + wh;
        } else if (a0 == -180) {
            cy = bottom - wh;
        } else if (a0 == -90) {
            cx = left + wh;
            r = (bottom - top - 2 * wh) / 2;
        } else if (a0 == 90) {
            cx = right - wh;
            r = (bottom - top - 2 * wh) / 2;
        }
    }
    if (ww >= r)
        return glyphs;

    const double half = std::asin(ww * 0.5 / r) * kRadiansToDegrees;
    const double steps = double(n - 1);
    int escapement = 0;
    glyphs.reserve(size_t(n));
    for (qsizetype i = 0; i < n; ++i) {
        const double spread = double(i) * (span - half) / steps;
        const int a = a0 == 180 ? truncToInt(a0 - spread) : truncToInt(a0 + spread);
        escapementFor(a0, span / steps * double(i), &escapement);
        const double radians = a * kDegreesToRadians;
        glyphs.push_back({QString(text[i]),
                          QPoint(cx + truncToInt(std::cos(radians) * r), cy + truncToInt(std::sin(radians) * r)), escapement});
    }
    return glyphs;
}

void drawArcText(Canvas& canvas, const Edges& frame, const QString& text, int subStyle, int startStep)
{
    const std::vector<ArcGlyph> glyphs = layoutArcText(canvas, frame, text, subStyle, startStep);
    if (glyphs.empty())
        return;
    LogFont turned = canvas.font();
    FontSelection selected(canvas, turned);
    for (const ArcGlyph& glyph : glyphs) {
        turned.escapement = glyph.escapement;
        turned.orientation = glyph.escapement;
        canvas.setFont(turned);
        canvas.textOut(glyph.origin.x(), glyph.origin.y(), glyph.character);
    }
}
