#include "metafile/EmfPlayer.h"

#include <QCache>
#include <QHash>
#include <QMutex>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>
#include <cstdlib>

#include <emf2svg.h>
#include <uemf_safe.h>

#include "base/ByteStream.h"

namespace {
constexpr uint32_t kEmrHeader = 1;
constexpr uint32_t kEmrEof = 14;
constexpr uint32_t kEmfSignature = 0x464D4520;
constexpr qsizetype kMaxEmfBytes = 64 * 1024 * 1024;
constexpr qsizetype kMinHeaderSize = 88;
constexpr qsizetype kSvgCacheBytes = 32 * 1024 * 1024;
constexpr uint32_t kEmrRoundRect = 44;
constexpr uint32_t kEmrSetTextAlign = 22;
constexpr uint32_t kEmrSelectObject = 37;
constexpr uint32_t kEmrCreateFont = 82;
constexpr uint32_t kEmrTextOutA = 83;
constexpr uint32_t kEmrTextOutW = 84;
// How far below a cell's top the player puts the baseline, per unit of
// font height.
constexpr double kPlayerAscent = 0.9;

struct FontFacts {
    int32_t height = 0;
    int32_t escapement = 0;
};

// Two readings of the player differ from the file format, so it is handed
// adjusted copies of those records (the stored bytes stay as they are):
// - a round rectangle's corner size is the corner ellipse's width and
//   height, which the player takes as the radius: halved;
// - text placed by its cell top and turned by its font's escapement is
//   moved down by the ascent twice (once unturned): lifted once.
QByteArray forPlayer(const QByteArray& emf)
{
    QByteArray copy = emf;
    ByteWriter patch(copy);
    QHash<uint32_t, FontFacts> fonts;
    FontFacts font;
    bool alignTop = true;
    for (qsizetype pos = 0; pos + 8 <= copy.size();) {
        const uint32_t type = readU32At(copy, pos), size = readU32At(copy, pos + 4);
        if (type == kEmrEof || size < 8 || qsizetype(size) > copy.size() - pos)
            break;
        if (type == kEmrRoundRect && size >= 32) {
            patch.patchI32(pos + 24, int32_t(readU32At(copy, pos + 24)) / 2);
            patch.patchI32(pos + 28, int32_t(readU32At(copy, pos + 28)) / 2);
        } else if (type == kEmrCreateFont && size >= 32) {
            fonts.insert(readU32At(copy, pos + 8),
                         {int32_t(readU32At(copy, pos + 12)), int32_t(readU32At(copy, pos + 20))});
        } else if (type == kEmrSelectObject && size >= 12) {
            const auto it = fonts.constFind(readU32At(copy, pos + 8));
            if (it != fonts.constEnd())
                font = *it;
        } else if (type == kEmrSetTextAlign && size >= 12) {
            alignTop = (readU32At(copy, pos + 8) & 0x18) == 0;
        } else if ((type == kEmrTextOutA || type == kEmrTextOutW) && size >= 44 && alignTop &&
                   font.escapement % 3600 != 0) {
            const double lift = kPlayerAscent * std::abs(double(font.height));
            const int64_t y = int64_t(int32_t(readU32At(copy, pos + 40))) - std::llround(lift);
            patch.patchI32(pos + 40, int32_t(std::clamp<int64_t>(y, INT32_MIN, INT32_MAX)));
        }
        pos += size;
    }
    return copy;
}
} // namespace

bool isWellFormedEmf(QByteArrayView emf)
{
    if (emf.size() < kMinHeaderSize || emf.size() > kMaxEmfBytes)
        return false;
    if (readU32At(emf, 0) != kEmrHeader || readU32At(emf, 40) != kEmfSignature)
        return false;
    qsizetype pos = 0;
    bool first = true;
    while (pos + 8 <= emf.size()) {
        const uint32_t type = readU32At(emf, pos);
        const uint32_t size = readU32At(emf, pos + 4);
        if (size < 8 || size % 4 != 0 || qsizetype(size) > emf.size() - pos)
            return false;
        if (first && size < kMinHeaderSize)
            return false;
        if (!first && type == kEmrHeader)
            return false;
        // The library's own check that every field of the record lies inside it.
        if (!U_emf_record_safe(emf.data() + pos))
            return false;
        if (type == kEmrEof)
            return true;
        pos += size;
        first = false;
    }
    return false;
}

QByteArray metafileToSvg(const QByteArray& emf)
{
    if (!isWellFormedEmf(emf))
        return {};
    generatorOptions options{};
    char nameSpace[] = "svg";
    options.nameSpace = nameSpace;
    options.verbose = false;
    options.emfplus = true;
    options.svgDelimiter = true;
    QByteArray input = forPlayer(emf);
    char* svg = nullptr;
    size_t length = 0;
    const int status = emf2svg(input.data(), size_t(input.size()), &svg, &length, &options);
    QByteArray result;
    if (status == 1 && svg)
        result = QByteArray(svg, qsizetype(length));
    std::free(svg);
    return result;
}

// Pictures are drawn again and again (every repaint, every printed element);
// converting once per distinct metafile keeps that cheap and also spares the
// player's small per-call leak. Keyed by the bytes themselves, which share
// their data with the picture that holds them.
QByteArray cachedSvg(const QByteArray& emf)
{
    static QMutex mutex;
    static QCache<QByteArray, QByteArray> cache(kSvgCacheBytes);
    QMutexLocker lock(&mutex);
    if (const QByteArray* hit = cache.object(emf))
        return *hit;
    QByteArray svg = metafileToSvg(emf);
    const qsizetype cost = std::max<qsizetype>(1, svg.size() + emf.size());
    if (!svg.isEmpty() && cost < kSvgCacheBytes)
        cache.insert(emf, new QByteArray(svg), cost);
    return svg;
}

bool drawMetafile(QPainter& painter, const QRectF& target, const QByteArray& emf)
{
    const QByteArray svg = cachedSvg(emf);
    if (svg.isEmpty())
        return false;
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return false;
    // The player sizes its picture as right - left of the inclusive bounds;
    // the picture really is one unit larger each way.
    const int width = int(readU32At(emf, 16)) - int(readU32At(emf, 8));
    const int height = int(readU32At(emf, 20)) - int(readU32At(emf, 12));
    const QRectF box = renderer.viewBoxF();
    if (qFuzzyCompare(box.width(), double(width)) && qFuzzyCompare(box.height(), double(height)) && width > 0 &&
        height > 0)
        renderer.setViewBox(QRectF(box.topLeft(), QSizeF(width + 1, height + 1)));
    renderer.render(&painter, target);
    return true;
}
