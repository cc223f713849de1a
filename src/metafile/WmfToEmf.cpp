#include "metafile/WmfToEmf.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <optional>
#include <vector>

#include "base/AppInfo.h"
#include "base/ByteStream.h"
#include "base/Cp1252.h"
#include "imaging/Dib.h"
#include "metafile/EmfWriter.h"

namespace {

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr int kPlaceableSize = 22;
constexpr int kHeaderWords = 9;
constexpr int kMaxObjects = 4096;
constexpr int kMaxFrameSide = 8192;

enum : uint16_t {
    kEof = 0x0000,
    kSaveDc = 0x001E,
    kRestoreDc = 0x0127,
    kSetWindowOrg = 0x020B,
    kSetWindowExt = 0x020C,
    kSetBkMode = 0x0102,
    kSetTextColor = 0x0209,
    kSetTextAlign = 0x012E,
    kSetPolyFillMode = 0x0106,
    kCreatePen = 0x02FA,
    kCreateBrush = 0x02FC,
    kCreateFont = 0x02FB,
    kCreatePalette = 0x00F7,
    kCreatePatternBrush = 0x01F9,
    kDibCreatePatternBrush = 0x0142,
    kCreateRegion = 0x06FF,
    kSelectObject = 0x012D,
    kDeleteObject = 0x01F0,
    kMoveTo = 0x0214,
    kLineTo = 0x0213,
    kRectangle = 0x041B,
    kRoundRect = 0x061C,
    kEllipse = 0x0418,
    kPolygon = 0x0324,
    kPolyline = 0x0325,
    kPolyPolygon = 0x0538,
    kTextOut = 0x0521,
    kExtTextOut = 0x0A32,
    kStretchDib = 0x0F43,
    kDibStretchBlt = 0x0B41,
    kDibBitBlt = 0x0940,
};

struct FontSpec {
    int height = 0;
    int escapement = 0;
    int weight = 400;
    bool italic = false, underline = false, strikeOut = false;
    QString face;
};

// One entry of the metafile's object table.
struct GdiObject {
    enum class Kind { Other, Pen, Brush, Font } kind = Kind::Other;
    QPen pen;
    QBrush brush;
    FontSpec font;
};

QColor colorFromRef(uint32_t ref)
{
    return QColor(int(ref & 0xFF), int((ref >> 8) & 0xFF), int((ref >> 16) & 0xFF));
}

struct Header {
    qsizetype recordsStart = 0;
    int objects = 0;
    std::optional<QRect> placeableBox;
    int unitsPerInch = 0;
};

bool readHeader(QByteArrayView bytes, Header& header)
{
    ByteReader in(bytes);
    if (in.u32() == kPlaceableKey) {
        in.u16();
        const int left = in.i16(), top = in.i16(), right = in.i16(), bottom = in.i16();
        header.unitsPerInch = in.u16();
        header.placeableBox = QRect(QPoint(left, top), QPoint(right, bottom));
        header.recordsStart = kPlaceableSize;
    }
    in.seek(header.recordsStart);
    const uint16_t type = in.u16();
    const uint16_t headerWords = in.u16();
    in.u16();  // version
    in.u32();  // size
    header.objects = in.u16();
    if (!in.ok() || (type != 1 && type != 2) || headerWords != kHeaderWords || header.objects > kMaxObjects)
        return false;
    header.recordsStart += kHeaderWords * 2;
    return true;
}

struct Record {
    uint16_t function = 0;
    QByteArrayView params;
};

// Splits the record stream; false when a record does not fit.
bool readRecords(QByteArrayView bytes, qsizetype start, std::vector<Record>& records)
{
    ByteReader in(bytes);
    in.seek(start);
    while (!in.atEnd()) {
        const uint32_t words = in.u32();
        const uint16_t function = in.u16();
        if (!in.ok() || words < 3 || qint64(words) * 2 - 6 > in.remaining())
            return false;
        records.push_back({function, in.view(qsizetype(words) * 2 - 6)});
        if (function == kEof)
            return true;
    }
    return !records.empty();
}

class WmfPlayer {
public:
    WmfPlayer(QPainter& painter, int objectSlots) : m_painter(painter), m_objects(size_t(objectSlots)) {}

