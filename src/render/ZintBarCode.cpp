#include "render/ZintBarCode.h"

#include <QPainter>
#include <memory>
#include <zint.h>

#include "gdi/Canvas.h"

namespace {

// Longer than any symbol of these kinds holds (a QR Code takes 7089 digits);
// refused before libzint spends time on it.
constexpr qsizetype kMaxInputBytes = 8000;

struct ZintKind {
    int type;
    int symbology;
    int inputMode;
    bool linear;
};

constexpr ZintKind kKinds[] = {
    {BarCodeType::QrCode, BARCODE_QRCODE, UNICODE_MODE, false},
    {BarCodeType::DataMatrix, BARCODE_DATAMATRIX, UNICODE_MODE, false},
    {BarCodeType::Code128, BARCODE_CODE128, UNICODE_MODE, true},
    {BarCodeType::Gs1_128, BARCODE_GS1_128, GS1_MODE, true},
    {BarCodeType::Pdf417, BARCODE_PDF417, UNICODE_MODE, false},
    {BarCodeType::UspsIntelligentMail, BARCODE_USPS_IMAIL, DATA_MODE, false},
};

const ZintKind* kindOf(int type)
{
    for (const ZintKind& kind : kKinds)
        if (kind.type == type)
            return &kind;
    return nullptr;
}

struct SymbolDeleter {
    void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};

// Where the symbol lands in the frame: its modules' size in pixels (across
// and down) and its top-left.
struct Placement {
    double moduleWidth;
    double moduleHeight;
    QPointF origin;
    QRect destination;
};

Placement place(const ZintSymbol& symbol, const Edges& frame, const BarCodeOptions& options, int textHeight)
{
    const int barWidth = options.barWidth > 0 ? options.barWidth : kDefaultBarCodeModuleWidth;
    Placement p;
    p.moduleWidth = barWidth * options.zoom * 0.01;
    p.moduleHeight = p.moduleWidth;
    const double width = symbol.size.width() * p.moduleWidth;
    if (symbol.linear) {
        // Linear bars take the frame's height above the text.
        const double barHeight = std::max(1.0, double(frame.bottom - frame.top - textHeight));
        p.moduleHeight = barHeight / std::max(1.0, symbol.size.height());
    }
    double x = frame.left;
    if (options.justification == TextFormat::Right)
        x = frame.right - width;
    else if (options.justification == TextFormat::Center)
        x = frame.left + (frame.right - frame.left - width) / 2;
    p.origin = QPointF(x, frame.top);
    p.destination = QRectF(x, frame.top, width, symbol.size.height() * p.moduleHeight + textHeight).toAlignedRect();
    return p;
}

} // namespace

bool isZintBarCodeType(int type) { return kindOf(type) != nullptr; }

std::optional<ZintSymbol> encodeZintSymbol(const QString& text, int type)
{
    const ZintKind* kind = kindOf(type);
    const QByteArray input = text.toUtf8();
    if (!kind || input.isEmpty() || input.size() > kMaxInputBytes)
        return std::nullopt;
    std::unique_ptr<zint_symbol, SymbolDeleter> symbol(ZBarcode_Create());
    if (!symbol)
        return std::nullopt;
    symbol->symbology = kind->symbology;
    symbol->input_mode = kind->inputMode;
    symbol->show_hrt = kind->linear ? 1 : 0;  // only so that text[] is filled; we draw it ourselves
    if (ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(input.constData()), int(input.size())) >=
            ZINT_ERROR ||
        symbol->width <= 0)
        return std::nullopt;
    const QString humanText = QString::fromUtf8(reinterpret_cast<const char*>(symbol->text));
    // The vector form without text, so that its rectangles are bars only.
    symbol->show_hrt = 0;
    if (ZBarcode_Buffer_Vector(symbol.get(), 0) >= ZINT_ERROR || !symbol->vector || symbol->vector->width <= 0)
        return std::nullopt;
    const double unit = symbol->vector->width / symbol->width;  // vector units per module
    ZintSymbol result;
    result.linear = kind->linear;
    result.humanText = humanText;
    result.size = QSizeF(symbol->width, symbol->vector->height / unit);
    for (const zint_vector_rect* r = symbol->vector->rectangles; r; r = r->next)
        if (r->colour == -1)  // the foreground; libzint's white rectangles are the ground
            result.bars.emplace_back(r->x / unit, r->y / unit, r->width / unit, r->height / unit);
    return result;
}

bool drawZintBarCode(Canvas& canvas, const Edges& frame, const QString& text, const BarCodeOptions& options,
                     BarCodeGeometry* geometry)
{
    const std::optional<ZintSymbol> symbol = encodeZintSymbol(text, options.type);
    if (!symbol || symbol->bars.empty()) {
        drawBarCodePlaceholder(canvas, frame);
        if (geometry)
            *geometry = {};
        return false;
    }
    const bool withText = options.drawText && !symbol->humanText.isEmpty();
    const QSize textSize = withText ? canvas.textExtent(symbol->humanText) : QSize();
    const int textHeight = withText ? textSize.height() + kBarCodeTextGap : 0;
    const Placement p = place(*symbol, frame, options, textHeight);
    if (geometry)
        *geometry = {true, p.destination, int(symbol->size.width()), int(symbol->size.height() * p.moduleHeight)};

    QPainter& painter = canvas.painter();
    if (options.drawBars) {
        painter.save();
        painter.setPen(Qt::NoPen);
        painter.setBrush(canvas.textColor());
        std::vector<QRectF> bars;
        bars.reserve(symbol->bars.size());
        for (const QRectF& bar : symbol->bars)
            bars.emplace_back(p.origin.x() + bar.x() * p.moduleWidth, p.origin.y() + bar.y() * p.moduleHeight,
                              bar.width() * p.moduleWidth, bar.height() * p.moduleHeight);
        painter.drawRects(bars.data(), int(bars.size()));
        painter.restore();
    }
    if (withText) {
        const BackgroundMode mode = canvas.backgroundMode();
        canvas.setBackgroundMode(BackgroundMode::Transparent);
        const double barsBottom = p.origin.y() + symbol->size.height() * p.moduleHeight;
        const int x = p.destination.left() + (p.destination.width() - textSize.width()) / 2;
        canvas.textOut(x, int(std::lround(barsBottom)) + kBarCodeTextGap, symbol->humanText);
        canvas.setBackgroundMode(mode);
    }
    return true;
}
