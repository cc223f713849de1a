// Where text lands: rotated line starts, wrapping, shadows, justification and
// the zoom's effect on fonts.

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "model/DesignObject.h"
#include "render/BarCode.h"
#include "render/DrawObject.h"
#include "render/TextRender.h"

namespace {

LogFont testFont(int height = -16)
{
    LogFont font;
    font.setFace("Liberation Sans");
    font.height = height;
    return font;
}

struct RotationCase {
    int angle;
    // Expected first origin and the step to the second line, in terms of the
    // frame (l, t, r, b) and the line height H; the start may sit one pixel
    // inside because the cosine and sine of the right angles are not exact.
    std::function<QPoint(QRect, int)> first;
    QPoint step;  // in units of H
};

TEST(RotatedText, StartPointsAndLineSteps)
{
    TestSurface s;
    s.canvas->setFont(testFont());
    const int h = s.canvas->lineHeight();
    const QRect frame(50, 20, 100, 200);  // right edge 150, bottom edge 220
    const RotationCase cases[] = {
        {90, [](QRect f, int h) { return QPoint(f.left() + f.width() - 2 * h, f.top() + f.height()); }, {1, 0}},
        {180, [](QRect f, int h) { return QPoint(f.left() + f.width(), f.top() + 2 * h); }, {0, -1}},
        {270, [](QRect f, int h) { return QPoint(f.left() + 2 * h, f.top()); }, {-1, 0}},
    };
    for (const RotationCase& c : cases) {
        SCOPED_TRACE(c.angle);
        const auto lines = layoutRotatedText(*s.canvas, c.angle, frame, "ab\r\ncd", false);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].text, "ab");
        EXPECT_EQ(lines[1].text, "cd");
        const QPoint expected = c.first(frame, h);
        EXPECT_NEAR(lines[0].origin.x(), expected.x(), 1);
        EXPECT_NEAR(lines[0].origin.y(), expected.y(), 1);
        EXPECT_EQ(lines[1].origin - lines[0].origin, c.step * h);
    }
}

TEST(RotatedText, NinetyDegreeBlockEndsAtTheRightEdge)
{
    TestSurface s;
    s.canvas->setFont(testFont());
    const int h = s.canvas->lineHeight();
    const QRect frame(10, 10, 120, 200);
    const auto lines = layoutRotatedText(*s.canvas, 90, frame, "first\r\nsecond", false);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_GT(lines[1].origin.x(), lines[0].origin.x());
    EXPECT_NEAR(lines[1].origin.x() + h, frame.left() + frame.width(), 1);
    EXPECT_EQ(lines[0].origin.y(), frame.top() + frame.height());
}

TEST(RotatedText, SlantedTextStartsAtTheLeftAndStepsAlongTheNormal)
{
    TestSurface s;
    s.canvas->setFont(testFont());
    const int h = s.canvas->lineHeight();
    const QRect frame(0, 0, 100, 200);
    const auto lines = layoutRotatedText(*s.canvas, 45, frame, "a\r\nb", false);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].origin.x(), 0);
    EXPECT_NEAR(lines[0].origin.y(), 200 - 0.7071 * 2 * h, 1);
    EXPECT_NEAR(lines[1].origin.x() - lines[0].origin.x(), 0.7071 * h, 1);
    EXPECT_NEAR(lines[1].origin.y() - lines[0].origin.y(), 0.7071 * h, 1);
}

TEST(RotatedText, AvailableLengthIsTheHeightExceptUpsideDown)
{
    TestSurface s;
    s.canvas->setFont(testFont());
    const QString text = "one two three four";
    const int width = s.canvas->textExtent(text).width();
    // Narrow and tall: the whole line fits along the height at 45 and 90
    // degrees, but not along the width at 180.
    const QRect frame(0, 0, width / 2, width * 2);
    EXPECT_EQ(layoutRotatedText(*s.canvas, 45, frame, text, true).size(), 1u);
    EXPECT_EQ(layoutRotatedText(*s.canvas, 90, frame, text, true).size(), 1u);
    const auto flipped = layoutRotatedText(*s.canvas, 180, frame, text, true);
    EXPECT_GT(flipped.size(), 1u);
    for (const RotatedLine& line : flipped)
        EXPECT_LE(s.canvas->textExtent(line.text.trimmed()).width(), width / 2);
    // Without wrapping a line is never broken.
    EXPECT_EQ(layoutRotatedText(*s.canvas, 180, frame, text, false).size(), 1u);
}

