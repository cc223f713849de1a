#include "gdi/Canvas.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {
constexpr int32_t kMaxFontHeight = 16384;
constexpr int kMaxPenWidth = 16384;
}

QColor colorFromRef(int32_t colorRef)
{
    const uint32_t v = uint32_t(colorRef);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

int32_t colorToRef(const QColor& color)
{
    return int32_t(uint32_t(color.red()) | (uint32_t(color.green()) << 8) | (uint32_t(color.blue()) << 16));
}

Canvas::Canvas(QPainter& painter) : m_painter(painter)
{
    m_painter.save();
    m_deviceTransform = m_painter.transform();
    // Shapes are drawn pixel-exact as on a plain device context.
    m_painter.setRenderHint(QPainter::Antialiasing, false);
}

Canvas::~Canvas() { m_painter.restore(); }

void Canvas::setWindowOrg(QPoint origin)
{
    m_windowOrg = origin;
    applyMapping();
}

void Canvas::setWindowExt(QSize extent)
{
    if (extent.width() != 0 && extent.height() != 0)
        m_windowExt = extent;
    applyMapping();
}

void Canvas::setViewportOrg(QPoint origin)
{
    m_viewportOrg = origin;
    applyMapping();
}

void Canvas::setViewportExt(QSize extent)
{
    if (extent.width() != 0 && extent.height() != 0)
        m_viewportExt = extent;
    applyMapping();
}

QTransform Canvas::logicalToDevice() const
{
    const double sx = double(m_viewportExt.width()) / m_windowExt.width();
    const double sy = double(m_viewportExt.height()) / m_windowExt.height();
    QTransform mapping;
    mapping.translate(m_viewportOrg.x(), m_viewportOrg.y());
    mapping.scale(sx, sy);
    mapping.translate(-m_windowOrg.x(), -m_windowOrg.y());
    return mapping;
}

void Canvas::applyMapping() { m_painter.setTransform(logicalToDevice() * m_deviceTransform); }

QFont Canvas::qfont() const
{
    // A damaged record may carry any height; beyond this no label needs more
    // and the glyph cache would not cope.
    LogFont font = m_font;
    font.height = std::clamp(font.height, -kMaxFontHeight, kMaxFontHeight);
    font.width = std::clamp(font.width, -kMaxFontHeight, kMaxFontHeight);
    return font.toQFont();
}

QFontMetricsF Canvas::metrics() const { return QFontMetricsF(qfont(), m_painter.device()); }

QSize Canvas::textExtent(const QString& text) const
{
    const QFontMetricsF fm = metrics();
    return QSize(int(std::ceil(fm.horizontalAdvance(text))), int(std::ceil(fm.height())));
}

int Canvas::lineHeight() const { return int(std::ceil(metrics().height())); }

void Canvas::textOut(int x, int y, const QString& text)
{
    if (text.isEmpty())
        return;
    const QFont font = qfont();
    const QFontMetricsF fm(font, m_painter.device());
    m_painter.save();
    m_painter.translate(x, y);
    if (m_font.escapement != 0)
        m_painter.rotate(-(m_font.escapement / 10.0));  // counter-clockwise on a y-down surface
    if (m_bkMode == BackgroundMode::Opaque)
        m_painter.fillRect(QRectF(0, 0, fm.horizontalAdvance(text), fm.height()), m_bkColor);
    m_painter.setFont(font);
    m_painter.setPen(m_textColor);
    m_painter.drawText(QPointF(0, fm.ascent()), text);
    m_painter.restore();
}

namespace {

// Splits at CR LF (a lone CR or LF also ends a line).
QStringList splitParagraphs(const QString& text)
{
    QStringList lines;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == '\r' || c == '\n') {
            lines << current;
            current.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            current += c;
        }
    }
    lines << current;
    return lines;
}

} // namespace

QStringList Canvas::formatLines(const QString& text, int width, bool wordBreak) const
{
    const QStringList paragraphs = splitParagraphs(text);
    if (!wordBreak)
        return paragraphs;
    const QFontMetricsF fm = metrics();
    QStringList lines;
    for (const QString& paragraph : paragraphs) {
        // Greedy fill: words go on the line while it still fits; a word that
        // alone is too wide stands on its own line and overflows.
        // Widths add up word by word, so a long paragraph costs linear time.
        const QStringList words = paragraph.split(' ');
        QString line;
        qreal lineWidth = 0;
        bool lineHasWord = false;
        for (const QString& word : words) {
            const qreal wordWidth = fm.horizontalAdvance(word);
            const qreal joined = lineWidth + fm.horizontalAdvance(QLatin1Char(' ')) + wordWidth;
            if (lineHasWord && joined > width) {
                lines << line;
                line = word;
                lineWidth = wordWidth;
            } else if (lineHasWord) {
                line += QLatin1Char(' ') + word;
                lineWidth = joined;
            } else {
                line = word;
                lineWidth = wordWidth;
            }
            lineHasWord = true;
        }
        lines << line;
    }
    return lines;
}

