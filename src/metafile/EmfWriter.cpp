#include "metafile/EmfWriter.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPixmap>
#include <QTextItem>
#include <QtMath>
#include <cstdlib>
#include <vector>

#include <uemf.h>

#include "base/ByteStream.h"
#include "imaging/Dib.h"

namespace {

constexpr int kDpi = 96;
// The reference screen the header describes (pixels and millimetres).
constexpr int kReferenceWidth = 1920, kReferenceHeight = 1080;
// Object slots: one pen, one brush and one font live at a time.
constexpr uint32_t kPenSlot = 1, kBrushSlot = 2, kFontSlot = 3, kHandleCount = 4;
constexpr uint32_t kStockWhiteBrush = 0x80000000, kStockBlackPen = 0x80000007, kStockSystemFont = 0x8000000D;

U_POINTL pointl(QPointF p)
{
    return point32_set(int32_t(qRound(p.x())), int32_t(qRound(p.y())));
}

U_RECTL rectl(const QRectF& r)
{
    const QRectF n = r.normalized();
    return rectl_set(pointl(n.topLeft()), pointl(n.bottomRight()));
}

// The box of a rectangle, ellipse or round rectangle record. A one-pixel
// outline of a painter rectangle (x, y, w, h) covers x..x+w inclusive; the
// record's right and bottom edges are exclusive, so they lie one further.
U_RECTL shapeBox(const QRectF& r)
{
    const QRectF n = r.normalized();
    return rectl_set(pointl(n.topLeft()), point32_set(int32_t(qRound(n.right())) + 1, int32_t(qRound(n.bottom())) + 1));
}

U_COLORREF colorref(const QColor& c)
{
    return U_RGB(uint8_t(c.red()), uint8_t(c.green()), uint8_t(c.blue()));
}

// A transform that keeps rectangles axis-aligned.
bool keepsAxes(const QTransform& t)
{
    return t.type() <= QTransform::TxScale;
}

double scaleOf(const QTransform& t)
{
    return std::sqrt(std::abs(t.determinant()));
}

struct PenKey {
    uint32_t style = 0;
    int width = 0;
    QRgb color = 0;
    bool none = true;
    bool operator==(const PenKey&) const = default;
};

struct BrushKey {
    QRgb color = 0;
    bool none = true;
    bool operator==(const BrushKey&) const = default;
};

} // namespace

class EmfPaintEngine : public QPaintEngine {
public:
    EmfPaintEngine(QSize size, const QString& application, const QString& description)
        : QPaintEngine(QPaintEngine::AllFeatures), m_size(size), m_application(application),
          m_description(description)
    {
    }

    QByteArray bytes() const { return m_result; }

    bool begin(QPaintDevice*) override
    {
        m_records.clear();
        m_recordCount = 0;
        m_result.clear();
        m_pen = PenKey{};
        m_brush = BrushKey{};
        m_penCreated = m_brushCreated = m_fontCreated = false;
        m_fontKey.clear();
        m_textColor = QColor();
        m_transform = QTransform();
        append(U_EMRSETMAPMODE_set(U_MM_TEXT));
        append(U_EMRSETBKMODE_set(U_TRANSPARENT));
        append(U_EMRSETPOLYFILLMODE_set(U_WINDING));
        return true;
    }

    bool end() override
    {
        appendEof();
        m_result = header();
        m_result.append(m_records);
        ByteWriter patch(m_result);
        patch.patchU32(48, uint32_t(m_result.size()));
        patch.patchU32(52, m_recordCount + 2);  // with the header and the end record
        return true;
    }

    void updateState(const QPaintEngineState& state) override
    {
        const DirtyFlags flags = state.state();
        if (flags & DirtyTransform)
            m_transform = state.transform();
        if (flags & DirtyPen)
            m_qpen = state.pen();
        if (flags & DirtyBrush)
            m_qbrush = state.brush();
    }

    Type type() const override { return QPaintEngine::User; }

