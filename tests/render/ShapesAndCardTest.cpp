// Shapes, the card painting and the stock overlays, checked on pixels of
// plain geometry (never of glyphs).

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "model/Card.h"
#include "model/Folds.h"
#include "model/DesignObject.h"
#include "model/ObjectManager.h"
#include "render/CardPainter.h"
#include "render/DrawObject.h"
#include "examples/ExampleDesigns.h"
#include "render/RegionRender.h"

namespace {

QImage drawShape(char kind, int style, QRect frame, int zoom, int lineSize = 1, int lineType = 0,
                 QSize size = {300, 200})
{
    TestSurface s(size.width(), size.height(), zoom);
    DesignObject object(kind);
    object.setRect(frame);
    object.style = style;
    object.foreColor = 0x0000FF;  // red
    object.backColor = 0xFF0000;  // blue
    object.lineSize = lineSize;
    object.lineType = lineType;
    drawDesignObject(*s.canvas, object);
    return s.done();
}

TEST(Shapes, ShadowBoxDrawsShadowThenFace)
{
    // W = 100, H = 50: dx = 14, dy = 7.
    const QImage image = drawShape(ObjectKind::Box, 2, QRect(20, 30, 100, 50), 100);
    const auto at = [&](int x, int y) { return image.pixel(20 + x, 30 + y); };
    EXPECT_TRUE(isDark(at(0, 0)));      // face outline, black
    EXPECT_TRUE(isDark(at(85, 20)));    // face's right edge at L+86 exclusive
    EXPECT_TRUE(isDark(at(40, 42)));    // face's bottom edge at T+43 exclusive
    EXPECT_TRUE(isBlueish(at(40, 20))); // face fill
    EXPECT_TRUE(isRedish(at(90, 30)));  // shadow fill in the line colour
    EXPECT_TRUE(isDark(at(99, 30)));    // shadow outline at the full width
    EXPECT_TRUE(isDark(at(50, 49)));
    EXPECT_TRUE(isWhite(at(5, 45)));    // left of the shadow (it starts at L+14)
    EXPECT_TRUE(isWhite(at(100, 30)));  // right and bottom exclusive
    EXPECT_TRUE(isWhite(at(50, 50)));
}

TEST(Shapes, NormalAndFilledStyles)
{
    for (char kind : {ObjectKind::Box, ObjectKind::RoundBox, ObjectKind::Ellipse}) {
        SCOPED_TRACE(kind);
        const QImage normal = drawShape(kind, 0, QRect(10, 10, 120, 80), 100);
        EXPECT_TRUE(isWhite(normal.pixel(70, 50)));
        EXPECT_TRUE(isRedish(normal.pixel(70, 10)));  // top edge in the line colour
        EXPECT_EQ(pixelBounds(normal, isRedish), QRect(10, 10, 120, 80));
        const QImage filled = drawShape(kind, 1, QRect(10, 10, 120, 80), 100);
        EXPECT_TRUE(isBlueish(filled.pixel(70, 50)));
    }
}

TEST(Shapes, RoundBoxCornersScaleWithTheZoomAsTheyPrint)
{
    // A 38 × 38 unit corner ellipse, 152 pixels at zoom 400: the straight top
    // edge starts 76 pixels in.
    const QImage image = drawShape(ObjectKind::RoundBox, 0, QRect(5, 5, 100, 75), 400, 1, 0, {500, 400});
    EXPECT_TRUE(isWhite(image.pixel(25, 24)));
    EXPECT_TRUE(isRedish(image.pixel(20 + 76 + 4, 21)));
    EXPECT_FALSE(isRedish(image.pixel(20 + 40, 21)));
}

struct LineCase {
    int lineType;
    QPoint from;
    QPoint to;  // exclusive end
};

TEST(Shapes, LinesRunAlongTheirFrame)
{
    const QRect frame(40, 30, 100, 60);
    const LineCase cases[] = {
        {0, {40, 30}, {140, 30}},
        {1, {40, 30}, {40, 90}},
        {2, {40, 90}, {140, 30}},
        {3, {40, 30}, {140, 90}},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.lineType);
        const QImage image = drawShape(ObjectKind::Line, 0, frame, 100, 1, c.lineType);
        EXPECT_TRUE(isRedish(image.pixel(c.from)));
        EXPECT_FALSE(isRedish(image.pixel(c.to)));  // the end point is not drawn
        const QPoint middle = (c.from + c.to) / 2;
        EXPECT_TRUE(isRedish(image.pixel(middle)) || isRedish(image.pixel(middle + QPoint(0, 1))) ||
                    isRedish(image.pixel(middle - QPoint(0, 1))));
    }
    EXPECT_TRUE(pixelBounds(drawShape(ObjectKind::Line, 0, frame, 100, 1, 4), isRedish).isNull());
}