TEST(RotatedText, EmptyLinesAdvanceAndAnOverlongWordStandsAlone)
{
    TestSurface s;
    s.canvas->setFont(testFont());
    const int h = s.canvas->textExtent("]").height();
    const auto lines = layoutRotatedText(*s.canvas, 90, QRect(0, 0, 100, 40), "a\r\n\r\nb", true);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].text, "");
    EXPECT_EQ(lines[2].origin.x() - lines[1].origin.x(), h);

    const auto wide = layoutRotatedText(*s.canvas, 90, QRect(0, 0, 100, 10), "Unbreakable word", true);
    ASSERT_EQ(wide.size(), 2u);
    EXPECT_EQ(wide[0].text, "Unbreakable ");
    EXPECT_EQ(wide[1].text, "word");
}

TEST(FormattedText, BreaksBetweenWordsAndAtLineEnds)
{
    TestSurface s;
    s.canvas->setFont(testFont());
    const int width = s.canvas->textExtent("alpha beta").width() + 2;
    const QStringList lines = s.canvas->formatLines("alpha beta gamma delta\r\nx Incomprehensibilities y", width, true);
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0], "alpha beta");
    EXPECT_TRUE(lines[1].startsWith("gamma"));
    for (const QString& line : lines) {
        if (line.contains(' ')) {
            EXPECT_LE(s.canvas->textExtent(line).width(), width) << line.toStdString();
        }
    }
    EXPECT_TRUE(lines.contains("Incomprehensibilities"));
    // Without word breaks only the line ends count; '&' is plain text.
    EXPECT_EQ(s.canvas->formatLines("a & b\r\nc", 1, false), QStringList({"a & b", "c"}));
}

// Draws one text object on a fresh surface.
QImage drawTextObject(const std::function<void(DesignObject&)>& setUp, QRect frame, int zoom, QSize size = {400, 200})
{
    TestSurface s(size.width(), size.height(), zoom);
    DesignObject object(ObjectKind::Text);
    object.font = testFont(-24);
    object.lines = {"Sample"};
    object.setRect(frame);
    setUp(object);
    drawDesignObject(*s.canvas, object);
    return s.done();
}

TEST(TextShadow, IsOffsetByTheScaledShadowUnderTheText)
{
    struct Case {
        int zoom, sx, sy;
        QPoint offset;
    };
    for (const Case& c : {Case{200, 3, -2, {6, -4}}, Case{100, 4, 5, {4, 5}}, Case{50, -6, 3, {-3, 1}}}) {
        SCOPED_TRACE(c.zoom);
        const QImage image = drawTextObject(
            [&](DesignObject& o) {
                o.foreColor = 0xFF0000;  // blue
                o.backColor = 0x0000FF;  // red shadow
                o.shadowX = int8_t(c.sx);
                o.shadowY = int8_t(c.sy);
            },
            QRect(100, 80, 250, 60), c.zoom);
        const QRect text = pixelBounds(image, isBlueish);
        const QRect shadow = pixelBounds(image, isRedish);
        ASSERT_FALSE(text.isNull());
        ASSERT_FALSE(shadow.isNull());
        // The edges the text does not cover show the shift exactly (one pixel for antialiasing).
        if (c.offset.x() > 0)
            EXPECT_NEAR(shadow.right() - text.right(), c.offset.x(), 1);
        else
            EXPECT_NEAR(shadow.left() - text.left(), c.offset.x(), 1);
        if (c.offset.y() < 0)
            EXPECT_NEAR(shadow.top() - text.top(), c.offset.y(), 1);
        else
            EXPECT_NEAR(shadow.bottom() - text.bottom(), c.offset.y(), 1);
    }
}

