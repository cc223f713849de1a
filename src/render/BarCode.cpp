// Drawing a bar code: bars and human-readable digits are composed in local
// units (the font at its stored size, one unit per surface pixel), then the
// whole composition is stretched into its place so that its width follows
// the zoom.

#include "render/BarCode.h"

#include <QPainter>
#include <algorithm>
#include <vector>

#include "gdi/Canvas.h"
#include "render/RenderMath.h"
#include "render/RenderTexts.h"

namespace {

constexpr int kDefaultBarWidth = 2;
constexpr int kBarTextGap = 2;
constexpr int kBarRoom = 20;
constexpr int kHalfBarShort = 5;

struct TextPiece {
    QString text;
    int x;
};

struct Composition {
    int moduleWidth = 1;
    int barHeight = 0;
    int textHeight = 0;
    int totalWidth = 0;
    std::vector<QRectF> bars;  // every bar, drawn or not, in local units
    std::vector<TextPiece> texts;
    QRectF extent;
};

bool isGuard(int type, int i, int count)
{
    switch (type) {
    case BarCodeType::UpcA: return i < 11 || i == 46 || i == 48 || i > count - 11;
    case BarCodeType::Ean8: return i < 4 || i == 32 || i == 34 || i > count - 4;
    case BarCodeType::Ean13: return i < 4 || i == 46 || i == 48 || i > count - 4;
    default: return false;
    }
}

void placeTexts(Composition& c, int type, const BarCodePattern& p, const QString& text,
                unsigned justification, int margin, int textWidth)
{
    const int mw = c.moduleWidth;
    const int tw = c.totalWidth;
    const int xc = margin + (tw - margin) / 2 + 3 * mw;
    const QString& d = p.digits;
    switch (type) {
    case BarCodeType::UpcA:
        c.texts = {{d.mid(0, 1), 0}, {d.mid(1, 5), margin + 11 * mw}, {d.mid(6, 5), xc}, {d.mid(11, 1), tw}};
        break;
    case BarCodeType::Ean8: c.texts = {{d.mid(0, 4), margin + 4 * mw}, {d.mid(4, 4), xc}}; break;
    case BarCodeType::Ean13: c.texts = {{d.mid(0, 1), 0}, {d.mid(1, 6), margin + 4 * mw}, {d.mid(7, 6), xc}}; break;
    default: {
        int x = 0;
        if (justification == TextFormat::Right)
            x = tw - textWidth;
        else if (justification == TextFormat::Center)
            x = tw / 2 - textWidth / 2;
        c.texts = {{text, x}};
        break;
    }
    }
}

Composition compose(const Canvas& canvas, int top, int bottom, const QString& text, int type,
                    const BarCodePattern& p, unsigned justification, bool drawText, int barWidth)
{
    Composition c;
    int tw = 0, cw = 0;
    if (drawText) {
        const QSize whole = canvas.textExtent(text);
        tw = whole.width();
        c.textHeight = whole.height();
        if (!p.digits.isEmpty())
            cw = canvas.textExtent(p.digits.left(1)).width();
    }
    const int th = c.textHeight;
    const int margin = type == BarCodeType::UpcA || type == BarCodeType::Ean13 ? 2 * cw : 0;
    c.moduleWidth = p.moduleWidth > 0 ? p.moduleWidth : (barWidth > 0 ? barWidth : kDefaultBarWidth);
    c.barHeight = p.barHeight > 0 ? p.barHeight : (bottom - top) - th - kBarRoom;
    const int count = int(p.modules.size());
    c.totalWidth = count * c.moduleWidth + margin + 2;

    const int mw = c.moduleWidth;
    const int bh = c.barHeight;
    for (int i = 0; i < count; ++i) {
        const QChar m = p.modules[i];
        if (m == '0')
            continue;
        const int x = margin + i * mw;
        const int y0 = isGuard(type, i, count) ? bh + th / 2 : bh;
        const int y1 = m == '1' ? bh - kHalfBarShort : 0;
        // The stroke is centred on x and mw wide.
        const QRectF bar(x - mw / 2.0, std::min(y0, y1), mw, std::abs(y0 - y1));
        // Adjacent modules of the same height make one wider bar.
        if (!c.bars.empty() && c.bars.back().right() == bar.left() && c.bars.back().top() == bar.top() &&
            c.bars.back().height() == bar.height())
            c.bars.back().setRight(bar.right());
        else
            c.bars.push_back(bar);
    }
    if (drawText)
        placeTexts(c, type, p, text, justification, margin, tw);

    for (const QRectF& bar : c.bars)
        c.extent = c.extent.isNull() ? bar : c.extent.united(bar);
    for (const TextPiece& piece : c.texts) {
        const QSize size = canvas.textExtent(piece.text);
        const QRectF cell(piece.x, bh + kBarTextGap, size.width(), size.height());
        c.extent = c.extent.isNull() ? cell : c.extent.united(cell);
    }
    return c;
}

void drawPlaceholder(Canvas& canvas, int left, int top, int right, int bottom)
{
    const CanvasPen saved = canvas.pen();
    canvas.setPen({canvas.textColor(), 1, CanvasPen::Style::Solid});
    canvas.rectangle(left, top, right, bottom);
    canvas.setPen(saved);
    const int h = canvas.textExtent(RenderTexts::BarcodePlaceholder).height();
    const LogFontA font = canvas.font();
    LogFontA upright = font;
    upright.escapement = 0;
    FontSelection selected(canvas, upright);
    canvas.textOut(left + 10, top + (bottom - top) / 2 - h / 2, RenderTexts::BarcodePlaceholder);
}

} // namespace

bool drawBarCode(Canvas& canvas, int left, int top, int right, int bottom, const QString& text, int type,
                 unsigned justification, bool drawBars, bool drawText, int32_t zoom, int barWidth,
                 BarCodeGeometry* geometry)
{
    const BarCodePattern pattern = encodeBarCode(text, type);
    if (!pattern.ok || pattern.modules.isEmpty()) {
        drawPlaceholder(canvas, left, top, right, bottom);
        if (geometry)
            *geometry = {};
        return false;
    }
    const Composition c = compose(canvas, top, bottom, text, type, pattern, justification, drawText, barWidth);
    const int w = truncToInt(c.totalWidth * double(zoom) * 0.01);
    int x0 = left;
    if (justification == TextFormat::Right)
        x0 = right - w;
    else if (justification == TextFormat::Center)
        x0 = left + (right - left) / 2 - w / 2;
    const QRect destination(x0, top, w, c.barHeight + c.textHeight);
    if (geometry)
        *geometry = {true, destination, c.totalWidth, c.barHeight};
    if (c.extent.width() <= 0 || c.extent.height() <= 0 || destination.width() <= 0 || destination.height() <= 0)
        return true;

    QPainter& painter = canvas.painter();
    painter.save();
    QTransform local;
    local.translate(destination.left(), destination.top());
    local.scale(destination.width() / c.extent.width(), destination.height() / c.extent.height());
    local.translate(-c.extent.left(), -c.extent.top());
    painter.setTransform(local, true);
    if (drawBars && !c.bars.empty()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(canvas.textColor());
        painter.drawRects(c.bars.data(), int(c.bars.size()));
    }
    if (drawText) {
        const BackgroundMode mode = canvas.backgroundMode();
        canvas.setBackgroundMode(BackgroundMode::Transparent);
        for (const TextPiece& piece : c.texts)
            canvas.textOut(piece.x, c.barHeight + kBarTextGap, piece.text);
        canvas.setBackgroundMode(mode);
    }
    painter.restore();
    return true;
}