TEST(Shapes, PenWidthScalesWithTheZoomDownToTheThinnestLine)
{
    struct Case {
        int lineSize, zoom, thickness;
    };
    for (const Case& c : {Case{6, 50, 3}, Case{1, 50, 1}, Case{2, 100, 2}, Case{3, 400, 12}}) {
        SCOPED_TRACE(testing::Message() << c.lineSize << " at " << c.zoom);
        const QImage image = drawShape(ObjectKind::Line, 0, QRect(5, 10, 50, 0), c.zoom, c.lineSize);
        EXPECT_EQ(pixelBounds(image, isRedish).height(), c.thickness);
    }
}

// A card with one filled box at (100, 40) design units.
struct CardFixture {
    CardFixture(int zoom) : zoom(zoom)
    {
        design.layout = exampleLayout("card", 350, 200);
        design.build = [](DesignBuilder& b, ObjectManager&) {
            b.shape(ObjectKind::Box, {100, 40, 50, 30}, 1).backColor = 0xFF0000;
        };
        buildExample(manager, design);
        EXPECT_TRUE(showRegionByIndex(manager, design.layout, 0));
    }
    QImage render(const CardPaintOptions& options) const { return renderCardImage(surface, options, zoom); }
    int zoom;
    Card surface;
    ObjectManager manager{surface};
    ExampleDesign design;
};

TEST(CardPainting, MarginsGridAndObjectsFollowTheZoom)
{
    CardFixture card(200);
    EXPECT_EQ(cardPixelSize(card.surface, 200), QSize(700, 400));
    card.surface.showGrid = true;
    card.surface.gridX = card.surface.gridY = 10;
    const QImage image = card.render(CardPaintOptions{});
    CardPaintOptions noGrid;
    noGrid.showGrid = false;
    const QImage margins = card.render(noGrid);
    // Margins of 8 at zoom 200: the dotted rectangle's left edge is at x = 15.
    EXPECT_EQ(pixelBounds(margins.copy(0, 30, 40, 300), isDark).left(), 15);
    EXPECT_EQ(pixelBounds(margins.copy(600, 30, 100, 300), isDark).right(), 700 - 16 - 600);
    // The box's fill inside (200, 80)..(300, 140).
    const QRect fill = pixelBounds(image, isBlueish);
    EXPECT_TRUE(QRect(200, 80, 100, 60).contains(fill));
    EXPECT_GT(fill.width(), 94);
    // Grid dots every 20 pixels from (1, 1).
    EXPECT_TRUE(isDark(image.pixel(41, 101)));
    EXPECT_TRUE(isWhite(image.pixel(42, 101)));
}

TEST(CardPainting, GridNeedsAStepOfTwoPixels)
{
    for (int zoom : {25, 50}) {
        CardFixture card(zoom);
        card.surface.showGrid = true;
        card.surface.gridX = card.surface.gridY = 4;
        CardPaintOptions options;
        options.showMargins = false;
        const QImage image = card.render(options);
        EXPECT_EQ(isDark(image.pixel(3, 3)), zoom == 50) << zoom;
    }
}

TEST(CardPainting, ExportLeavesOutGridAndMargins)
{
    CardFixture card(100);
    card.surface.showGrid = true;
    const QImage image = card.render(exportPaintOptions());
    // Only the box's own outline is dark.
    EXPECT_EQ(pixelBounds(image, isDark), QRect(100, 40, 50, 30));
    EXPECT_FALSE(pixelBounds(image, isBlueish).isNull());
}

TEST(CardPainting, NonPrintingObjectsAreLeftOutOnlyWhenAsked)
{
    CardFixture card(100);
    card.surface.object(0)->flags = ObjectFlags::NonPrinting;
    CardPaintOptions printing = exportPaintOptions();
    printing.skipNonPrinting = true;
    EXPECT_TRUE(pixelBounds(card.render(printing), isBlueish).isNull());
    EXPECT_FALSE(pixelBounds(card.render(exportPaintOptions()), isBlueish).isNull());
}

TEST(CardPainting, BackgroundFillsTheAreaInsideTheMargins)
{
    CardFixture card(100);
    QImage green(4, 4, QImage::Format_RGB32);
    green.fill(Qt::green);
    card.surface.backImage.setBitmap(green);
    const QImage image = card.render(exportPaintOptions());
    const QRect filled = pixelBounds(image, [](QRgb c) { return qGreen(c) > 200 && qRed(c) < 60; });
    // Margins 8: the dotted line sits at 7 and 343, the picture between them.
    EXPECT_EQ(filled, QRect(QPoint(8, 8), QPoint(341, 191)));
}

// Margins from a damaged file may hold anything: the inside edges stay within
// a range where the painting's sums still fit, and the card still paints.
TEST(CardPainting, DamagedMarginsKeepTheirEdgesInRange)
{
    constexpr int kFar = 1 << 24;
    struct Case {
        int32_t margin;
        Card::MarginEdges edges;
    };
    const Case cases[] = {
        {8, {8, 8, 350 - 8, 200 - 8}},
        {INT32_MIN, {-kFar, -kFar, kFar, kFar}},
        {INT32_MAX, {kFar, kFar, -kFar, -kFar}},
    };
    for (const Case& c : cases) {
        CardFixture card(200);
        Card& s = card.surface;
        s.marginLeft = s.marginRight = s.marginTop = s.marginBottom = c.margin;
        const Card::MarginEdges e = s.marginEdges();
        EXPECT_EQ(e.left, c.edges.left) << c.margin;
        EXPECT_EQ(e.top, c.edges.top) << c.margin;
        EXPECT_EQ(e.right, c.edges.right) << c.margin;
        EXPECT_EQ(e.bottom, c.edges.bottom) << c.margin;
        QImage green(4, 4, QImage::Format_RGB32);
        green.fill(Qt::green);
        s.backImage.setBitmap(green);
        EXPECT_EQ(card.render(CardPaintOptions{}).size(), QSize(700, 400));
    }
}