    void drawRects(const QRectF* rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            if (keepsAxes(m_transform)) {
                selectCurrentPenAndBrush();
                append(U_EMRRECTANGLE_set(shapeBox(m_transform.mapRect(rects[i]))));
            } else {
                QPainterPath path;
                path.addRect(rects[i]);
                drawShapePath(path);
            }
        }
    }

    void drawEllipse(const QRectF& rect) override
    {
        if (keepsAxes(m_transform)) {
            selectCurrentPenAndBrush();
            append(U_EMRELLIPSE_set(shapeBox(m_transform.mapRect(rect))));
            return;
        }
        QPainterPath path;
        path.addEllipse(rect);
        drawShapePath(path);
    }

    void drawLines(const QLineF* lines, int count) override
    {
        selectPen(m_qpen);
        for (int i = 0; i < count; ++i) {
            append(U_EMRMOVETOEX_set(pointl(m_transform.map(lines[i].p1()))));
            append(U_EMRLINETO_set(pointl(m_transform.map(lines[i].p2()))));
        }
    }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        if (count <= 0)
            return;
        std::vector<U_POINTL> mapped;
        for (int i = 0; i < count; ++i)
            mapped.push_back(pointl(m_transform.map(points[i])));
        const U_RECTL bounds = boundsOf(mapped);
        if (mode == PolylineMode) {
            selectPen(m_qpen);
            append(U_EMRPOLYLINE_set(bounds, uint32_t(mapped.size()), mapped.data()));
            return;
        }
        append(U_EMRSETPOLYFILLMODE_set(mode == OddEvenMode ? U_ALTERNATE : U_WINDING));
        selectCurrentPenAndBrush();
        append(U_EMRPOLYGON_set(bounds, uint32_t(mapped.size()), mapped.data()));
        append(U_EMRSETPOLYFILLMODE_set(U_WINDING));
    }

    void drawPath(const QPainterPath& path) override
    {
        QRectF box;
        QSizeF corner;
        if (keepsAxes(m_transform) && isRoundedRect(path, box, corner)) {
            selectCurrentPenAndBrush();
            const double sx = std::abs(m_transform.m11()), sy = std::abs(m_transform.m22());
            append(U_EMRROUNDRECT_set(shapeBox(m_transform.mapRect(box)),
                                      sizel_set(int32_t(qRound(2 * corner.width() * sx)),
                                                int32_t(qRound(2 * corner.height() * sy)))));
            return;
        }
        drawShapePath(path);
    }

    void drawPixmap(const QRectF& r, const QPixmap& pm, const QRectF& sr) override
    {
        drawImage(r, pm.toImage(), sr, Qt::AutoColor);
    }

    void drawImage(const QRectF& r, const QImage& image, const QRectF& sr, Qt::ImageConversionFlags) override
    {
        QImage part = image.copy(sr.toAlignedRect());
        QRectF target = r;
        if (!keepsAxes(m_transform)) {
            // Rotated pictures are turned here; the record itself stays axis-aligned.
            const QTransform local = QTransform::fromScale(r.width() / std::max(1, part.width()),
                                                          r.height() / std::max(1, part.height())) *
                                     QTransform(m_transform.m11(), m_transform.m12(), m_transform.m21(),
                                                m_transform.m22(), 0, 0);
            part = part.convertToFormat(QImage::Format_ARGB32).transformed(local, Qt::SmoothTransformation);
            target = m_transform.mapRect(r);
        } else {
            target = m_transform.mapRect(r);
        }
        appendDib(target, part);
    }

    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        const QString text = item.text();
        if (text.isEmpty())
            return;
        const QFont font = item.font();
        const double scale = scaleOf(m_transform);
        // Escapement is tenths of a degree counter-clockwise; our y axis points down.
        const double angle = -qRadiansToDegrees(std::atan2(m_transform.m12(), m_transform.m11()));
        const int escapement = int(qRound(angle * 10)) % 3600;
        selectFont(font, scale, escapement);
        const QColor color = m_qpen.color();
        if (color != m_textColor) {
            append(U_EMRSETTEXTCOLOR_set(colorref(color)));
            m_textColor = color;
        }
        // The reference point is the top-left of the character cell (the
        // default alignment), turned with the text.
        const QFontMetricsF metrics(font);
        const QPointF origin = m_transform.map(p - QPointF(0, metrics.ascent()));
        std::vector<uint16_t> utf16(text.utf16(), text.utf16() + text.size());
        std::vector<uint32_t> advances;
        double position = 0, placed = 0;
        for (QChar c : text) {
            position += metrics.horizontalAdvance(c) * scale;
            const double step = std::round(position - placed);
            advances.push_back(uint32_t(std::max(0.0, step)));
            placed += step;
        }
        const QRectF extent = m_transform.mapRect(QRectF(p.x(), p.y() - metrics.ascent(), position / std::max(scale, 1e-9),
                                                         metrics.height()));
        char* emrText = emrtext_set(pointl(origin), U_NUM_STR(utf16.size()), 2, utf16.data(), U_ETO_NONE,
                                    rectl_set(point32_set(0, 0), point32_set(-1, -1)), advances.data());
        if (!emrText)
            return;
        append(U_EMREXTTEXTOUTW_set(rectl(extent), U_GM_COMPATIBLE, 1.0f, 1.0f,
                                    reinterpret_cast<PU_EMRTEXT>(emrText)));
        std::free(emrText);
    }

