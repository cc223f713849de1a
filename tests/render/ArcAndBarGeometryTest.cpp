// Arc text character places and bar code placement.

#include <gtest/gtest.h>

#include <cmath>

#include "RenderTestSupport.h"
#include "render/ArcText.h"
#include "render/BarCode.h"

namespace {

LogFont arcFont()
{
    LogFont font;
    font.setFace("Liberation Sans");
    font.height = -16;
    return font;
}

TEST(ArcText, FullCircleFromMinus180TurnsEachCharacter)
{
    TestSurface s;
    s.canvas->setFont(arcFont());
    const QSize w = s.canvas->textExtent("W");
    const QRect f(20, 20, 260, 260);
    const auto glyphs = layoutArcText(*s.canvas, edgesOf(f), "ABCDE", ArcSubStyle::FullCircle, -12);
    ASSERT_EQ(glyphs.size(), 5u);
    EXPECT_EQ(glyphs[0].escapement, 900);
    EXPECT_EQ(glyphs[1].escapement, 0);
    EXPECT_EQ(glyphs[2].escapement, -900);
    EXPECT_EQ(glyphs[3].escapement, -1800);
    EXPECT_EQ(glyphs[4].escapement, -2700);

    const int cx = f.left() + w.height() + (f.width() - 2 * w.height()) / 2;
    const int cy = f.top() + w.height() + (f.height() - 2 * w.height()) / 2;
    const int r = (f.width() - 2 * w.height()) / 2;
    const double h = std::asin(w.width() * 0.5 / r) * 180 / M_PI;
    // Left point, near the top, near the right, near the bottom, just above the left point.
    const double angles[] = {-180, -90 - h / 4, -h / 2, 90 - 3 * h / 4, 180 - h};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        const double a = std::trunc(angles[i]) * M_PI / 180;
        EXPECT_NEAR(glyphs[size_t(i)].origin.x(), cx + r * std::cos(a), 1.01);
        EXPECT_NEAR(glyphs[size_t(i)].origin.y(), cy + r * std::sin(a), 1.01);
        EXPECT_EQ(glyphs[size_t(i)].character, QString("ABCDE")[i]);
    }
}

TEST(ArcText, HalfAndQuarterCirclesMoveTheCentreToAnEdge)
{
    TestSurface s;
    s.canvas->setFont(arcFont());
    const QSize w = s.canvas->textExtent("W");
    const int l = 0, t = 0, r = 300, b = 200;

    // Half circle from 180: along the lower half, left to right, centre Wh below the top,
    // the middle character upright.
    const auto half = layoutArcText(*s.canvas, {l, t, r, b}, "abcde", ArcSubStyle::HalfCircle, 12);
    ASSERT_EQ(half.size(), 5u);
    EXPECT_EQ(half[2].escapement, 0);
    EXPECT_LT(half[0].origin.x(), half[4].origin.x());
    const int radius = (r - l - 2 * w.height()) / 2;
    EXPECT_NEAR(half[2].origin.y(), t + w.height() + radius, 1);  // bottom of the arc

    // Half circle from -180: the arc rises above the bottom edge.
    const auto rising = layoutArcText(*s.canvas, {l, t, r, b}, "abcde", ArcSubStyle::HalfCircle, -12);
    ASSERT_EQ(rising.size(), 5u);
    EXPECT_NEAR(rising[0].origin.y(), b - w.height(), 1);
    EXPECT_LT(rising[2].origin.y(), rising[0].origin.y());

    // Quarter circle from -90: centre on the left edge, radius from the height,
    // first character at the top point.
    const auto quarter = layoutArcText(*s.canvas, {l, t, r, b}, "abc", ArcSubStyle::QuarterCircle, -6);
    ASSERT_EQ(quarter.size(), 3u);
    const int qr = (b - t - 2 * w.height()) / 2;
    const int qcy = t + w.height() + (b - t - 2 * w.height()) / 2;
    EXPECT_NEAR(quarter[0].origin.x(), l + w.height(), 1);
    EXPECT_NEAR(quarter[0].origin.y(), qcy - qr, 1);
    EXPECT_EQ(quarter[0].escapement, 0);
    EXPECT_GT(quarter[2].origin.x(), quarter[0].origin.x());
}

TEST(ArcText, NothingForOneCharacterOrATooSmallFrame)
{
    TestSurface s;
    s.canvas->setFont(arcFont());
    const QSize w = s.canvas->textExtent("W");
    EXPECT_TRUE(layoutArcText(*s.canvas, {0, 0, 300, 300}, "A", 0, -12).empty());
    EXPECT_TRUE(layoutArcText(*s.canvas, {0, 0, 300, 300}, "", 0, -12).empty());
    // r = (width − 2Wh) / 2 ≤ Ww
    const int width = 2 * w.height() + 2 * w.width();
    EXPECT_TRUE(layoutArcText(*s.canvas, {0, 0, width, 300}, "ABC", 0, -12).empty());
    EXPECT_FALSE(layoutArcText(*s.canvas, {0, 0, width + 4, 300}, "ABC", 0, -12).empty());
    // An unlisted start step keeps the centre and escapement 0.
    for (const ArcGlyph& g : layoutArcText(*s.canvas, {0, 0, 300, 300}, "ABC", 1, 3))
        EXPECT_EQ(g.escapement, 0);
}