TEST(TextShadow, BarCodesShadowTheirDigitsButNeverTheirBars)
{
    for (const bool showText : {true, false}) {
        SCOPED_TRACE(showText);
        const QImage image = drawTextObject(
            [&](DesignObject& o) {
                o.textStyle = TextStyleWord::pack(TextStyleKind::BarCode, BarCodeType::UpcA, showText ? 1 : 0, 2);
                o.lines = {"03600029145"};
                o.foreColor = 0xFF0000;  // blue
                o.backColor = 0x0000FF;  // red shadow
                o.shadowX = 4;
                o.shadowY = 4;
            },
            QRect(20, 20, 350, 120), 100);
        const QRect code = pixelBounds(image, isBlueish);
        const QRect shadow = pixelBounds(image, isRedish);
        ASSERT_FALSE(code.isNull());
        if (!showText) {
            EXPECT_TRUE(shadow.isNull());
            continue;
        }
        ASSERT_FALSE(shadow.isNull());
        // The digits sit under the bars: a shadow of the bars would start 4 pixels below their top.
        EXPECT_GT(shadow.top(), code.top() + code.height() / 2);
    }
}

TEST(TextJustification, PlacesLinesLeftCentreAndRightWithoutClipping)
{
    const QRect frame(100, 50, 200, 40);
    const auto bounds = [&](int style, const QString& text) {
        return pixelBounds(drawTextObject(
                               [&](DesignObject& o) {
                                   o.style = style;
                                   o.lines = {text};
                               },
                               frame, 100),
                           isDark);
    };
    EXPECT_NEAR(bounds(0, "MMM").left(), 100, 3);
    EXPECT_NEAR(bounds(2, "MMM").right(), 299, 3);
    const QRect centred = bounds(1, "MMM");
    EXPECT_NEAR((centred.left() + centred.right()) / 2.0, 200, 3);
    EXPECT_NEAR(bounds(7, "MMM").left(), 100, 3);  // unknown: left
    // No wrap and no clipping: a long line runs past the frame.
    EXPECT_GT(bounds(0, "A line that is much wider than its frame").right(), 320);
}

// The zoom is the painter's: every text style selects its stored font
// whatever it is shown at, so the screen draws what prints.
TEST(TextZoom, TheStoredFontIsSelectedAtEveryZoom)
{
    struct Case {
        int textStyle, zoom, expectedHeight;
    };
    for (const Case& c : {Case{1, 50, -40}, Case{0, 200, -40}, Case{3, 50, -40}, Case{0x02010102, 50, -40},
                          Case{1, 100, -40}}) {
        SCOPED_TRACE(c.textStyle);
        TestSurface s(400, 300, c.zoom);
        DesignObject object(ObjectKind::Text);
        object.setRect(QRect(0, 0, 300, 200));
        object.font = testFont(-40);
        object.lines = {"12345"};
        object.textStyle = c.textStyle;
        object.rotation = 450;
        s.canvas->setTextColor(Qt::green);
        drawDesignObject(*s.canvas, object);
        // The object's font stays selected; the colour and escapement come back.
        EXPECT_EQ(s.canvas->font().height, c.expectedHeight);
        EXPECT_EQ(s.canvas->font().escapement, 0);
        EXPECT_EQ(s.canvas->textColor(), QColor(Qt::green));
        EXPECT_EQ(s.canvas->backgroundMode(), BackgroundMode::Transparent);
    }
}

TEST(StyledText, EmptyBarCodeAndUnknownStyleDrawNothing)
{
    for (int style : {0x02010102, 7}) {
        TestSurface s;
        s.canvas->setFont(testFont());
        const StyledTextOptions options{
            .textStyle = style, .textColor = Qt::black, .shadowX = 2, .shadowY = 2, .shadowColor = Qt::red};
        const bool drawn = drawStyledText(*s.canvas, QRect(10, 10, 200, 80), style == 7 ? "text" : "", options);
        EXPECT_FALSE(drawn);
        EXPECT_TRUE(pixelBounds(s.done(), [](QRgb c) { return !isWhite(c); }).isNull());
    }
}

} // namespace
