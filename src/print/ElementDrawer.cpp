#include "print/ElementDrawer.h"

#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <limits>

#include "model/Folds.h"
#include "model/Card.h"
#include "model/DesignObject.h"
#include "render/CardPainter.h"
#include "gdi/Canvas.h"
#include "render/FieldSource.h"
#include "model/ObjectManager.h"
#include "print/PainterStateGuard.h"

int32_t elementNumberForCell(int32_t element, int32_t rec, int32_t sheetSide, int32_t rows, int32_t columns,
                             BackMapping mapping)
{
    if (sheetSide == 0 || rows <= 0 || columns <= 0)
        return rec;
    // In 64 bits: a grid near the int range must not wrap round.
    const int64_t perSheet = int64_t(rows) * columns;
    const int64_t row = (element - 1) / columns;
    const int64_t column = (element - 1) % columns;
    const int64_t base = perSheet * ((rec - 1) / perSheet);
    const int64_t n = mapping == BackMapping::MirrorColumns ? base + row * columns + (columns - 1 - column) + 1
                                                            : base + (rows - 1 - row) * columns + column + 1;
    return int32_t(std::clamp<int64_t>(n, 0, std::numeric_limits<int32_t>::max()));
}

std::vector<QRect> panelRects(uint8_t foldType, int32_t sheetSide, const QRect& cell)
{
    const RegionGeometry geometry = regionGeometry(0, foldType, sheetSide, cell.width(), cell.height());
    if (geometry.regionCount <= 0)
        return {};
    if (geometry.flat)
        return {cell};
    const int32_t w = geometry.width, h = geometry.height;
    const int32_t left = cell.left(), top = cell.top();
    const int32_t right = left + cell.width(), bottom = top + cell.height();
    const auto rect = [](int32_t l, int32_t t, int32_t r, int32_t b) { return QRect(l, t, r - l, b - t); };
    if (geometry.sideFold) {
        if (sheetSide == 0)
            return {rect(left, top, right - w, bottom), rect(left + w, top, right, bottom)};
        return {rect(left + w, top, right, bottom)};
    }
    if (sheetSide == 0)
        return {rect(left, top, right, bottom - h), rect(left, top + h, right, bottom)};
    return {rect(left, top + h, right, bottom)};
}

struct PrintRegions::Loaded {
    Card surface;
    ObjectManager manager{surface};
    bool ok = false;
};

PrintRegions::PrintRegions(const ObjectManager& design, const LayoutRecord& layout) : m_design(design)
{
    layout.regionSize(&m_width, &m_height);
}

PrintRegions::~PrintRegions() = default;

const Card* PrintRegions::region(int32_t side, int32_t panel)
{
    const RegionId id{side, panel};
    if (!id.isValid())
        return nullptr;
    if (m_design.liveRegion() == id)
        return &m_design.card();
    std::unique_ptr<Loaded>& loaded = m_loaded[size_t(side)][size_t(panel)];
    if (!loaded) {
        loaded = std::make_unique<Loaded>();
        loaded->surface.setRegionSize(m_width, m_height);
        loaded->manager.slot(id) = m_design.slot(id);
        loaded->ok = loaded->manager.showRegion(id);
    }
    return loaded->ok ? &loaded->surface : nullptr;
}

void drawRegion(QPainter& canvas, const Card& region, const ElementNumbers& numbers,
                const ObjectDrawing& drawing)
{
    CardPaintOptions options = CardPaintOptions::forPrinting(
        ElementContext{numbers.n, numbers.r, drawing.source && drawing.source->active() ? drawing.source : nullptr,
                       numbers.cycle});
    options.drawPicture = drawing.picture;
    if (drawing.object)
        options.drawObject = [&drawing](QPainter& painter, const DesignObject& object, const ElementContext& c) {
            drawing.object(painter, object, ElementNumbers{c.element, c.record, c.cycle});
        };
    Canvas painter(canvas);
    paintCard(painter, region, options);
}

void drawElement(QPainter& canvas, int32_t element, int32_t rec, const QRect& cell, const ElementPass& pass,
                 PrintRegions& regions, const ObjectDrawing& drawing)
{
    const int32_t n = elementNumberForCell(element, rec, pass.sheetSide, pass.rows, pass.columns, pass.mapping);
    if (n > pass.quantity || regions.regionWidth() <= 0 || regions.regionHeight() <= 0)
        return;
    const ElementNumbers numbers{n, int32_t(int64_t(n) + pass.startRecord - 1), pass.cycle};
    const std::vector<QRect> panels = panelRects(pass.foldType, pass.sheetSide, cell);
    for (size_t p = 0; p < panels.size(); ++p) {
        const Card* region = regions.region(pass.sheetSide, int32_t(p));
        if (!region)
            continue;
        const QRect& target = panels[p];
        PainterStateGuard guard(canvas);
        canvas.translate(target.left(), target.top());
        canvas.scale(double(target.width()) / regions.regionWidth(), double(target.height()) / regions.regionHeight());
        drawRegion(canvas, *region, numbers, drawing);
    }
}
