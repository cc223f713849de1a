#include <gtest/gtest.h>

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "DesignFixtures.h"
#include "ui/designwindow/CardView.h"
#include "ui/designwindow/DesignView.h"
#include "ui/designwindow/Ruler.h"

namespace {

struct ViewFixture : SurfaceFixture {
    explicit ViewFixture(Options options = quietOptions()) : SurfaceFixture(options)
    {
        view.resize(600, 400);
        view.show();
    }
    CardView* card() const { return view.cardView(); }
    QImage cardPixels() const { return card()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    DesignView view{surface};
};

Options withGrid(int gridSize)
{
    Options options;
    options.showGrid = true;
    options.gridSize = gridSize;
    return options;
}

bool isBlack(const QImage& image, int x, int y) { return image.pixel(x, y) == qRgb(0, 0, 0); }

} // namespace

TEST(DesignView, NamedPartsAndCardPlacement)
{
    ViewFixture f;
    for (const char* name : {"CardPanel", "HorzRuler", "VertRuler", "UnitPanel", "ScrollBox"})
        EXPECT_NE(f.view.findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(f.card()->pos(), QPoint(DesignView::kCardInset, DesignView::kCardInset));
    EXPECT_EQ(f.card()->size(), QSize(400, 300));
    EXPECT_EQ(f.view.unitPanel()->text(), QStringLiteral("I"));
    Options metric;
    metric.metricUnits = true;
    f.surface.applyOptions(metric);
    EXPECT_EQ(f.view.unitPanel()->text(), QStringLiteral("CM"));
    EXPECT_TRUE(f.view.horizontalRuler()->metric());
    EXPECT_TRUE(f.view.verticalRuler()->metric());
}

TEST(DesignView, ZoomResizesTheCardAndRulers)
{
    ViewFixture f;
    f.surface.setZoom(200, false);
    EXPECT_EQ(f.card()->size(), QSize(800, 600));
    EXPECT_EQ(f.view.horizontalRuler()->scale(), 200);
    EXPECT_EQ(f.view.verticalRuler()->scale(), 200);
}

TEST(DesignView, ScrollingMovesTheRulersAndResizingResetsIt)
{
    ViewFixture f;
    f.surface.setZoom(300, false);
    QScrollBar* bar = f.view.scrollBox()->horizontalScrollBar();
    ASSERT_GT(bar->maximum(), 40);
    bar->setValue(40);
    EXPECT_EQ(f.view.horizontalRuler()->offset(), DesignView::kCardInset - 40);
    f.view.scrollBox()->verticalScrollBar()->setValue(25);
    EXPECT_EQ(f.view.verticalRuler()->offset(), DesignView::kCardInset - 25);
    f.view.resize(500, 350);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(f.view.horizontalRuler()->offset(), DesignView::kCardInset);
    EXPECT_EQ(f.view.verticalRuler()->offset(), DesignView::kCardInset);
}

TEST(DesignView, MouseAndKeysReachTheSurface)
{
    ViewFixture f;
    DesignObject* box = f.box(QRect(50, 50, 100, 40));
    QTest::mouseMove(f.card(), QPoint(125, 140));
    EXPECT_EQ(f.surface.positionText(), QStringLiteral("125 , 140"));

    QTest::mousePress(f.card(), Qt::LeftButton, Qt::NoModifier, QPoint(60, 60));
    EXPECT_EQ(f.editor.selection(), std::vector<DesignObject*>{box});
    QTest::mouseMove(f.card(), QPoint(67, 60));
    QTest::mouseRelease(f.card(), Qt::LeftButton, Qt::NoModifier, QPoint(67, 60));
    EXPECT_EQ(box->left, 57);
    EXPECT_EQ(f.undoCount(), 1);

    QTest::keyClick(f.card(), Qt::Key_Down);
    EXPECT_EQ(box->top, 51);

    f.surface.setActiveTool(Tool::Text);
    QTest::mouseClick(f.card(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
    EXPECT_EQ(f.editor.card().objectCount(), 2);
    EXPECT_EQ(f.editor.card().object(1)->rect(), QRect(200, 200, 120, 30));

    QSignalSpy doubleClicks(&f.surface, &DesignSurface::cardDoubleClicked);
    QTest::mouseDClick(f.card(), Qt::LeftButton, Qt::NoModifier, QPoint(380, 10));
    EXPECT_EQ(doubleClicks.count(), 1);
}

TEST(DesignView, GridDotsOnlyFromAStepOfTwo)
{
    const struct {
        int zoom;
        bool dots;
    } cases[] = {{25, false}, {50, true}, {100, true}};
    for (const auto& c : cases) {
        ViewFixture f(withGrid(4));
        f.surface.setZoom(c.zoom, false);
        const QImage pixels = f.cardPixels();
        // (41, 41) lies on the grid of every step here, inside the margins.
        EXPECT_EQ(isBlack(pixels, 41, 41), c.dots) << c.zoom;
        EXPECT_FALSE(isBlack(pixels, 42, 41)) << c.zoom;
    }
}

TEST(DesignView, MarginRectangleAtZoom200)
{
    ViewFixture f;
    f.surface.setZoom(200, false);
    const QImage pixels = f.cardPixels();
    int onEdge = 0, inside = 0;
    for (int y = 100; y < 200; ++y) {
        onEdge += isBlack(pixels, 15, y);
        inside += isBlack(pixels, 16, y) + isBlack(pixels, 14, y);
    }
    EXPECT_GT(onEdge, 20);
    EXPECT_EQ(inside, 0);
}

TEST(DesignView, HandlesAreDrawnOverTheSelection)
{
    ViewFixture f;
    DesignObject* a = f.box(QRect(50, 50, 100, 40));
    f.surface.selectOnly(a);
    QImage pixels = f.cardPixels();
    EXPECT_TRUE(isBlack(pixels, 100, 50)) << "top middle handle";
    f.box(QRect(200, 150, 40, 40));
    f.surface.selectAll();
    pixels = f.cardPixels();
    EXPECT_EQ(pixels.pixel(48, 48), qRgb(255, 0, 0));
    EXPECT_NE(pixels.pixel(100, 50), qRgb(255, 0, 0)) << "no side handles for several";
}

TEST(Ruler, TicksPerMeasure)
{
    const struct {
        bool metric;
        int zoom, step, firstNumbered, firstNumber;
    } cases[] = {
        {false, 100, 25, 100, 1},
        {false, 200, 50, 200, 1},
        {false, 150, 37, 148, 1},
        {true, 100, 19, 38, 1},
        {true, 300, 59, 118, 1},
    };
    for (const auto& c : cases) {
        Ruler ruler(Qt::Horizontal);
        ruler.setMetric(c.metric);
        ruler.setScale(c.zoom);
        EXPECT_EQ(ruler.tickStep(), c.step) << c.zoom;
        const auto ticks = ruler.ticks(400);
        ASSERT_GT(ticks.size(), 5u);
        EXPECT_EQ(ticks[0].position, 0);
        EXPECT_EQ(ticks[0].number, 0) << "nothing written at 0";
        const auto numbered = std::find_if(ticks.begin(), ticks.end(), [](const Ruler::Tick& t) { return t.number > 0; });
        ASSERT_NE(numbered, ticks.end());
        EXPECT_EQ(numbered->position, c.firstNumbered);
        EXPECT_EQ(numbered->number, c.firstNumber);
        EXPECT_LT(ticks.back().position, 400);
    }
}

TEST(Ruler, OffsetShiftsTheTicks)
{
    Ruler ruler(Qt::Vertical);
    ruler.setOffset(-40);
    const auto ticks = ruler.ticks(300);
    // Scrolled 40 pixels: the tick at 50 now lies at 10, and the inch mark at 60.
    EXPECT_EQ(ticks.front().position, 10);
    const auto inch = std::find_if(ticks.begin(), ticks.end(), [](const Ruler::Tick& t) { return t.number == 1; });
    ASSERT_NE(inch, ticks.end());
    EXPECT_EQ(inch->position, 60);
}
