#include "model/Alignment.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>

#include "model/Card.h"

namespace Alignment {

namespace {

// Margins from a damaged file may hold any value: the sums stay in 64 bits
// and the results are kept where an int still holds them.
int clampToInt(int64_t value) { return int(std::clamp<int64_t>(value, -(int64_t(1) << 30), int64_t(1) << 30)); }

int64_t scaled(int64_t units, int zoom) { return units * zoom / 100; }

// The edges of a union of rectangles, empty ones included (a 0 × 0 object still counts).
struct Bounds {
    int64_t left = 0, top = 0, right = 0, bottom = 0;
    int64_t width() const { return right - left; }
    int64_t height() const { return bottom - top; }
};

Bounds boundsOf(const std::vector<QRect>& rects)
{
    Bounds b{rects.front().x(), rects.front().y(), rects.front().x() + rects.front().width(),
             rects.front().y() + rects.front().height()};
    for (const QRect& r : rects) {
        b.left = std::min<int64_t>(b.left, r.x());
        b.top = std::min<int64_t>(b.top, r.y());
        b.right = std::max<int64_t>(b.right, int64_t(r.x()) + r.width());
        b.bottom = std::max<int64_t>(b.bottom, int64_t(r.y()) + r.height());
    }
    return b;
}

std::vector<QRect> shifted(const std::vector<QRect>& rects, int64_t dx, int64_t dy)
{
    std::vector<QRect> out;
    for (const QRect& r : rects)
        out.emplace_back(clampToInt(r.x() + dx), clampToInt(r.y() + dy), r.width(), r.height());
    return out;
}

// Kinds 1 to 6: where the selection frame (the bounds widened by 2 left and
// up, 3 right and down) goes, as a shift of every object.
std::vector<QRect> toMargins(int kind, const std::vector<QRect>& rects, const Area& a)
{
    const Bounds b = boundsOf(rects);
    const int64_t frameLeft = b.left - 2, frameTop = b.top - 2;
    const int64_t frameWidth = b.width() + 5, frameHeight = b.height() + 5;
    int64_t newLeft = frameLeft, newTop = frameTop;
    switch (kind) {
    case Left: newLeft = scaled(a.marginLeft, a.zoom) - 2; break;
    case HorizontalCenter:
        newLeft = (a.cardWidth - scaled(int64_t(a.marginLeft) + a.marginRight, a.zoom) - frameWidth) / 2 +
                  scaled(a.marginLeft, a.zoom);
        break;
    case Right: newLeft = a.cardWidth - frameWidth - scaled(a.marginRight, a.zoom) + 3; break;
    case Top: newTop = scaled(a.marginTop, a.zoom) - 2; break;
    case VerticalCenter:
        newTop = (a.cardHeight - scaled(int64_t(a.marginTop) + a.marginBottom, a.zoom) - frameHeight) / 2 +
                 scaled(a.marginTop, a.zoom);
        break;
    case Bottom: newTop = a.cardHeight - frameHeight - scaled(a.marginBottom, a.zoom) + 3; break;
    default: break;
    }
    return shifted(rects, newLeft - frameLeft, newTop - frameTop);
}

// One axis of Align to Grid: the start onto the grid line at or before it
// (an object left of the first line goes to 0), the size cut back so the
// far side falls on a grid line too.
void snapAxis(int& start, int& size, int64_t step)
{
    if (step <= 0)
        return;
    int64_t s = start, length = size;
    if (s < step)
        s = s >= 1 ? 0 : s;
    else
        s = s / step * step;
    length -= (s + length) % step;
    start = clampToInt(s);
    size = clampToInt(std::max<int64_t>(0, length));
}

std::vector<QRect> toGrid(const std::vector<QRect>& rects, const Area& a)
{
    if (a.gridX < 2 || a.gridY < 2)
        return rects;
    // A small grid at a low zoom can be less than a pixel: that axis stays.
    const int64_t gx = scaled(a.gridX, a.zoom), gy = scaled(a.gridY, a.zoom);
    std::vector<QRect> out;
    for (const QRect& r : rects) {
        int left = r.x(), width = r.width(), top = r.y(), height = r.height();
        snapAxis(left, width, gx);
        snapAxis(top, height, gy);
        out.emplace_back(left, top, width, height);
    }
    return out;
}

std::vector<QRect> toGroup(int kind, const std::vector<QRect>& rects)
{
    const Bounds b = boundsOf(rects);
    std::vector<QRect> out;
    for (const QRect& r : rects) {
        int64_t left = r.x(), top = r.y();
        switch (kind) {
        case GroupLeft: left = b.left; break;
        case GroupHorizontalCenter: left = b.left + (b.width() - r.width()) / 2; break;
        case GroupRight: left = b.right - r.width(); break;
        case GroupTop: top = b.top; break;
        case GroupVerticalCenter: top = b.top + (b.height() - r.height()) / 2; break;
        case GroupBottom: top = b.bottom - r.height(); break;
        default: break;
        }
        out.emplace_back(clampToInt(left), clampToInt(top), r.width(), r.height());
    }
    return out;
}

// Equal gaps: the objects in order of their start, the first and the last
// staying, each one between placed after the one before it plus the gap.
std::vector<QRect> spaceEqually(const std::vector<QRect>& rects, bool horizontal)
{
    const size_t n = rects.size();
    if (n < 2)
        return rects;
    const auto start = [horizontal](const QRect& r) { return horizontal ? r.x() : r.y(); };
    const auto extent = [horizontal](const QRect& r) { return horizontal ? r.width() : r.height(); };
    std::vector<size_t> order(n);
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return start(rects[a]) < start(rects[b]); });
    const Bounds b = boundsOf(rects);
    int64_t sum = 0;
    for (const QRect& r : rects)
        sum += extent(r);
    const double gap = double((horizontal ? b.width() : b.height()) - sum) / double(n - 1);
    std::vector<QRect> out = rects;
    for (size_t i = 1; i + 1 < n; ++i) {
        const QRect& previous = out[order[i - 1]];
        const int at = clampToInt(int64_t(std::trunc(double(start(previous)) + extent(previous) + gap)));
        QRect& r = out[order[i]];
        if (horizontal)
            r.moveLeft(at);
        else
            r.moveTop(at);
    }
    return out;
}

} // namespace