TEST(ArcText, DrawingLeavesTheFontAsItWas)
{
    TestSurface s;
    const LogFont font = arcFont();
    s.canvas->setFont(font);
    drawArcText(*s.canvas, {0, 0, 300, 200}, "around", 1, -12);
    EXPECT_EQ(s.canvas->font(), font);
    EXPECT_FALSE(pixelBounds(s.done(), isDark).isNull());
}

struct PlacementCase {
    unsigned justification;
    int zoom;
    int expectedLeft;
    int expectedWidth;
};

TEST(BarCodePlacement, WidthFollowsBarWidthAndZoom)
{
    // UPC-A, bar width 3, no text: TW = 3 × 95 + 0 + 2 = 287 units.
    const int left = 10, top = 5, right = 710, bottom = 105;
    const PlacementCase cases[] = {
        {0, 100, 10, 287},
        {2, 100, 710 - 287, 287},
        {1, 100, 10 + 700 / 2 - 287 / 2, 287},
        {0, 200, 10, 574},
        {1, 50, 10 + 350 - 143 / 2, 143},
    };
    for (const PlacementCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.justification << " at " << c.zoom);
        TestSurface s(800, 200);
        s.canvas->setFont(arcFont());
        BarCodeGeometry g;
        const BarCodeOptions options{.type = BarCodeType::UpcA,
                                     .justification = c.justification,
                                     .drawText = false,
                                     .zoom = c.zoom,
                                     .barWidth = 3};
        EXPECT_TRUE(drawBarCode(*s.canvas, {left, top, right, bottom}, "03600029145", options, &g));
        EXPECT_EQ(g.totalWidth, 287);
        EXPECT_EQ(g.destination.left(), c.expectedLeft);
        EXPECT_EQ(g.destination.width(), c.expectedWidth);
        // Without text the bars fill the frame height less 20 pixels.
        EXPECT_EQ(g.destination.height(), bottom - top - 20);
        const QRect ink = pixelBounds(s.done(), isDark);
        EXPECT_NEAR(ink.left(), c.expectedLeft, 1);
        EXPECT_NEAR(ink.right() + 1, c.expectedLeft + c.expectedWidth, 1);
        EXPECT_EQ(ink.top(), top);
    }
}

TEST(BarCodePlacement, TextAddsAMarginAndPostNetKeepsItsHeight)
{
    TestSurface s(800, 200);
    s.canvas->setFont(arcFont());
    const int cw = s.canvas->textExtent("0").width();
    const int th = s.canvas->textExtent("03600029145").height();
    BarCodeGeometry g;
    const BarCodeOptions upc{.type = BarCodeType::UpcA, .barWidth = 2};
    EXPECT_TRUE(drawBarCode(*s.canvas, {0, 0, 700, 100}, "03600029145", upc, &g));
    EXPECT_EQ(g.totalWidth, 95 * 2 + 2 * cw + 2);
    EXPECT_EQ(g.barHeight, 100 - th - 20);
    EXPECT_EQ(g.destination.height(), 100 - 20);

    EXPECT_TRUE(drawBarCode(*s.canvas, {0, 0, 700, 100}, "12345", {.type = BarCodeType::PostNet, .barWidth = 4}, &g));
    EXPECT_EQ(g.totalWidth, 157 + 2);  // PostNet ignores the bar width
    EXPECT_EQ(g.barHeight, 11);
    EXPECT_EQ(g.destination.height(), 11 + th);
}

TEST(BarCodePlacement, BadDataDrawsThePlaceholderBox)
{
    const struct {
        const char* text;
        int type;
    } cases[] = {{"1234", BarCodeType::PostNet},      {"0360002914", BarCodeType::UpcA},
                 {"a_b", BarCodeType::Code39},        {"963850", BarCodeType::Ean8},
                 {"4006381333931", BarCodeType::Ean13}, {"12345", 200},
                 {"12345", BarCodeType::UspsIntelligentMail}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TestSurface s(400, 200);
        s.canvas->setFont(arcFont());
        s.canvas->setTextColor(Qt::blue);
        BarCodeGeometry g;
        EXPECT_FALSE(drawBarCode(*s.canvas, {20, 30, 320, 130}, c.text, {.type = c.type, .barWidth = 2}, &g));
        EXPECT_FALSE(g.drawn);
        const QImage& image = s.done();
        // The frame outline in the text colour, right and bottom exclusive.
        EXPECT_EQ(pixelBounds(image, isBlueish), QRect(QPoint(20, 30), QPoint(319, 129)));
        // The word sits 10 pixels in from the left, around the middle.
        const QRect word = pixelBounds(image.copy(21, 31, 298, 98), isBlueish);
        EXPECT_NEAR(word.left(), 10 - 1, 2);
        EXPECT_NEAR((word.top() + word.bottom()) / 2.0, 50 - 1, 6);
    }
}

} // namespace