int Canvas::drawText(const QRect& rect, const QString& text, unsigned format)
{
    const QStringList lines = formatLines(text, rect.width(), (format & TextFormat::WordBreak) != 0);
    const QFontMetricsF fm = metrics();
    const int height = lineHeight();
    const unsigned justify = format & TextFormat::JustifyMask;
    // Formatted output is always horizontal: the escapement applies to textOut only.
    const int32_t escapement = m_font.escapement;
    m_font.escapement = 0;
    int y = rect.top();
    for (const QString& line : lines) {
        const int w = int(std::ceil(fm.horizontalAdvance(line)));
        int x = rect.left();
        if (justify == TextFormat::Center)
            x = rect.left() + (rect.width() - w) / 2;
        else if (justify == TextFormat::Right)
            x = rect.left() + rect.width() - w;
        textOut(x, y, line);
        y += height;
    }
    m_font.escapement = escapement;
    return int(lines.size()) * height;
}

void Canvas::selectPen()
{
    if (m_pen.style == CanvasPen::Style::Null) {
        m_painter.setPen(Qt::NoPen);
        return;
    }
    QPen pen(m_pen.color);
    const int width = std::clamp(m_pen.width, 0, kMaxPenWidth);
    // A pen thinner than a device pixel (a thin line shown at a low zoom)
    // still draws its one pixel, as the thinnest pen does.
    const QTransform& t = m_painter.transform();
    const double scale = std::min(std::hypot(t.m11(), t.m12()), std::hypot(t.m21(), t.m22()));
    pen.setWidth(width * scale < 1.0 ? 0 : width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    if (m_pen.style == CanvasPen::Style::Dot) {
        pen.setCosmetic(true);
        pen.setDashPattern({1.0, 1.0});
    }
    m_painter.setPen(pen);
}

void Canvas::selectBrush()
{
    if (m_brush.style == CanvasBrush::Style::Null)
        m_painter.setBrush(Qt::NoBrush);
    else
        m_painter.setBrush(m_brush.color);
}

void Canvas::moveTo(int x, int y) { m_position = QPoint(x, y); }

void Canvas::lineTo(int x, int y)
{
    const QPointF from(m_position);
    const QPointF to(x, y);
    m_position = QPoint(x, y);
    if (m_pen.style == CanvasPen::Style::Null || from == to)
        return;
    // Leave out the end point: shorten the line by one device pixel along
    // its major direction.
    const QTransform device = m_painter.transform();
    const QPointF d = device.map(to) - device.map(from);
    const double major = std::max(std::abs(d.x()), std::abs(d.y()));
    const QPointF end = major > 1.0 ? from + (to - from) * ((major - 1.0) / major) : from;
    selectPen();
    m_painter.drawLine(from, end);
}

namespace {

// The outline path of a left-top-right-bottom rectangle whose right and
// bottom are exclusive, as aliased strokes cover it.
QRectF outlineRect(int left, int top, int right, int bottom)
{
    return QRectF(left, top, std::max(0, right - left - 1), std::max(0, bottom - top - 1));
}

} // namespace

void Canvas::rectangle(int left, int top, int right, int bottom)
{
    selectPen();
    selectBrush();
    m_painter.drawRect(outlineRect(left, top, right, bottom));
}

void Canvas::roundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    selectPen();
    selectBrush();
    const QRectF r = outlineRect(left, top, right, bottom);
    const double rx = std::min(cornerWidth / 2.0, r.width() / 2.0);
    const double ry = std::min(cornerHeight / 2.0, r.height() / 2.0);
    m_painter.drawRoundedRect(r, rx, ry, Qt::AbsoluteSize);
}

void Canvas::ellipse(int left, int top, int right, int bottom)
{
    selectPen();
    selectBrush();
    m_painter.drawEllipse(outlineRect(left, top, right, bottom));
}

void Canvas::fillRect(const QRect& rect, const QColor& color) { m_painter.fillRect(rect, color); }

void Canvas::setPixel(int x, int y, const QColor& color) { m_painter.fillRect(QRect(x, y, 1, 1), color); }
