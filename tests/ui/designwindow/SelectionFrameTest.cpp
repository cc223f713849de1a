#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "model/DesignEditor.h"
#include "ui/designwindow/SelectionFrame.h"

namespace {

constexpr QSize kCard(400, 300);

// Objects in design units on an editor's card, all selected; zoom 100 unless
// set, where a unit is a pixel.
struct FrameFixture {
    FrameFixture(std::initializer_list<QRect> rects, int zoom = 100)
    {
        editor.zoom = zoom;
        editor.card().setRegionSize(kCard.width(), kCard.height());
        for (const QRect& r : rects) {
            DesignObject* object = editor.manager().createBox(r.x(), r.y());
            object->setRect(r);
            frame.attach(object);
        }
    }
    DesignObject& at(int i) { return *editor.card().object(i); }
    // Ends the drag the way the surface does: the placements through the editor.
    bool endDrag(QPoint unitPos, QSize cardSize = kCard)
    {
        return editor.placeObjects(frame.endDrag(unitPos, cardSize));
    }

    DesignEditor editor;
    SelectionFrame frame{editor};
};

} // namespace

TEST(SelectionFrame, FrameAndHandlesOfOneObject)
{
    FrameFixture f{QRect(50, 50, 100, 40)};
    EXPECT_EQ(f.frame.frameRect(), QRect(48, 48, 105, 45));
    EXPECT_EQ(f.frame.handleColor(), QColor(Qt::black));
    const std::vector<QRect> expected = {QRect(48, 48, 5, 5), QRect(148, 48, 5, 5), QRect(48, 88, 5, 5),
                                         QRect(148, 88, 5, 5), QRect(98, 48, 5, 5), QRect(98, 88, 5, 5),
                                         QRect(48, 68, 5, 5),  QRect(148, 68, 5, 5)};
    EXPECT_EQ(f.frame.handleSquares(), expected);
}

TEST(SelectionFrame, SeveralObjectsHaveRedCornerHandlesOnly)
{
    FrameFixture f{QRect(50, 50, 100, 40), QRect(200, 100, 20, 0)};
    EXPECT_EQ(f.frame.frameRect(), QRect(48, 48, 175, 55));
    EXPECT_EQ(f.frame.bounds(), QRect(50, 50, 170, 50));
    EXPECT_EQ(f.frame.handleColor(), QColor(Qt::red));
    EXPECT_EQ(f.frame.handleSquares().size(), 8u);
}

TEST(SelectionFrame, AttachKeepsOrderAndNoDuplicates)
{
    FrameFixture f{QRect(0, 0, 10, 10), QRect(20, 20, 10, 10)};
    f.frame.attach(&f.at(0));
    EXPECT_EQ(f.editor.selection(), (std::vector<DesignObject*>{&f.at(0), &f.at(1)}));
    f.frame.setLocked(true);
    f.frame.release(&f.at(0));
    EXPECT_TRUE(f.frame.locked()) << "still one object selected";
    f.frame.release(&f.at(1));
    EXPECT_TRUE(f.frame.isEmpty());
    EXPECT_FALSE(f.frame.locked()) << "releasing the last object resets the frame";
}

TEST(SelectionFrame, StepIsAtLeastOne)
{
    FrameFixture f{};
    f.frame.setStep(0, -3);
    EXPECT_EQ(f.frame.stepX(), 1);
    EXPECT_EQ(f.frame.stepY(), 1);
    f.frame.setStep(50, 12);
    EXPECT_EQ(f.frame.stepX(), 50);
    EXPECT_EQ(f.frame.stepY(), 12);
}