    void play(const Record& record)
    {
        ByteReader in(record.params);
        switch (record.function) {
        case kSaveDc: m_painter.save(); ++m_saved; break;
        case kRestoreDc:
            if (m_saved > 0) {
                m_painter.restore();
                --m_saved;
            }
            break;
        case kSetTextColor: m_textColor = colorFromRef(in.u32()); break;
        case kSetTextAlign: m_textAlign = in.u16(); break;
        case kSetPolyFillMode: m_fillRule = in.u16() == 2 ? Qt::WindingFill : Qt::OddEvenFill; break;
        case kCreatePen: {
            const uint16_t style = in.u16();
            const int width = in.i16();
            in.i16();
            const QColor color = colorFromRef(in.u32());
            QPen pen(color, std::max(0, width));
            pen.setStyle(penStyle(style & 0x0F));
            add({GdiObject::Kind::Pen, pen, {}, {}});
            break;
        }
        case kCreateBrush: {
            const uint16_t style = in.u16();
            const QColor color = colorFromRef(in.u32());
            add({GdiObject::Kind::Brush, {}, style == 1 ? QBrush(Qt::NoBrush) : QBrush(color), {}});
            break;
        }
        case kCreateFont: add({GdiObject::Kind::Font, {}, {}, readFont(in)}); break;
        case kCreatePalette:
        case kCreatePatternBrush:
        case kDibCreatePatternBrush:
        case kCreateRegion: add({}); break;
        case kSelectObject: select(in.u16()); break;
        case kDeleteObject: {
            const uint16_t index = in.u16();
            if (index < m_objects.size())
                m_objects[index] = std::nullopt;
            break;
        }
        case kMoveTo: m_position = point(in); break;
        case kLineTo: {
            const QPointF to = point(in);
            m_painter.drawLine(m_position, to);
            m_position = to;
            break;
        }
        case kRectangle: m_painter.drawRect(box(in)); break;
        case kEllipse: m_painter.drawEllipse(box(in)); break;
        case kRoundRect: {
            const int h = in.i16(), w = in.i16();
            m_painter.drawRoundedRect(box(in), w / 2.0, h / 2.0);
            break;
        }
        case kPolygon:
        case kPolyline: {
            const QPolygonF polygon = points(in, in.i16());
            if (record.function == kPolygon)
                m_painter.drawPolygon(polygon, m_fillRule);
            else
                m_painter.drawPolyline(polygon);
            break;
        }
        case kPolyPolygon: drawPolyPolygon(in); break;
        case kTextOut: {
            const int count = in.i16();
            const QByteArray text = in.bytes(count);
            if (count & 1)
                in.skip(1);
            const QPointF at = point(in);
            if (in.ok())
                drawText(at, text);
            break;
        }
        case kExtTextOut: {
            const QPointF at = point(in);
            const int count = in.i16();
            const uint16_t options = in.u16();
            if (options & 0x6)
                in.skip(8);
            const QByteArray text = in.bytes(count);
            if (in.ok())
                drawText(at, text);
            break;
        }
        case kStretchDib: {
            in.u32();
            in.u16();
            drawDib(in, true);
            break;
        }
        case kDibStretchBlt:
            in.u32();
            drawDib(in, true);
            break;
        case kDibBitBlt:
            in.u32();
            drawDib(in, false);
            break;
        default: break;
        }
    }

    void finish()
    {
        while (m_saved-- > 0)
            m_painter.restore();
    }

private:
    static Qt::PenStyle penStyle(int style)
    {
        switch (style) {
        case 1: return Qt::DashLine;
        case 2: return Qt::DotLine;
        case 3: return Qt::DashDotLine;
        case 4: return Qt::DashDotDotLine;
        case 5: return Qt::NoPen;
        default: return Qt::SolidLine;
        }
    }