Area Area::of(const Card& card)
{
    Area area;
    area.cardWidth = card.regionWidth();
    area.cardHeight = card.regionHeight();
    area.marginLeft = card.marginLeft;
    area.marginRight = card.marginRight;
    area.marginTop = card.marginTop;
    area.marginBottom = card.marginBottom;
    area.zoom = 100;  // the card is in design units
    area.gridX = card.gridX;
    area.gridY = card.gridY;
    return area;
}

std::vector<QRect> align(int kind, const std::vector<QRect>& rects, const Area& area, bool locked)
{
    if (rects.empty())
        return rects;
    switch (kind) {
    case Grid: return toGrid(rects, area);
    case Left:
    case HorizontalCenter:
    case Right:
    case Top:
    case VerticalCenter:
    case Bottom: return locked ? rects : toMargins(kind, rects, area);
    case SpaceHorizontally: return spaceEqually(rects, true);
    case SpaceVertically: return spaceEqually(rects, false);
    case GroupLeft:
    case GroupHorizontalCenter:
    case GroupRight:
    case GroupTop:
    case GroupVerticalCenter:
    case GroupBottom: return toGroup(kind, rects);
    default: return rects;
    }
}

std::vector<QRect> fitToMargins(const std::vector<QRect>& rects, const Area& a, bool locked)
{
    if (rects.empty() || locked)
        return rects;
    const Bounds b = boundsOf(rects);
    const int64_t left = scaled(a.marginLeft, a.zoom), top = scaled(a.marginTop, a.zoom);
    const int64_t width = a.cardWidth - left - scaled(a.marginRight, a.zoom);
    const int64_t height = a.cardHeight - top - scaled(a.marginBottom, a.zoom);
    const int64_t dl = left - b.left, dt = top - b.top, dw = width - b.width(), dh = height - b.height();
    std::vector<QRect> out;
    for (const QRect& r : rects)
        out.emplace_back(clampToInt(r.x() + dl), clampToInt(r.y() + dt), clampToInt(std::max<int64_t>(0, r.width() + dw)),
                         clampToInt(std::max<int64_t>(0, r.height() + dh)));
    return out;
}

std::vector<int> dialogKinds(int horizontal, int vertical, int horizontalGroup, int verticalGroup)
{
    std::vector<int> kinds;
    if (horizontal >= 1 && horizontal <= 3)
        kinds.push_back(Left + horizontal - 1);
    if (vertical >= 1 && vertical <= 3)
        kinds.push_back(Top + vertical - 1);
    if (horizontalGroup >= 1 && horizontalGroup <= 4)
        kinds.push_back(GroupLeft + horizontalGroup - 1);
    if (verticalGroup >= 1 && verticalGroup <= 4)
        kinds.push_back(GroupTop + verticalGroup - 1);
    return kinds;
}

} // namespace Alignment