TEST(SelectionFrame, PixelPartsFollowTheZoomAndTheArithmeticStaysInUnits)
{
    // (50, 50, 100, 40) units are (100, 100, 200, 80) pixels at zoom 200, (12, 12, 25, 10) at 25.
    FrameFixture f{QRect(50, 50, 100, 40)};
    const struct {
        int zoom;
        QRect frame;
        QPoint bottomRightHandle;
    } cases[] = {{200, QRect(98, 98, 205, 85), QPoint(298, 178)}, {25, QRect(10, 10, 30, 15), QPoint(35, 20)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zoom);
        f.editor.zoom = c.zoom;
        EXPECT_EQ(f.frame.frameRect(), c.frame);
        EXPECT_EQ(f.frame.handleSquares().at(3), QRect(c.bottomRightHandle, QSize(5, 5)));
        EXPECT_EQ(f.frame.modeAt(c.frame.topLeft() + QPoint(c.frame.width(), c.frame.height())), DragMode::BottomRight);
        EXPECT_EQ(f.frame.modeAt(c.frame.topLeft() + QPoint(c.frame.width() / 2, c.frame.height() / 2)), DragMode::Move);
        EXPECT_TRUE(f.frame.isOverSelection(c.frame.topLeft() + QPoint(1, 1)));
        EXPECT_FALSE(f.frame.isOverSelection(c.frame.topLeft() - QPoint(1, 1)));
        EXPECT_EQ(f.frame.bounds(), QRect(50, 50, 100, 40));
        f.frame.beginDrag(QPoint(60, 60), DragMode::Move);
        EXPECT_EQ(f.frame.draggedRect(QPoint(80, 65), kCard), QRect(70, 55, 100, 40));
        f.frame.cancelDrag();
    }
}

TEST(SelectionFrame, HitZonesOfOneObject)
{
    // Frame (48, 48, 105, 45): W = 105, H = 45.
    const struct {
        QPoint framePos;
        DragMode mode;
    } cases[] = {
        {{0, 0}, DragMode::TopLeft},      {{105, 45}, DragMode::BottomRight}, {{105, 0}, DragMode::TopRight},
        {{0, 45}, DragMode::BottomLeft},  {{52, 0}, DragMode::Top},          {{52, 45}, DragMode::Bottom},
        {{0, 22}, DragMode::Left},        {{105, 22}, DragMode::Right},      {{30, 20}, DragMode::Move},
        {{5, -5}, DragMode::TopLeft},     {{6, 0}, DragMode::Move},          {{56, 3}, DragMode::Move},
        {{55, 3}, DragMode::Top},
    };
    FrameFixture f{QRect(50, 50, 100, 40)};
    for (const auto& c : cases)
        EXPECT_EQ(f.frame.modeAt(QPoint(48, 48) + c.framePos), c.mode) << c.framePos.x() << "," << c.framePos.y();
}

TEST(SelectionFrame, LaterZonesWinOnSmallObjects)
{
    FrameFixture f{QRect(50, 50, 0, 0)};  // frame 5 × 5: every zone overlaps
    EXPECT_EQ(f.frame.modeAt(QPoint(50, 50)), DragMode::Right);
}

TEST(SelectionFrame, SeveralObjectsOnlyMove)
{
    FrameFixture f{QRect(50, 50, 100, 40), QRect(200, 100, 20, 20)};
    EXPECT_EQ(f.frame.modeAt(QPoint(48, 48)), DragMode::Move);
    f.frame.beginDrag(QPoint(48, 48), DragMode::TopLeft);
    EXPECT_EQ(f.frame.dragMode(), DragMode::Move);
}

TEST(SelectionFrame, DragArithmeticPerMode)
{
    // Object (50, 50, 100, 40), pointer travel (+10, +5), step 1.
    const struct {
        DragMode mode;
        QRect result;
    } cases[] = {
        {DragMode::Move, QRect(60, 55, 100, 40)},        {DragMode::TopLeft, QRect(60, 55, 90, 35)},
        {DragMode::TopRight, QRect(50, 55, 110, 35)},    {DragMode::BottomLeft, QRect(60, 50, 90, 45)},
        {DragMode::BottomRight, QRect(50, 50, 110, 45)}, {DragMode::Top, QRect(50, 55, 100, 35)},
        {DragMode::Left, QRect(60, 50, 90, 40)},         {DragMode::Bottom, QRect(50, 50, 100, 45)},
        {DragMode::Right, QRect(50, 50, 110, 40)},
    };
    for (const auto& c : cases) {
        FrameFixture f{QRect(50, 50, 100, 40)};
        f.frame.beginDrag(QPoint(200, 150), c.mode);
        EXPECT_EQ(f.frame.draggedRect(QPoint(210, 155), kCard), c.result) << int(c.mode);
        EXPECT_TRUE(f.endDrag(QPoint(210, 155)));
        EXPECT_EQ(f.at(0).rect(), c.result) << int(c.mode);
    }
}