    static FontSpec readFont(ByteReader& in)
    {
        FontSpec font;
        font.height = in.i16();
        in.i16();
        font.escapement = in.i16();
        in.i16();
        font.weight = in.i16();
        font.italic = in.u8();
        font.underline = in.u8();
        font.strikeOut = in.u8();
        in.skip(5);
        QByteArray face;
        for (int i = 0; i < 32 && in.remaining() > 0; ++i) {
            const char c = char(in.u8());
            if (!c)
                break;
            face.append(c);
        }
        font.face = fromCp1252(face);
        return font;
    }

    void add(GdiObject&& object)
    {
        for (auto& slot : m_objects)
            if (!slot) {
                slot = std::move(object);
                return;
            }
    }

    void select(uint16_t index)
    {
        if (index >= m_objects.size() || !m_objects[index])
            return;
        const GdiObject& object = *m_objects[index];
        if (object.kind == GdiObject::Kind::Pen)
            m_painter.setPen(object.pen);
        else if (object.kind == GdiObject::Kind::Brush)
            m_painter.setBrush(object.brush);
        else if (object.kind == GdiObject::Kind::Font)
            m_font = object.font;
    }

    static QPointF point(ByteReader& in)
    {
        const int y = in.i16(), x = in.i16();
        return QPointF(x, y);
    }

    static QRectF box(ByteReader& in)
    {
        const int bottom = in.i16(), right = in.i16(), top = in.i16(), left = in.i16();
        return QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
    }

    static QPolygonF points(ByteReader& in, int count)
    {
        QPolygonF polygon;
        if (count <= 0 || qsizetype(count) * 4 > in.remaining())
            return polygon;
        for (int i = 0; i < count; ++i) {
            const int x = in.i16(), y = in.i16();
            polygon.append(QPointF(x, y));
        }
        return polygon;
    }

    void drawPolyPolygon(ByteReader& in)
    {
        const int polygons = in.u16();
        if (qsizetype(polygons) * 2 > in.remaining())
            return;
        std::vector<int> counts;
        for (int i = 0; i < polygons; ++i)
            counts.push_back(in.u16());
        QPainterPath path;
        path.setFillRule(m_fillRule);
        for (int count : counts) {
            const QPolygonF polygon = points(in, count);
            if (polygon.isEmpty())
                return;
            path.addPolygon(polygon);
            path.closeSubpath();
        }
        m_painter.drawPath(path);
    }

    void drawText(QPointF at, const QByteArray& bytes)
    {
        QFont font(m_font.face.isEmpty() ? QStringLiteral("Arial") : m_font.face);
        font.setPixelSize(std::clamp(std::abs(m_font.height), 1, 4096));
        font.setWeight(QFont::Weight(std::clamp(m_font.weight ? m_font.weight : 400, 100, 900)));
        font.setItalic(m_font.italic);
        font.setUnderline(m_font.underline);
        font.setStrikeOut(m_font.strikeOut);
        const QString text = fromCp1252(bytes);
        const QFontMetricsF metrics(font);
        double dx = 0, dy = 0;
        if ((m_textAlign & 0x18) == 0x18)
            dy = 0;  // baseline
        else if (m_textAlign & 0x08)
            dy = -metrics.descent();
        else
            dy = metrics.ascent();
        if ((m_textAlign & 0x06) == 0x06)
            dx = -metrics.horizontalAdvance(text) / 2;
        else if (m_textAlign & 0x02)
            dx = -metrics.horizontalAdvance(text);
        m_painter.save();
        m_painter.setFont(font);
        m_painter.setPen(m_textColor);
        m_painter.translate(at);
        m_painter.rotate(-m_font.escapement / 10.0);
        m_painter.drawText(QPointF(dx, dy), text);
        m_painter.restore();
    }