private:
    void append(char* record)
    {
        if (!record)
            return;
        const uint32_t size = readU32At(QByteArrayView(record, 8), 4);
        m_records.append(record, qsizetype(size));
        ++m_recordCount;
        std::free(record);
    }

    void appendEof()
    {
        // End of file: no palette entries; the last field repeats the record size.
        ByteWriter out(m_records);
        out.u32(U_EMR_EOF);
        out.u32(20);
        out.u32(0);
        out.u32(16);
        out.u32(20);
    }

    QByteArray header()
    {
        // "application\0description\0\0" in UTF-16.
        QString text = m_application + QChar(0) + m_description + QChar(0) + QChar(0);
        std::vector<uint16_t> description(text.utf16(), text.utf16() + text.size());
        const U_RECTL bounds = rectl_set(point32_set(0, 0), point32_set(m_size.width() - 1, m_size.height() - 1));
        const U_RECTL frame = rectl_set(point32_set(0, 0),
                                        point32_set(int32_t(m_size.width() * 2540 / kDpi),
                                                    int32_t(m_size.height() * 2540 / kDpi)));
        char* record = U_EMRHEADER_set(
            bounds, frame, nullptr, U_CBSTR(description.size()), description.data(),
            sizel_set(kReferenceWidth, kReferenceHeight),
            sizel_set(kReferenceWidth * 254 / (kDpi * 10), kReferenceHeight * 254 / (kDpi * 10)), 0);
        QByteArray bytes;
        if (record) {
            bytes = QByteArray(record, qsizetype(readU32At(QByteArrayView(record, 8), 4)));
            std::free(record);
        }
        ByteWriter patch(bytes);
        // Handle count (16 bits at 56; the reserved half stays 0).
        patch.patchU32(56, kHandleCount);
        return bytes;
    }

    static U_RECTL boundsOf(const std::vector<U_POINTL>& points)
    {
        int32_t l = INT32_MAX, t = INT32_MAX, r = INT32_MIN, b = INT32_MIN;
        for (const U_POINTL& p : points) {
            l = std::min(l, p.x);
            t = std::min(t, p.y);
            r = std::max(r, p.x);
            b = std::max(b, p.y);
        }
        return rectl_set(point32_set(l, t), point32_set(r, b));
    }

    PenKey penKey(const QPen& pen) const
    {
        PenKey key;
        if (pen.style() == Qt::NoPen || pen.brush().style() == Qt::NoBrush)
            return key;
        key.none = false;
        key.color = pen.color().rgb();
        key.width = pen.isCosmetic() ? int(qRound(pen.widthF())) : int(qRound(pen.widthF() * scaleOf(m_transform)));
        switch (pen.style()) {
        case Qt::DashLine: key.style = U_PS_DASH; break;
        case Qt::DotLine: key.style = U_PS_DOT; break;
        case Qt::DashDotLine: key.style = U_PS_DASHDOT; break;
        case Qt::DashDotDotLine: key.style = U_PS_DASHDOTDOT; break;
        default: key.style = U_PS_SOLID; break;
        }
        return key;
    }

    // Wide pens are geometric pens (the simple pen record is one pixel wide
    // for many players); thin ones keep the simple record and its styles.
    void appendPen(const PenKey& key)
    {
        const U_COLORREF color = colorref(QColor::fromRgb(key.color));
        if (key.width <= 1) {
            append(U_EMRCREATEPEN_set(kPenSlot, logpen_set(key.style, point_set(key.width, 0), color)));
            return;
        }
        PU_EXTLOGPEN pen = extlogpen_set(U_PS_GEOMETRIC | U_PS_ENDCAP_FLAT | U_PS_JOIN_MITER | key.style,
                                         uint32_t(key.width), U_BS_SOLID, color, 0, 0, nullptr);
        if (!pen)
            return;
        append(U_EMREXTCREATEPEN_set(kPenSlot, nullptr, 0, nullptr, pen));
        std::free(pen);
    }

    void selectPen(const QPen& pen)
    {
        const PenKey key = penKey(pen);
        if (m_penCreated && key == m_pen)
            return;
        if (key.none) {
            append(U_EMRSELECTOBJECT_set(U_NULL_PEN));
        } else {
            if (m_penCreated) {
                append(U_EMRSELECTOBJECT_set(kStockBlackPen));
                append(U_EMRDELETEOBJECT_set(kPenSlot));
            }
            appendPen(key);
            append(U_EMRSELECTOBJECT_set(kPenSlot));
        }
        m_pen = key;
        m_penCreated = true;
    }

    void selectBrush(const QBrush& brush)
    {
        BrushKey key;
        if (brush.style() != Qt::NoBrush) {
            key.none = false;
            key.color = brush.style() == Qt::SolidPattern || !brush.gradient()
                            ? brush.color().rgb()
                            : (brush.gradient()->stops().isEmpty() ? QColor(Qt::black).rgb()
                                                                   : brush.gradient()->stops().first().second.rgb());
        }
        if (m_brushCreated && key == m_brush)
            return;
        if (key.none) {
            append(U_EMRSELECTOBJECT_set(U_NULL_BRUSH));
        } else {
            if (m_brushCreated) {
                append(U_EMRSELECTOBJECT_set(kStockWhiteBrush));
                append(U_EMRDELETEOBJECT_set(kBrushSlot));
            }
            append(U_EMRCREATEBRUSHINDIRECT_set(
                kBrushSlot, logbrush_set(U_BS_SOLID, colorref(QColor::fromRgb(key.color)), 0)));
            append(U_EMRSELECTOBJECT_set(kBrushSlot));
        }
        m_brush = key;
        m_brushCreated = true;
    }

    void selectCurrentPenAndBrush()
    {
        selectPen(m_qpen);
        selectBrush(m_qbrush);
    }

    void selectFont(const QFont& font, double scale, int escapement)
    {
        const double pixels = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * kDpi / 72.0;
        const int height = -int(qRound(pixels * scale));
        const QString key = QStringLiteral("%1|%2|%3|%4|%5|%6|%7")
                                .arg(font.family())
                                .arg(height)
                                .arg(escapement)
                                .arg(font.weight())
                                .arg(font.italic())
                                .arg(font.underline())
                                .arg(font.strikeOut());
        if (m_fontCreated && key == m_fontKey)
            return;
        uint16_t face[U_LF_FACESIZE] = {};
        const QString family = font.family().left(U_LF_FACESIZE - 1);
        for (int i = 0; i < family.size(); ++i)
            face[i] = family.at(i).unicode();
        const U_LOGFONT logFont =
            logfont_set(height, 0, escapement, escapement, int32_t(font.weight()), font.italic() ? 1 : 0,
                        font.underline() ? 1 : 0, font.strikeOut() ? 1 : 0, U_DEFAULT_CHARSET, U_OUT_DEFAULT_PRECIS,
                        0, 0, 0, face);
        if (m_fontCreated) {
            append(U_EMRSELECTOBJECT_set(kStockSystemFont));
            append(U_EMRDELETEOBJECT_set(kFontSlot));
        }
        append(U_EMREXTCREATEFONTINDIRECTW_set(kFontSlot, reinterpret_cast<const char*>(&logFont), nullptr));
        append(U_EMRSELECTOBJECT_set(kFontSlot));
        m_fontKey = key;
        m_fontCreated = true;
    }

    // Any other shape goes out as polygons in device coordinates: filled
    // without an outline, then outlined without a fill.
    void drawShapePath(const QPainterPath& path)
    {
        const QPainterPath mapped = m_transform.map(path);
        if (m_qbrush.style() != Qt::NoBrush) {
            const QList<QPolygonF> fills = mapped.toFillPolygons();
            writePolyPolygon(fills, true);
        }
        if (m_qpen.style() != Qt::NoPen) {
            const QList<QPolygonF> outlines = mapped.toSubpathPolygons();
            writePolyPolygon(outlines, false);
        }
    }

    void writePolyPolygon(const QList<QPolygonF>& polygons, bool fill)
    {
        std::vector<U_POINTL> points;
        std::vector<uint32_t> counts;
        for (const QPolygonF& polygon : polygons) {
            if (polygon.size() < 2)
                continue;
            counts.push_back(uint32_t(polygon.size()));
            for (const QPointF& p : polygon)
                points.push_back(pointl(p));
        }
        if (counts.empty())
            return;
        const U_RECTL bounds = boundsOf(points);
        if (fill) {
            selectPen(QPen(Qt::NoPen));
            selectBrush(m_qbrush);
            append(U_EMRSETPOLYFILLMODE_set(U_ALTERNATE));
            append(U_EMRPOLYPOLYGON_set(bounds, uint32_t(counts.size()), counts.data(), uint32_t(points.size()),
                                        points.data()));
            append(U_EMRSETPOLYFILLMODE_set(U_WINDING));
        } else {
            selectPen(m_qpen);
            append(U_EMRPOLYPOLYLINE_set(bounds, uint32_t(counts.size()), counts.data(), uint32_t(points.size()),
                                         points.data()));
        }
    }

    // QPainter hands rounded rectangles over as paths; recognise the shape it
    // builds so the file gets a real round-rectangle record.
    static bool isRoundedRect(const QPainterPath& path, QRectF& box, QSizeF& corner)
    {
        const int n = path.elementCount();
        if (n < 17 || n > 18)
            return false;
        int curves = 0;
        for (int i = 0; i < n; ++i)
            if (path.elementAt(i).type == QPainterPath::CurveToElement)
                ++curves;
        if (curves != 4)
            return false;
        box = path.controlPointRect();
        double rx = box.width(), ry = box.height();
        for (int i = 0; i < n; ++i) {
            // Only points on the outline count, not the curves' control points.
            const QPainterPath::Element& e = path.elementAt(i);
            const bool onCurve = e.type != QPainterPath::CurveToElement &&
                                 (e.type != QPainterPath::CurveToDataElement || i + 1 == n ||
                                  path.elementAt(i + 1).type != QPainterPath::CurveToDataElement);
            if (!onCurve)
                continue;
            const QPointF p = e;
            if (qFuzzyCompare(p.y() + 1, box.top() + 1) && p.x() > box.left())
                rx = std::min(rx, p.x() - box.left());
            if (qFuzzyCompare(p.x() + 1, box.left() + 1) && p.y() > box.top())
                ry = std::min(ry, p.y() - box.top());
        }
        QPainterPath expected;
        expected.addRoundedRect(box, rx, ry);
        if (expected.elementCount() != n)
            return false;
        for (int i = 0; i < n; ++i) {
            const QPointF a = path.elementAt(i), b = expected.elementAt(i);
            if (std::abs(a.x() - b.x()) > 0.01 || std::abs(a.y() - b.y()) > 0.01)
                return false;
        }
        corner = QSizeF(rx, ry);
        return true;
    }

    void appendDib(const QRectF& target, const QImage& image)
    {
        const QByteArray dib = imageToDib(image, 24);
        if (dib.size() < 40)
            return;
        const int w = image.width(), h = image.height();
        char* record = U_EMRSTRETCHDIBITS_set(
            rectl(target), pointl(target.topLeft()),
            point32_set(int32_t(qRound(target.width())), int32_t(qRound(target.height()))), point32_set(0, 0),
            point32_set(w, h), U_DIB_RGB_COLORS, U_SRCCOPY,
            reinterpret_cast<PU_BITMAPINFO>(const_cast<char*>(dib.constData())), uint32_t(dib.size() - 40),
            const_cast<char*>(dib.constData() + 40));
        append(record);
    }

    QSize m_size;
    QString m_application;
    QString m_description;
    QByteArray m_records;
    uint32_t m_recordCount = 0;
    QByteArray m_result;

    QTransform m_transform;
    QPen m_qpen;
    QBrush m_qbrush;

    PenKey m_pen;
    BrushKey m_brush;
    bool m_penCreated = false;
    bool m_brushCreated = false;
    bool m_fontCreated = false;
    QString m_fontKey;
    QColor m_textColor;
};

EmfPaintDevice::EmfPaintDevice(QSize size, const QString& application, const QString& description)
    : m_size(size), m_engine(std::make_unique<EmfPaintEngine>(size, application, description))
{
}

EmfPaintDevice::~EmfPaintDevice() = default;

QPaintEngine* EmfPaintDevice::paintEngine() const
{
    return m_engine.get();
}

QByteArray EmfPaintDevice::emfBytes() const
{
    return m_engine->bytes();
}

int EmfPaintDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth: return m_size.width();
    case PdmHeight: return m_size.height();
    case PdmWidthMM: return m_size.width() * 254 / (kDpi * 10);
    case PdmHeightMM: return m_size.height() * 254 / (kDpi * 10);
    case PdmNumColors: return INT_MAX;
    case PdmDepth: return 24;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return kDpi;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
    default: return 0;
    }
}
