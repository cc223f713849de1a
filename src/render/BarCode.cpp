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
#include "render/ZintBarCode.h"

namespace {

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

void placeTexts(Composition& c, const BarCodePattern& p, const QString& text, const BarCodeOptions& options,
                int margin, int textWidth)
{
    const int mw = c.moduleWidth;
    const int tw = c.totalWidth;
    const int xc = margin + (tw - margin) / 2 + 3 * mw;
    const QString& d = p.digits;
    switch (options.type) {
    case BarCodeType::UpcA:
        c.texts = {{d.mid(0, 1), 0}, {d.mid(1, 5), margin + 11 * mw}, {d.mid(6, 5), xc}, {d.mid(11, 1), tw}};
        break;
    case BarCodeType::Ean8: c.texts = {{d.mid(0, 4), margin + 4 * mw}, {d.mid(4, 4), xc}}; break;
    case BarCodeType::Ean13: c.texts = {{d.mid(0, 1), 0}, {d.mid(1, 6), margin + 4 * mw}, {d.mid(7, 6), xc}}; break;
    default: {
        int x = 0;
        if (options.justification == TextFormat::Right)
            x = tw - textWidth;
        else if (options.justification == TextFormat::Center)
            x = tw / 2 - textWidth / 2;
        c.texts = {{text, x}};
        break;
    }
    }
}

Composition compose(const Canvas& canvas, const Edges& frame, const QString& text, const BarCodePattern& p,
                    const BarCodeOptions& options)
{
    Composition c;
    int tw = 0, cw = 0;
    const int type = options.type;
    if (options.drawText) {
        const QSize whole = canvas.textExtent(text);
        tw = whole.width();
        c.textHeight = whole.height();
        if (!p.digits.isEmpty())
            cw = canvas.textExtent(p.digits.left(1)).width();
    }
    const int th = c.textHeight;
    const int margin = type == BarCodeType::UpcA || type == BarCodeType::Ean13 ? 2 * cw : 0;
    c.moduleWidth =
        p.moduleWidth > 0 ? p.moduleWidth : (options.barWidth > 0 ? options.barWidth : kDefaultBarCodeModuleWidth);
    c.barHeight = p.barHeight > 0 ? p.barHeight : (frame.bottom - frame.top) - th - kBarRoom;
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
    if (options.drawText)
        placeTexts(c, p, text, options, margin, tw);

    for (const QRectF& bar : c.bars)
        c.extent = c.extent.isNull() ? bar : c.extent.united(bar);
    for (const TextPiece& piece : c.texts) {
        const QSize size = canvas.textExtent(piece.text);
        const QRectF cell(piece.x, bh + kBarCodeTextGap, size.width(), size.height());
        c.extent = c.extent.isNull() ? cell : c.extent.united(cell);
    }
    return c;
}

} // namespace

void drawBarCodePlaceholder(Canvas& canvas, const Edges& frame)
{
    const CanvasPen saved = canvas.pen();
    canvas.setPen({canvas.textColor(), 1, CanvasPen::Style::Solid});
    canvas.rectangle(frame.left, frame.top, frame.right, frame.bottom);
    canvas.setPen(saved);
    const int h = canvas.textExtent(RenderTexts::BarcodePlaceholder).height();
    const LogFont font = canvas.font();
    LogFont upright = font;
    upright.escapement = 0;
    FontSelection selected(canvas, upright);
    const int y = frame.top + (frame.bottom - frame.top) / 2 - h / 2;
    canvas.textOut(frame.left + 10, y, RenderTexts::BarcodePlaceholder);
}

bool drawBarCode(Canvas& canvas, const Edges& frame, const QString& text, const BarCodeOptions& options,
                 BarCodeGeometry* geometry)
{
    if (isZintBarCodeType(options.type))
        return drawZintBarCode(canvas, frame, text, options, geometry);
    const BarCodePattern pattern = encodeBarCode(text, options.type);
    if (!pattern.ok || pattern.modules.isEmpty()) {
        drawBarCodePlaceholder(canvas, frame);
        if (geometry)
            *geometry = {};
        return false;
    }
    const Composition c = compose(canvas, frame, text, pattern, options);
    const int w = truncToInt(c.totalWidth * double(options.zoom) * 0.01);
    int x0 = frame.left;
    if (options.justification == TextFormat::Right)
        x0 = frame.right - w;
    else if (options.justification == TextFormat::Center)
        x0 = frame.left + (frame.right - frame.left) / 2 - w / 2;
    const QRect destination(x0, frame.top, w, c.barHeight + c.textHeight);
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
    if (options.drawBars && !c.bars.empty()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(canvas.textColor());
        painter.drawRects(c.bars.data(), int(c.bars.size()));
    }
    if (options.drawText) {
        const BackgroundMode mode = canvas.backgroundMode();
        canvas.setBackgroundMode(BackgroundMode::Transparent);
        for (const TextPiece& piece : c.texts)
            canvas.textOut(piece.x, c.barHeight + kBarCodeTextGap, piece.text);
        canvas.setBackgroundMode(mode);
    }
    painter.restore();
    return true;
}
