#include <gtest/gtest.h>

#include <QImage>
#include <QSignalSpy>

#include "DesignFixtures.h"
#include "model/UndoHistory.h"

namespace {

Options snapping(int gridSize)
{
    Options options;
    options.snapToGrid = true;
    options.gridSize = gridSize;
    return options;
}

Picture pictureOfSize(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    Picture picture;
    picture.setBitmap(image);
    return picture;
}

} // namespace

// --- creating objects ---

TEST(DesignSurfaceTools, EachCreationToolMakesItsObject)
{
    const struct {
        Tool tool;
        char kind;
        QSize size;
        int32_t textStyle;  // -1: not a text object
        const char* name;
    } cases[] = {
        {Tool::Text, ObjectKind::Text, {120, 30}, 1, "Text0"},
        {Tool::BarCode, ObjectKind::Text, {120, 30}, 2, "Text0"},
        {Tool::ArcText, ObjectKind::Text, {120, 90}, 0x00F40103, "Text0"},
        {Tool::Line, ObjectKind::Line, {120, 30}, -1, "Shape0"},
        {Tool::Box, ObjectKind::Box, {120, 30}, -1, "Shape0"},
        {Tool::RoundBox, ObjectKind::RoundBox, {120, 30}, -1, "Shape0"},
        {Tool::Ellipse, ObjectKind::Ellipse, {120, 30}, -1, "Shape0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name + std::to_string(int(c.tool)));
        SurfaceFixture f;
        QSignalSpy tools(&f.surface, &DesignSurface::toolChanged);
        f.surface.setActiveTool(c.tool);
        f.surface.mousePress(QPoint(30, 40), Qt::LeftButton, Qt::NoModifier);
        ASSERT_EQ(f.editor.panel.controlCount(), 1);
        const ObjectControl* control = f.editor.panel.control(0);
        EXPECT_EQ(control->rect(), QRect(QPoint(30, 40), c.size));
        EXPECT_EQ(control->name, QString::fromLatin1(c.name));
        EXPECT_EQ(control->data()->kind, c.kind);
        if (c.textStyle >= 0) {
            EXPECT_EQ(control->data()->textStyle, c.textStyle);
            EXPECT_EQ(control->data()->lines, QStringList{QStringLiteral("Text")});
        }
        EXPECT_EQ(f.editor.selection, std::vector<ObjectControl*>{const_cast<ObjectControl*>(control)});
        EXPECT_TRUE(f.editor.modified);
        ASSERT_EQ(f.undoCount(), 1);
        const ChangeRecord* added = f.editor.manager.undoHistory().popUndo();
        EXPECT_EQ(added->type, ObjectAdded);
        EXPECT_EQ(added->control, control);
        EXPECT_FALSE(added->recordAfter.isEmpty());
        EXPECT_EQ(f.surface.activeTool(), Tool::Select) << "SelectReturn is on by default";
        EXPECT_EQ(tools.count(), 2);
    }
}

TEST(DesignSurfaceTools, NewObjectsTakeTheManagersDefaults)
{
    SurfaceFixture f;
    f.editor.manager.defaults.foreColor = 0x0000FF;
    f.editor.manager.defaults.textStyle = 2;  // carried over from a bar code
    f.surface.setActiveTool(Tool::Text);
    f.surface.mousePress(QPoint(0, 0), Qt::LeftButton, Qt::NoModifier);
    const ObjectData* data = f.editor.panel.control(0)->data();
    EXPECT_EQ(data->foreColor, 0x0000FF);
    EXPECT_EQ(data->textStyle, 1) << "the Text tool's own style wins";
}

TEST(DesignSurfaceTools, NewObjectsAtZoom200MeasureHalfInUnits)
{
    SurfaceFixture f;
    f.surface.setZoom(200, false);
    f.surface.setActiveTool(Tool::Text);
    f.surface.mousePress(QPoint(40, 20), Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(controlRectInUnits(*f.editor.panel.control(0), 200), (ChangeRect{20, 10, 80, 25}));
}

TEST(DesignSurfaceTools, GraphicScalesItsPictureToALongerSideOf100)
{
    const struct {
        QSize picture, control;
    } cases[] = {{{400, 200}, {100, 50}}, {{200, 400}, {50, 100}}, {{50, 25}, {100, 50}}};
    for (const auto& c : cases) {
        SurfaceFixture f;
        f.surface.pictureSource = [&] { return std::optional<Picture>(pictureOfSize(c.picture.width(), c.picture.height())); };
        f.surface.setActiveTool(Tool::Graphic);
        f.surface.mousePress(QPoint(5, 6), Qt::LeftButton, Qt::NoModifier);
        ASSERT_EQ(f.editor.panel.controlCount(), 1);
        const ObjectControl* control = f.editor.panel.control(0);
        EXPECT_TRUE(control->isPicture());
        EXPECT_EQ(control->data()->kind, ObjectKind::Graphic);
        EXPECT_EQ(control->rect(), QRect(QPoint(5, 6), c.control));
        EXPECT_FALSE(control->handlers.paint);
        EXPECT_EQ(f.undoCount(), 1);
    }
}

TEST(DesignSurfaceTools, CancelledPictureCreatesNothing)
{
    for (const bool haveSource : {false, true}) {
        SurfaceFixture f;
        if (haveSource)
            f.surface.pictureSource = [] { return std::optional<Picture>(); };
        f.surface.setActiveTool(Tool::Graphic);
        f.surface.mousePress(QPoint(5, 6), Qt::LeftButton, Qt::NoModifier);
        EXPECT_EQ(f.editor.panel.controlCount(), 0);
        EXPECT_EQ(f.undoCount(), 0);
        EXPECT_FALSE(f.editor.modified);
        EXPECT_EQ(f.surface.activeTool(), Tool::Graphic);
    }
}

TEST(DesignSurfaceTools, WithoutSelectReturnSeveralObjectsInARow)
{
    Options options;
    options.selectReturn = false;
    SurfaceFixture f(options);
    f.surface.setActiveTool(Tool::Box);
    for (int i = 0; i < 3; ++i)
        f.surface.mousePress(QPoint(10 + 40 * i, 10 + 40 * i), Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(f.surface.activeTool(), Tool::Box);
    ASSERT_EQ(f.editor.panel.controlCount(), 3);
    EXPECT_EQ(f.editor.panel.control(2)->name, QStringLiteral("Shape2"));
    EXPECT_EQ(f.editor.selection, std::vector<ObjectControl*>{f.editor.panel.control(2)});
    EXPECT_EQ(f.undoCount(), 3);
}

TEST(DesignSurfaceTools, CreationAttachesTheEditorsHandlers)
{
    SurfaceFixture f;
    int pressed = 0;
    f.editor.handlers.mouseDown = [&](ObjectControl&) { ++pressed; };
    f.surface.setActiveTool(Tool::Ellipse);
    f.surface.mousePress(QPoint(1, 1), Qt::LeftButton, Qt::NoModifier);
    ASSERT_TRUE(f.editor.panel.control(0)->handlers.mouseDown);
    f.editor.panel.control(0)->handlers.mouseDown(*f.editor.panel.control(0));
    EXPECT_EQ(pressed, 1);
}

TEST(DesignSurfaceTools, ChoosingAToolClearsTheSelection)
{
    SurfaceFixture f;
    f.box(QRect(10, 10, 50, 50));
    f.surface.selectAll();
    f.surface.setActiveTool(Tool::Text);
    EXPECT_EQ(f.surface.selectedCount(), 0);
    f.surface.mousePress(QPoint(300, 200), Qt::RightButton, Qt::NoModifier);
    EXPECT_EQ(f.editor.panel.controlCount(), 1) << "only the left button inserts";
}

// --- selecting ---

TEST(DesignSurfaceSelection, ClickShiftClickAndEmptyCard)
{
    SurfaceFixture f;
    ObjectControl* a = f.box(QRect(10, 10, 50, 50));
    ObjectControl* b = f.box(QRect(100, 10, 50, 50));
    QSignalSpy changed(&f.surface, &DesignSurface::selectionChanged);
    f.click(QPoint(20, 20));
    EXPECT_EQ(f.editor.selection, std::vector<ObjectControl*>{a});
    f.click(QPoint(110, 20), Qt::ShiftModifier);
    EXPECT_EQ(f.editor.selection, (std::vector<ObjectControl*>{a, b}));
    EXPECT_EQ(f.surface.frame().handleColor(), QColor(Qt::red));
    f.click(QPoint(110, 20));
    EXPECT_EQ(f.editor.selection, (std::vector<ObjectControl*>{a, b})) << "a press on the frame keeps the selection";
    f.click(QPoint(300, 200));
    EXPECT_EQ(f.surface.selectedCount(), 0);
    EXPECT_GE(changed.count(), 3);
}

TEST(DesignSurfaceSelection, TopmostObjectIsHit)
{
    SurfaceFixture f;
    f.box(QRect(10, 10, 50, 50));
    ObjectControl* top = f.box(QRect(30, 30, 50, 50));
    f.click(QPoint(40, 40));
    EXPECT_EQ(f.editor.selection, std::vector<ObjectControl*>{top});
}

TEST(DesignSurfaceSelection, LockedRules)
{
    SurfaceFixture f;
    ObjectControl* locked = f.box(QRect(10, 10, 50, 50), true);
    f.box(QRect(100, 10, 50, 50));
    f.click(QPoint(20, 20));
    EXPECT_TRUE(f.surface.selectionLocked());
    f.click(QPoint(110, 20), Qt::ShiftModifier);
    EXPECT_TRUE(f.surface.selectionLocked()) << "shift-adding keeps a locked selection locked";
    f.click(QPoint(110, 20));  // on the frame: selection unchanged
    f.click(QPoint(300, 200));
    f.click(QPoint(110, 20));
    EXPECT_FALSE(f.surface.selectionLocked()) << "a plain click on an unlocked object unlocks";
    f.surface.selectOnly(locked);
    EXPECT_TRUE(f.surface.selectionLocked());
    f.surface.selectAll();
    EXPECT_EQ(f.surface.selectedCount(), 2);
    EXPECT_TRUE(f.surface.selectionLocked());
    f.surface.selectNone();
    EXPECT_FALSE(f.surface.selectionLocked());
}

TEST(DesignSurfaceSelection, LockedObjectDoesNotMove)
{
    SurfaceFixture f;
    ObjectControl* locked = f.box(QRect(10, 10, 50, 50), true);
    f.drag(QPoint(20, 20), QPoint(80, 90));
    EXPECT_EQ(locked->rect(), QRect(10, 10, 50, 50));
    EXPECT_FALSE(f.surface.keyPress(Qt::Key_A, Qt::NoModifier));
    EXPECT_TRUE(f.surface.keyPress(Qt::Key_Right, Qt::NoModifier));
    EXPECT_EQ(locked->rect(), QRect(10, 10, 50, 50));
    EXPECT_EQ(f.surface.cursorAt(QPoint(20, 20)), Qt::ForbiddenCursor);
    EXPECT_EQ(f.undoCount(), 0);
}

TEST(DesignSurfaceSelection, SelectAllInStackingOrderAndSelectOnly)
{
    SurfaceFixture f;
    ObjectControl* a = f.box(QRect(10, 10, 50, 50));
    ObjectControl* b = f.box(QRect(100, 10, 50, 50));
    f.click(QPoint(110, 20));
    f.surface.selectAll();
    EXPECT_EQ(f.editor.selection, (std::vector<ObjectControl*>{a, b}));
    f.surface.selectOnly(a);
    EXPECT_EQ(f.editor.selection, std::vector<ObjectControl*>{a});
    f.surface.selectOnly(nullptr);
    EXPECT_EQ(f.surface.selectedCount(), 0);
}

TEST(DesignSurfaceSelection, RightClickSelectsThenAsksForTheMenu)
{
    SurfaceFixture f;
    ObjectControl* a = f.box(QRect(10, 10, 50, 50));
    QSignalSpy menu(&f.surface, &DesignSurface::contextMenuRequested);
    f.surface.mousePress(QPoint(20, 20), Qt::RightButton, Qt::NoModifier);
    EXPECT_EQ(f.editor.selection, std::vector<ObjectControl*>{a});
    ASSERT_EQ(menu.count(), 1);
    EXPECT_EQ(menu.at(0).at(0).toPoint(), QPoint(20, 20));
    EXPECT_FALSE(f.surface.frame().dragging());
}

TEST(DesignSurfaceSelection, DoubleClickOnEmptyCardOnly)
{
    SurfaceFixture f;
    f.box(QRect(10, 10, 50, 50));
    QSignalSpy doubleClicks(&f.surface, &DesignSurface::cardDoubleClicked);
    f.surface.mouseDoubleClick(QPoint(20, 20));
    EXPECT_EQ(doubleClicks.count(), 0);
    f.surface.mouseRelease(QPoint(20, 20), Qt::LeftButton);
    f.surface.mouseDoubleClick(QPoint(300, 200));
    EXPECT_EQ(doubleClicks.count(), 1);
}

TEST(DesignSurfaceSelection, OutsideChangesDropDestroyedObjects)
{
    SurfaceFixture f;
    ObjectControl* a = f.box(QRect(10, 10, 50, 50));
    ObjectControl* b = f.box(QRect(100, 10, 50, 50), true);
    f.surface.selectAll();
    f.editor.manager.destroyObject(b);
    const quint64 revision = f.surface.cardRevision();
    f.surface.contentChangedOutside();
    EXPECT_EQ(f.editor.selection, std::vector<ObjectControl*>{a});
    EXPECT_FALSE(f.surface.selectionLocked());
    EXPECT_GT(f.surface.cardRevision(), revision);
}

// --- dragging ---

TEST(DesignSurfaceDrag, MoveSnapsToTheStep)
{
    const struct {
        Options options;
        int zoom;
        int expectedLeft;
    } cases[] = {
        {snapping(4), 100, 16},
        {Options{}, 200, 16},
        {Options{}, 100, 17},
        {snapping(32), 800, 256},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zoom);
        SurfaceFixture f(c.options);
        f.surface.setZoom(c.zoom, false);
        ObjectControl* box = f.box(QRect(10, 10, 50, 50));
        const int travel = c.zoom == 800 ? 250 : 7;
        f.drag(QPoint(30, 30), QPoint(30 + travel, 30));
        EXPECT_EQ(box->left, c.expectedLeft);
        EXPECT_EQ(box->top, 10 / f.surface.frame().stepY() * f.surface.frame().stepY());
    }
}

TEST(DesignSurfaceDrag, MovePushesOneRecordPerObjectInDesignUnits)
{
    SurfaceFixture f;
    f.surface.setZoom(200, false);
    ObjectControl* a = f.box(QRect(20, 20, 40, 40));
    ObjectControl* b = f.box(QRect(100, 20, 40, 40));
    f.surface.selectAll();
    f.drag(QPoint(30, 30), QPoint(50, 40));
    EXPECT_EQ(a->rect(), QRect(40, 30, 40, 40));
    EXPECT_EQ(b->rect(), QRect(120, 30, 40, 40));
    ASSERT_EQ(f.undoCount(), 2);
    const ChangeRecord* last = f.editor.manager.undoHistory().popUndo();
    EXPECT_EQ(last->type, ObjectMoved);
    EXPECT_EQ(last->control, b);
    EXPECT_EQ(last->rectBefore, (ChangeRect{50, 10, 70, 30}));
    EXPECT_EQ(last->rectAfter, (ChangeRect{60, 15, 80, 35}));
}

TEST(DesignSurfaceDrag, HandleResizeAndUndo)
{
    SurfaceFixture f;
    ObjectControl* box = f.box(QRect(50, 50, 100, 40));
    f.click(QPoint(60, 60));
    // Bottom-right handle of the frame (48, 48, 105, 45).
    EXPECT_EQ(f.surface.cursorAt(QPoint(151, 91)), Qt::SizeFDiagCursor);
    f.drag(QPoint(151, 91), QPoint(171, 101));
    EXPECT_EQ(box->rect(), QRect(50, 50, 120, 50));
    EXPECT_TRUE(f.editor.undo());
    EXPECT_EQ(box->rect(), QRect(50, 50, 100, 40));
}

TEST(DesignSurfaceDrag, BottomRightFarUpLeftGivesZeroSize)
{
    SurfaceFixture f;
    ObjectControl* box = f.box(QRect(50, 50, 100, 40));
    f.click(QPoint(60, 60));
    f.drag(QPoint(151, 91), QPoint(-500, -500));
    EXPECT_EQ(box->rect(), QRect(50, 50, 0, 0));
}

TEST(DesignSurfaceDrag, ClickWithoutMovingSetsModifiedWithoutRecord)
{
    SurfaceFixture f;
    f.box(QRect(50, 50, 100, 40));
    QSignalSpy modified(&f.surface, &DesignSurface::modifiedChanged);
    f.click(QPoint(60, 60));
    EXPECT_TRUE(f.editor.modified);
    EXPECT_EQ(modified.count(), 1);
    EXPECT_EQ(f.undoCount(), 0);
}

TEST(DesignSurfaceDrag, OutlineFollowsThePointerUntilRelease)
{
    SurfaceFixture f;
    ObjectControl* box = f.box(QRect(50, 50, 100, 40));
    QSignalSpy repaints(&f.surface, &DesignSurface::repaintNeeded);
    f.surface.mousePress(QPoint(60, 60), Qt::LeftButton, Qt::NoModifier);
    f.surface.mouseMove(QPoint(70, 65), Qt::LeftButton);
    EXPECT_EQ(f.surface.frame().dragOutline(), QRect(60, 55, 100, 40));
    EXPECT_EQ(box->rect(), QRect(50, 50, 100, 40)) << "nothing moves before the release";
    EXPECT_EQ(f.surface.cursorAt(QPoint(70, 65)), Qt::DragMoveCursor);
    EXPECT_FALSE(repaints.isEmpty());
    EXPECT_FALSE(repaints.last().at(0).toRect().isNull()) << "only the outline's area is repainted";
    f.surface.mouseRelease(QPoint(70, 65), Qt::LeftButton);
    EXPECT_FALSE(f.surface.frame().dragOutline().has_value());
    EXPECT_EQ(box->rect(), QRect(60, 55, 100, 40));
}

// --- keys ---

TEST(DesignSurfaceKeys, ArrowsNudgeOnePixelWithoutRecord)
{
    const struct {
        int key;
        QPoint to;
    } cases[] = {{Qt::Key_Left, {49, 50}}, {Qt::Key_Right, {51, 50}}, {Qt::Key_Up, {50, 49}}, {Qt::Key_Down, {50, 51}}};
    for (const auto& c : cases) {
        SurfaceFixture f(snapping(8));
        ObjectControl* box = f.box(QRect(50, 50, 100, 40));
        f.surface.selectOnly(box);
        EXPECT_TRUE(f.surface.keyPress(c.key, Qt::NoModifier));
        EXPECT_EQ(box->rect().topLeft(), c.to) << "not snapped";
        EXPECT_FALSE(f.editor.modified);
        EXPECT_EQ(f.undoCount(), 0);
    }
    SurfaceFixture empty;
    EXPECT_FALSE(empty.surface.keyPress(Qt::Key_Left, Qt::NoModifier)) << "nothing selected";
}

// --- zoom ---

TEST(DesignSurfaceZoom, LimitsAndRefusals)
{
    const struct {
        int from, value;
        bool relative;
        int expected;
    } cases[] = {
        {35, -10, true, 25}, {30, -10, true, 30}, {100, 10, true, 110}, {100, 1000, false, 100},
        {100, 999, false, 999}, {995, 10, true, 995}, {100, 25, false, 25}, {100, 24, false, 100},
    };
    for (const auto& c : cases) {
        SurfaceFixture f;
        f.surface.setZoom(c.from, false);
        f.editor.modified = false;
        QSignalSpy zooms(&f.surface, &DesignSurface::zoomChanged);
        EXPECT_EQ(f.surface.setZoom(c.value, c.relative), c.expected) << c.from << " " << c.value;
        EXPECT_EQ(f.surface.zoom(), c.expected);
        const bool refused = c.expected == c.from;
        EXPECT_EQ(zooms.count(), refused ? 0 : 1);
        EXPECT_EQ(f.editor.modified, !refused);
    }
}

TEST(DesignSurfaceZoom, RescalesControlsThroughHundredAndClearsSelection)
{
    SurfaceFixture f;
    f.surface.setZoom(150, false);
    ObjectControl* box = f.box(QRect(125, 40, 33, 7));
    f.surface.selectAll();
    f.surface.setZoom(200, false);
    // 125 → 83 at 100 → 166 at 200; 33 → 22 → 44; 7 → 4 → 8.
    EXPECT_EQ(box->rect(), QRect(166, 52, 44, 8));
    EXPECT_EQ(f.editor.panel.scale(), 200);
    EXPECT_EQ(f.editor.panel.width(), 800);
    EXPECT_EQ(f.surface.selectedCount(), 0);
}

TEST(DesignSurfaceZoom, SnapStepFollowsZoomAndOptions)
{
    const struct {
        bool snap;
        int grid, zoom, step;
    } cases[] = {
        {true, 4, 100, 4}, {true, 4, 25, 1}, {true, 4, 50, 2}, {false, 4, 100, 1},
        {false, 4, 250, 2}, {false, 4, 50, 1}, {true, 32, 800, 256},
    };
    for (const auto& c : cases) {
        Options options;
        options.snapToGrid = c.snap;
        options.gridSize = c.grid;
        SurfaceFixture f(options);
        f.surface.setZoom(c.zoom, false);
        EXPECT_EQ(f.surface.frame().stepX(), c.step) << c.grid << " at " << c.zoom;
        EXPECT_EQ(f.surface.frame().stepY(), c.step);
    }
}

TEST(DesignSurfaceZoom, OptionsReachTheCard)
{
    SurfaceFixture f;
    QSignalSpy changed(&f.surface, &DesignSurface::optionsChanged);
    Options options;
    options.showGrid = true;
    options.gridSize = 12;
    options.snapToGrid = true;
    f.surface.applyOptions(options);
    EXPECT_TRUE(f.editor.panel.showGrid);
    EXPECT_EQ(f.editor.panel.gridX, 12);
    EXPECT_EQ(f.editor.panel.gridY, 12);
    EXPECT_EQ(f.surface.frame().stepX(), 12);
    EXPECT_EQ(changed.count(), 1);
}

// --- position read-out ---

TEST(DesignSurfacePosition, ReadOutOverCardAndFrame)
{
    SurfaceFixture f;
    f.surface.mouseMove(QPoint(125, 40), Qt::NoButton);
    EXPECT_EQ(f.surface.positionText(), QStringLiteral("125 , 40"));
    f.surface.setZoom(150, false);
    f.surface.mouseMove(QPoint(125, 40), Qt::NoButton);
    EXPECT_EQ(f.surface.positionText(), QStringLiteral("83 , 26"));

    ObjectControl* box = f.box(QRect(200, 100, 50, 50));
    f.surface.mouseMove(QPoint(210, 110), Qt::NoButton);
    EXPECT_EQ(f.surface.positionText(), QStringLiteral("83 , 26")) << "not over an unselected object";
    f.surface.selectOnly(box);
    f.surface.mouseMove(QPoint(210, 110), Qt::NoButton);
    EXPECT_EQ(f.surface.positionText(), QStringLiteral("132 , 65")) << "the frame's left and top (198, 98)";
}