    void drawDib(ByteReader& in, bool stretched)
    {
        int srcH = 0, srcW = 0;
        if (stretched) {
            srcH = in.i16();
            srcW = in.i16();
        }
        const int srcY = in.i16(), srcX = in.i16();
        if (!stretched)
            in.i16();  // reserved
        const int destH = in.i16(), destW = in.i16();
        const QPointF dest = point(in);
        if (!stretched) {
            srcW = destW;
            srcH = destH;
        }
        const QImage image = dibToImage(in.view(in.remaining()));
        if (!in.ok() || image.isNull())
            return;
        m_painter.drawImage(QRectF(dest, QSizeF(destW, destH)), image, QRectF(srcX, srcY, srcW, srcH));
    }

    QPainter& m_painter;
    std::vector<std::optional<GdiObject>> m_objects;
    FontSpec m_font;
    QColor m_textColor = Qt::black;
    uint16_t m_textAlign = 0;
    Qt::FillRule m_fillRule = Qt::OddEvenFill;
    QPointF m_position;
    int m_saved = 0;
};

// The metafile's window (origin and extent in its own units), from the
// placeable header or the first window records.
std::optional<QRect> findWindow(const Header& header, const std::vector<Record>& records)
{
    QPoint origin;
    std::optional<QSize> extent;
    for (const Record& record : records) {
        ByteReader in(record.params);
        if (record.function == kSetWindowOrg) {
            const int y = in.i16(), x = in.i16();
            if (in.ok() && !extent)
                origin = QPoint(x, y);
        } else if (record.function == kSetWindowExt && !extent) {
            const int y = in.i16(), x = in.i16();
            if (in.ok() && x != 0 && y != 0)
                extent = QSize(x, y);
        }
    }
    if (header.placeableBox && header.placeableBox->width() > 0 && header.placeableBox->height() > 0)
        return *header.placeableBox;
    if (extent)
        return QRect(origin, *extent);
    return std::nullopt;
}

QSize frameSizeFor(const Header& header, QRect window)
{
    double w = std::abs(window.width()), h = std::abs(window.height());
    if (header.placeableBox && header.unitsPerInch > 0) {
        w = w * 96.0 / header.unitsPerInch;
        h = h * 96.0 / header.unitsPerInch;
    }
    const double shrink = std::max({1.0, w / kMaxFrameSide, h / kMaxFrameSide});
    return QSize(std::max(1, int(w / shrink)), std::max(1, int(h / shrink)));
}

} // namespace

bool isWmf(QByteArrayView bytes)
{
    Header header;
    return readHeader(bytes, header);
}

bool playWmf(QPainter& painter, QByteArrayView wmf, QSize& frameSize)
{
    Header header;
    std::vector<Record> records;
    if (!readHeader(wmf, header) || !readRecords(wmf, header.recordsStart, records))
        return false;
    const std::optional<QRect> window = findWindow(header, records);
    if (!window)
        return false;
    frameSize = frameSizeFor(header, *window);
    if (!painter.isActive())
        return true;
    painter.save();
    painter.scale(frameSize.width() / double(window->width()), frameSize.height() / double(window->height()));
    painter.translate(-window->topLeft());
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::white);
    WmfPlayer player(painter, std::max(header.objects, 1));
    for (const Record& record : records)
        player.play(record);
    player.finish();
    painter.restore();
    return true;
}

QByteArray convertWmfToEmf(QByteArrayView wmf)
{
    QPainter probe;
    QSize frameSize;
    if (!playWmf(probe, wmf, frameSize))
        return {};
    EmfPaintDevice device(frameSize, AppInfo::productTitle(), QStringLiteral("Converted WMF"));
    QPainter painter;
    if (!painter.begin(&device))
        return {};
    playWmf(painter, wmf, frameSize);
    painter.end();
    return device.emfBytes();
}
