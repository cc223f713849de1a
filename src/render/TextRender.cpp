#include "render/TextRender.h"

#include <cmath>

#include "render/ArcText.h"
#include "render/BarCode.h"
#include "model/DesignObject.h"
#include "gdi/Canvas.h"
#include "render/RenderMath.h"

namespace {

constexpr int kMaxRotatedLine = 1023;

// The shadow copy keeps the rectangle's size up to the truncation of each edge.
Edges shadowEdges(const Edges& e, double sx, double sy)
{
    return {truncToInt(e.left + sx), truncToInt(e.top + sy), truncToInt(e.right + sx), truncToInt(e.bottom + sy)};
}

// One line of rotated text from position pos; advances pos past the line and
// its CR LF.
QString nextRotatedLine(const Canvas& canvas, const QString& text, qsizetype& pos, int available, bool wrap)
{
    QString buffer;
    bool closed = false;
    const qsizetype n = text.size();
    while (pos < n && text[pos] != '\r' && !closed) {
        const qsizetype keptLength = buffer.size();
        const qsizetype keptPos = pos;
        while (pos < n && text[pos] != '\r' && !(wrap && text[pos] == ' ') && buffer.size() < kMaxRotatedLine)
            buffer += text[pos++];
        if (canvas.textExtent(buffer).width() > available) {
            if (wrap && keptLength > 0) {
                buffer.truncate(keptLength);
                pos = keptPos;
            }
            closed = true;
        }
        if (pos < n && text[pos] == ' ' && buffer.size() < kMaxRotatedLine) {
            buffer += ' ';
            ++pos;
        }
        if (buffer.size() >= kMaxRotatedLine)
            closed = true;
    }
    if (pos < n && text[pos] == '\r')
        pos += 2;  // the CR and the character after it
    return buffer;
}

QStringList breakRotatedLines(const Canvas& canvas, const QString& text, int available, bool wrap)
{
    QStringList lines;
    qsizetype pos = 0;
    while (pos < text.size())
        lines << nextRotatedLine(canvas, text, pos, available, wrap);
    return lines;
}

} // namespace

std::vector<RotatedLine> layoutRotatedText(const Canvas& canvas, int angle, const QRect& rect, const QString& text,
                                           bool wrap)
{
    const Edges e = edgesOf(rect);
    const int available = angle == 180 ? e.right - e.left : e.bottom - e.top;
    const QStringList lines = breakRotatedLines(canvas, text, available, wrap);
    const double radians = angle * kDegreesToRadians;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    const double block = double(lines.size()) * canvas.lineHeight();
    int x = 0, y = 0;
    if (angle < 90) {
        x = e.left;
        y = truncToInt(e.bottom - c * block);
    } else if (angle < 180) {
        x = truncToInt(e.right - s * block);
        y = e.bottom;
    } else if (angle < 270) {
        x = e.right;
        y = truncToInt(e.top - c * block);
    } else {
        x = truncToInt(e.left - s * block);
        y = e.top;
    }
    std::vector<RotatedLine> placed;
    placed.reserve(size_t(lines.size()));
    for (const QString& line : lines) {
        placed.push_back({line, QPoint(x, y)});
        const int h = canvas.textExtent(line.isEmpty() ? QStringLiteral("]") : line).height();
        if (angle == 90) {
            x += h;
        } else if (angle == 180) {
            y -= h;
        } else if (angle == 270) {
            x -= h;
        } else {
            y = truncToInt(y + c * h);
            x = truncToInt(x + s * h);
        }
    }
    return placed;
}

void drawPlainText(Canvas& canvas, int32_t rotation, const QRect& rect, const QString& text, unsigned flags)
{
    const int angle = normalizedDegrees(rotation);
    if (angle == 0) {
        canvas.drawText(rect, text, flags | TextFormat::NoPrefix | TextFormat::NoClip);
        return;
    }
    const bool wrap = (flags & TextFormat::WordBreak) != 0;
    for (const RotatedLine& line : layoutRotatedText(canvas, angle, rect, text, wrap))
        canvas.textOut(line.origin.x(), line.origin.y(), line.text);
}

bool drawStyledText(Canvas& canvas, const QRect& rect, const QString& text, const StyledTextOptions& options)
{
    const int32_t textStyle = options.textStyle;
    const int style = TextStyleWord::kind(textStyle);
    const int param1 = TextStyleWord::param1(textStyle);
    const int param2 = TextStyleWord::param2(textStyle);
    const int param3 = TextStyleWord::param3(textStyle);
    const int32_t zoom = options.zoom;

    LogFont font = canvas.font();
    const bool turned = style == TextStyleKind::Wrap || style == TextStyleKind::NoWrap;
    font.escapement = turned ? options.rotation : 0;
    font.orientation = font.escapement;
    FontSelection selected(canvas, font);
    const QColor savedColor = canvas.textColor();
    canvas.setBackgroundMode(BackgroundMode::Transparent);

    const Edges face = edgesOf(rect);
    const Edges shadow = shadowEdges(face, options.shadowX * zoom * 0.01, options.shadowY * zoom * 0.01);
    const bool hasShadow = options.shadowX != 0 || options.shadowY != 0;
    bool drawn = false;

    switch (style) {
    case TextStyleKind::Wrap:
    case TextStyleKind::NoWrap: {
        const unsigned flags = options.justification | (style == TextStyleKind::Wrap ? TextFormat::WordBreak : 0);
        if (hasShadow) {
            canvas.setTextColor(options.shadowColor);
            drawPlainText(canvas, options.rotation, rectOf(shadow), text, flags);
        }
        canvas.setTextColor(options.textColor);
        drawPlainText(canvas, options.rotation, rect, text, flags);
        drawn = true;
        break;
    }
    case TextStyleKind::BarCode: {
        if (text.isEmpty())
            break;
        const BarCodeOptions barCode{.type = param1,
                                     .justification = options.justification & TextFormat::JustifyMask,
                                     .drawText = param2 != 0,
                                     .zoom = zoom,
                                     .barWidth = param3};
        if (barCode.drawText && hasShadow) {
            // The shadow is of the text alone.
            BarCodeOptions textOnly = barCode;
            textOnly.drawBars = false;
            canvas.setTextColor(options.shadowColor);
            drawBarCode(canvas, shadow, text, textOnly);
        }
        canvas.setTextColor(options.textColor);
        drawBarCode(canvas, face, text, barCode);
        drawn = true;
        break;
    }
    case TextStyleKind::ArcText:
        if (hasShadow) {
            canvas.setTextColor(options.shadowColor);
            drawArcText(canvas, shadow, text, param1, param2);
        }
        canvas.setTextColor(options.textColor);
        drawArcText(canvas, face, text, param1, param2);
        drawn = true;
        break;
    default:
        break;
    }
    canvas.setTextColor(savedColor);
    return drawn;
}
