// What the window shows at a zoom is what prints: every object, drawn alone
// at zoom Z, is its zoom-100 drawing scaled by Z / 100, within a pixel of the
// zoom-100 drawing (glyph hinting moves text edges by a little more).

#include <gtest/gtest.h>

#include <cmath>

#include "RenderTestSupport.h"
#include "examples/ExampleDesigns.h"
#include "model/Card.h"
#include "model/ObjectManager.h"
#include "render/RegionRender.h"

namespace {

bool isInk(QRgb c) { return qGray(c) < 160; }

struct Ink {
    QRect bounds;
    double area = 0;  // inked pixels, in zoom-100 pixels
};

Ink inkAt(const DesignObject& object, QSize regionSize, int zoom)
{
    Card card;
    card.setRegionSize(regionSize.width(), regionSize.height());
    card.add(std::make_unique<DesignObject>(object));
    const QImage image = renderCardImage(card, exportPaintOptions(), zoom);
    Ink ink;
    ink.bounds = pixelBounds(image, isInk);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += isInk(image.pixel(x, y)) ? 1 : 0;
    ink.area = count * 10000.0 / (double(zoom) * zoom);
    return ink;
}

QString describe(const DesignObject& o)
{
    return QStringLiteral("%1 %2 style %3 at %4,%5")
        .arg(QChar(o.kind))
        .arg(o.lines.value(0).left(20))
        .arg(o.textStyle, 0, 16)
        .arg(o.left)
        .arg(o.top);
}

} // namespace

TEST(ZoomFidelity, EveryObjectOfTheExamplesScalesWithTheZoom)
{
    int checked = 0;
    for (const ExampleDesign& design : exampleDesigns()) {
        Card surface;
        ObjectManager manager(surface);
        buildExample(manager, design);
        for (const auto& object : surface.objects()) {
            const Ink at100 = inkAt(*object, surface.size(), 100);
            if (at100.bounds.isNull())
                continue;  // draws nothing at all (an empty list entry)
            ++checked;
            for (int zoom : {50, 200, 400}) {
                SCOPED_TRACE(testing::Message() << design.fileName.toStdString() << ": "
                                                << describe(*object).toStdString() << " at zoom " << zoom);
                const double f = zoom / 100.0;
                const Ink atZoom = inkAt(*object, surface.size(), zoom);
                ASSERT_FALSE(atZoom.bounds.isNull());
                // One zoom-100 pixel, and one more for the truncation of each
                // edge; glyphs are hinted and smoothed at each size, so the
                // edges of text may move by two zoom-100 pixels.
                const bool glyphs = object->isText() && object->textStyleKind() != TextStyleKind::BarCode;
                const double tolerance = std::max(f, 1.0) * (glyphs ? 2.0 : 1.0) + 1.0;
                EXPECT_NEAR(atZoom.bounds.left(), at100.bounds.left() * f, tolerance);
                EXPECT_NEAR(atZoom.bounds.top(), at100.bounds.top() * f, tolerance);
                EXPECT_NEAR(atZoom.bounds.right() + 1, (at100.bounds.right() + 1) * f, tolerance + f);
                EXPECT_NEAR(atZoom.bounds.bottom() + 1, (at100.bounds.bottom() + 1) * f, tolerance + f);
                // The same amount of ink in bars and filled shapes: bars of
                // another height would change it by far more. (Text edges are
                // smoothed, and lines keep a pixel at low zooms, so neither
                // is measured this way.)
                const bool solid = (object->isText() && object->textStyleKind() == TextStyleKind::BarCode) ||
                                   object->kind == ObjectKind::Box || object->kind == ObjectKind::Ellipse;
                if (solid && zoom >= 100)
                    EXPECT_NEAR(atZoom.area, at100.area, at100.area * 0.15 + 4);
            }
        }
    }
    EXPECT_GT(checked, 30);
}
