// Colour reduction for bitmaps written at 8 bits per pixel or fewer.
#include "imaging/Dib.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <vector>

namespace {

struct ColorBox {
    std::vector<std::pair<uint16_t, uint32_t>> bins;  // 5:5:5 colour, count
    int longestAxis(int& range) const
    {
        int lo[3] = {31, 31, 31}, hi[3] = {0, 0, 0};
        for (const auto& [c, n] : bins) {
            const int v[3] = {(c >> 10) & 31, (c >> 5) & 31, c & 31};
            for (int a = 0; a < 3; ++a) {
                lo[a] = std::min(lo[a], v[a]);
                hi[a] = std::max(hi[a], v[a]);
            }
        }
        int axis = 0;
        range = -1;
        for (int a = 0; a < 3; ++a)
            if (hi[a] - lo[a] > range) {
                range = hi[a] - lo[a];
                axis = a;
            }
        return axis;
    }
    uint64_t population() const
    {
        uint64_t total = 0;
        for (const auto& bin : bins)
            total += bin.second;
        return total;
    }
};

// Median cut over a 15-bit histogram: split the most populous box that can
// still be split at the median of its widest axis.
QList<QRgb> medianCutPalette(const QImage& rgb, int maxColors)
{
    std::vector<uint32_t> histogram(32768, 0);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++histogram[((qRed(line[x]) >> 3) << 10) | ((qGreen(line[x]) >> 3) << 5) | (qBlue(line[x]) >> 3)];
    }
    std::vector<ColorBox> boxes(1);
    for (int c = 0; c < 32768; ++c)
        if (histogram[c])
            boxes[0].bins.emplace_back(uint16_t(c), histogram[c]);
    while (int(boxes.size()) < maxColors) {
        int best = -1;
        uint64_t bestPopulation = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            int range = 0;
            boxes[i].longestAxis(range);
            const uint64_t population = boxes[i].population();
            if (boxes[i].bins.size() > 1 && range > 0 && population > bestPopulation) {
                best = i;
                bestPopulation = population;
            }
        }
        if (best < 0)
            break;
        int range = 0;
        const int axis = boxes[best].longestAxis(range);
        const int shift = axis == 0 ? 10 : axis == 1 ? 5 : 0;
        auto& bins = boxes[best].bins;
        std::sort(bins.begin(), bins.end(),
                  [shift](const auto& a, const auto& b) { return ((a.first >> shift) & 31) < ((b.first >> shift) & 31); });
        uint64_t half = bestPopulation / 2, running = 0;
        size_t cut = 1;
        for (size_t i = 0; i + 1 < bins.size(); ++i) {
            running += bins[i].second;
            cut = i + 1;
            if (running >= half)
                break;
        }
        ColorBox upper;
        upper.bins.assign(bins.begin() + qsizetype(cut), bins.end());
        bins.resize(cut);
        boxes.push_back(std::move(upper));
    }
    QList<QRgb> palette;
    for (const auto& box : boxes) {
        uint64_t r = 0, g = 0, b = 0, n = 0;
        for (const auto& [c, count] : box.bins) {
            r += uint64_t(((c >> 10) & 31) * 8 + 4) * count;
            g += uint64_t(((c >> 5) & 31) * 8 + 4) * count;
            b += uint64_t((c & 31) * 8 + 4) * count;
            n += count;
        }
        if (n)
            palette.append(qRgb(int(r / n), int(g / n), int(b / n)));
    }
    return palette;
}

int nearestIndex(const QList<QRgb>& palette, int r, int g, int b)
{
    int best = 0, bestDistance = INT_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - r, dg = qGreen(palette[i]) - g, db = qBlue(palette[i]) - b;
        const int distance = dr * dr * 3 + dg * dg * 4 + db * db * 2;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

// Floyd-Steinberg error diffusion onto the palette; nearest colours are
// cached per 15-bit colour.
QImage ditherToPalette(const QImage& rgb, const QList<QRgb>& palette)
{
    QImage out(rgb.size(), QImage::Format_Indexed8);
    if (out.isNull())
        return {};
    out.setColorTable(palette);
    std::vector<int16_t> cache(32768, -1);
    const int w = rgb.width();
    std::vector<std::array<int, 3>> errors(size_t(w) + 2), next(size_t(w) + 2);
    for (int y = 0; y < rgb.height(); ++y) {
        std::fill(next.begin(), next.end(), std::array<int, 3>{0, 0, 0});
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* dst = out.scanLine(y);
        for (int x = 0; x < w; ++x) {
            int c[3] = {qRed(line[x]), qGreen(line[x]), qBlue(line[x])};
            for (int a = 0; a < 3; ++a)
                c[a] = std::clamp(c[a] + errors[size_t(x) + 1][size_t(a)] / 16, 0, 255);
            const int key = ((c[0] >> 3) << 10) | ((c[1] >> 3) << 5) | (c[2] >> 3);
            if (cache[size_t(key)] < 0)
                cache[size_t(key)] = int16_t(nearestIndex(palette, c[0], c[1], c[2]));
            const int index = cache[size_t(key)];
            dst[x] = uchar(index);
            const int chosen[3] = {qRed(palette[index]), qGreen(palette[index]), qBlue(palette[index])};
            for (int a = 0; a < 3; ++a) {
                const int e = c[a] - chosen[a];
                errors[size_t(x) + 2][size_t(a)] += e * 7;
                next[size_t(x)][size_t(a)] += e * 3;
                next[size_t(x) + 1][size_t(a)] += e * 5;
                next[size_t(x) + 2][size_t(a)] += e;
            }
        }
        std::swap(errors, next);
    }
    return out;
}

QImage exactPalette(const QImage& rgb, int maxColors)
{
    QHash<QRgb, int> indices;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = line[x] | 0xFF000000;
            if (!indices.contains(c)) {
                if (indices.size() == maxColors)
                    return {};
                const int index = int(indices.size());
                indices.insert(c, index);
            }
        }
    }
    QList<QRgb> palette(indices.size());
    for (auto it = indices.cbegin(); it != indices.cend(); ++it)
        palette[it.value()] = it.key();
    QImage out(rgb.size(), QImage::Format_Indexed8);
    if (out.isNull())
        return {};
    out.setColorTable(palette);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* dst = out.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x)
            dst[x] = uchar(indices.value(line[x] | 0xFF000000));
    }
    return out;
}

} // namespace

QImage reduceColors(const QImage& image, int maxColors)
{
    if (image.isNull() || maxColors < 2)
        return {};
    if ((image.format() == QImage::Format_Indexed8 || image.format() == QImage::Format_Mono ||
         image.format() == QImage::Format_MonoLSB) &&
        image.colorCount() <= maxColors) {
        QImage indexed = image.convertToFormat(QImage::Format_Indexed8);
        return indexed;
    }
    const QImage rgb = flattenOnWhite(image);
    QImage exact = exactPalette(rgb, maxColors);
    if (!exact.isNull())
        return exact;
    return ditherToPalette(rgb, medianCutPalette(rgb, maxColors));
}