TEST(SelectionFrame, SnapTruncatesTowardZero)
{
    const struct {
        int left, travel, step, expected;
    } cases[] = {
        {10, 7, 4, 16}, {10, 7, 2, 16}, {10, 7, 1, 17}, {2, -7, 4, -4}, {10, 300, 50, 300},
    };
    for (const auto& c : cases) {
        FrameFixture f{QRect(c.left, 50, 20, 20)};
        f.frame.setStep(c.step, c.step);
        f.frame.beginDrag(QPoint(10, 100), DragMode::Move);
        EXPECT_EQ(f.frame.draggedRect(QPoint(10 + c.travel, 100), QSize(1000, 1000)).x(), c.expected)
            << c.left << " + " << c.travel << " step " << c.step;
    }
}

TEST(SelectionFrame, PointerIsKeptOnTheCard)
{
    FrameFixture f{QRect(50, 50, 100, 40)};
    f.frame.beginDrag(QPoint(200, 150), DragMode::Move);
    EXPECT_EQ(f.frame.draggedRect(QPoint(5000, -5000), kCard), QRect(250, -100, 100, 40));
}

TEST(SelectionFrame, SizesNeverGoNegative)
{
    FrameFixture f{QRect(50, 50, 100, 40)};
    f.frame.beginDrag(QPoint(150, 90), DragMode::BottomRight);
    EXPECT_EQ(f.frame.draggedRect(QPoint(0, 0), kCard), QRect(50, 50, 0, 0));
    f.frame.beginDrag(QPoint(50, 50), DragMode::TopLeft);
    EXPECT_EQ(f.frame.draggedRect(QPoint(390, 290), kCard).size(), QSize(0, 0));
}

TEST(SelectionFrame, MovingSeveralKeepsTheirSizes)
{
    FrameFixture f{QRect(50, 50, 100, 40), QRect(200, 100, 20, 20)};
    f.frame.beginDrag(QPoint(100, 60), DragMode::Move);
    EXPECT_TRUE(f.endDrag(QPoint(90, 80)));
    EXPECT_EQ(f.at(0).rect(), QRect(40, 70, 100, 40));
    EXPECT_EQ(f.at(1).rect(), QRect(190, 120, 20, 20));
    EXPECT_EQ(f.editor.undoStack().index(), 1) << "one step for both";
}

TEST(SelectionFrame, ReleaseAtTheStartAppliesNothing)
{
    FrameFixture f{QRect(50, 50, 100, 40)};
    f.frame.beginDrag(QPoint(100, 60), DragMode::Move);
    f.frame.trackDrag(QPoint(130, 60), kCard);
    EXPECT_TRUE(f.frame.dragOutline().has_value());
    EXPECT_FALSE(f.endDrag(QPoint(100, 60)));
    EXPECT_FALSE(f.frame.dragging());
    EXPECT_FALSE(f.frame.dragOutline().has_value());
    EXPECT_EQ(f.at(0).rect(), QRect(50, 50, 100, 40));
}

TEST(SelectionFrame, LockedSelectionPlacesNothing)
{
    FrameFixture f{QRect(50, 50, 100, 40)};
    f.frame.setLocked(true);
    EXPECT_TRUE(f.frame.placementsFor(QRect(0, 0, 10, 10)).empty());
    f.frame.beginDrag(QPoint(60, 60), DragMode::Move);
    EXPECT_FALSE(f.endDrag(QPoint(90, 90)));
    EXPECT_EQ(f.at(0).rect(), QRect(50, 50, 100, 40));
    f.frame.setLocked(false);
    const auto placements = f.frame.placementsFor(QRect(0, 0, 10, 10));
    ASSERT_EQ(placements.size(), 1u);
    EXPECT_EQ(placements[0].second, QRect(0, 0, 10, 10));
}