// The largest region at zoom 1000 is 17,000 pixels square (over a gigabyte):
// it is refused like any other picture past the size limit.
TEST(CardPainting, ImagesPastThePictureSizeLimitAreRefused)
{
    Card card;
    card.setRegionSize(kMaxRegionSize, kMaxRegionSize);
    EXPECT_TRUE(renderCardImage(card, exportPaintOptions(), 1000).isNull());
    EXPECT_EQ(renderCardImage(card, exportPaintOptions(), 100).size(), QSize(kMaxRegionSize, kMaxRegionSize));
}

TEST(StockOverlay, FullDiscShowsCornersHubAndLabelArea)
{
    TestSurface s(460, 460);
    drawStockOverlay(*s.canvas, StockOverlay::FullDisc, QRect(0, 0, 461, 461));
    const QImage& image = s.done();
    const auto grey = [](QRgb c) { return qAbs(qGray(c) - 128) < 8; };
    EXPECT_TRUE(grey(image.pixel(3, 3)));       // corner outside the disc
    EXPECT_TRUE(grey(image.pixel(230, 230)));   // hub
    EXPECT_TRUE(isWhite(image.pixel(230, 60))); // printable ring
    // The hub is about 1.6 in of 4.6 in across.
    const QRect hub = pixelBounds(image.copy(100, 100, 260, 260), grey);
    EXPECT_NEAR(hub.width(), 460 * 1.6 / 4.6, 4);
}

TEST(StockOverlay, CardShapedDiscsKeepTheirCornersGrey)
{
    struct Case {
        int overlay;
        QSize size;
    };
    for (const Case& c : {Case{StockOverlay::CardWide, {315, 240}}, Case{StockOverlay::CardHigh, {240, 315}}}) {
        SCOPED_TRACE(c.overlay);
        TestSurface s(c.size.width(), c.size.height());
        drawStockOverlay(*s.canvas, c.overlay, QRect(QPoint(0, 0), c.size));
        const QImage& image = s.done();
        const auto grey = [](QRgb p) { return qAbs(qGray(p) - 128) < 8; };
        EXPECT_TRUE(grey(image.pixel(2, 2)));
        EXPECT_TRUE(grey(image.pixel(c.size.width() - 3, c.size.height() - 3)));
        EXPECT_TRUE(grey(image.pixel(c.size.width() / 2, c.size.height() / 2)));
        EXPECT_TRUE(isWhite(image.pixel(c.size.width() / 2, 5)));
        EXPECT_TRUE(isWhite(image.pixel(5, c.size.height() / 2)));
    }
    TestSurface none(50, 50);
    drawStockOverlay(*none.canvas, 4, QRect(0, 0, 50, 50));
    EXPECT_TRUE(pixelBounds(none.done(), [](QRgb p) { return !isWhite(p); }).isNull());
}

TEST(CanvasMapping, WindowAndViewportScaleLogicalUnits)
{
    TestSurface s(300, 300);
    s.canvas->setWindowExt({100, 100});
    s.canvas->setViewportExt({200, 200});
    s.canvas->setViewportOrg({10, 20});
    s.canvas->setBrush({Qt::blue, CanvasBrush::Style::Solid});
    s.canvas->setPen({Qt::blue, 0, CanvasPen::Style::Solid});
    s.canvas->rectangle(10, 10, 60, 40);
    const QRect ink = pixelBounds(s.done(), isBlueish);
    EXPECT_NEAR(ink.left(), 30, 1);
    EXPECT_NEAR(ink.top(), 40, 1);
    EXPECT_NEAR(ink.right(), 128, 2);
    EXPECT_NEAR(ink.bottom(), 98, 2);
}

TEST(CanvasText, EscapementTurnsTextCounterClockwiseAroundTheCellCorner)
{
    TestSurface s(300, 300);
    LogFont font;
    font.height = -30;
    font.escapement = 900;
    s.canvas->setFont(font);
    s.canvas->setBackgroundMode(BackgroundMode::Transparent);
    s.canvas->textOut(150, 250, "HHHH");
    const QRect ink = pixelBounds(s.done(), isDark);
    // Reading upward from (150, 250): the cell lies right of x = 150 and above y = 250.
    EXPECT_GE(ink.left(), 150);
    EXPECT_LE(ink.right(), 150 + 32);
    EXPECT_LE(ink.bottom(), 250);
    EXPECT_GT(ink.height(), ink.width());
}

} // namespace
