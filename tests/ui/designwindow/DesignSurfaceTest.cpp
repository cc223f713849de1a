#include <gtest/gtest.h>

#include <QImage>
#include <QSignalSpy>

#include "DesignFixtures.h"

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
        ASSERT_EQ(f.editor.card().objectCount(), 1);
        DesignObject* object = f.editor.card().object(0);
        EXPECT_EQ(object->rect(), QRect(QPoint(30, 40), c.size));
        EXPECT_EQ(object->name, QString::fromLatin1(c.name));
        EXPECT_EQ(object->kind, c.kind);
        if (c.textStyle >= 0) {
            EXPECT_EQ(object->textStyle, c.textStyle);
            EXPECT_EQ(object->lines, QStringList{QStringLiteral("Text")});
        }
        EXPECT_EQ(f.editor.selection(), std::vector<DesignObject*>{object});
        EXPECT_TRUE(f.editor.isModified());
        ASSERT_EQ(f.undoCount(), 1);
        EXPECT_EQ(f.surface.activeTool(), Tool::Select) << "SelectReturn is on by default";
        EXPECT_EQ(tools.count(), 2);
        // Undo takes the new object off the card and out of the selection.
        EXPECT_TRUE(f.editor.undo());
        EXPECT_EQ(f.editor.card().objectCount(), 0);
        EXPECT_EQ(f.surface.selectedCount(), 0);
        EXPECT_FALSE(f.editor.isModified());
    }
}

TEST(DesignSurfaceTools, NewObjectsTakeTheManagersDefaults)
{
    SurfaceFixture f;
    f.editor.manager().defaults.foreColor = 0x0000FF;
    f.editor.manager().defaults.textStyle = 2;  // carried over from a bar code
    f.surface.setActiveTool(Tool::Text);
    f.surface.mousePress(QPoint(0, 0), Qt::LeftButton, Qt::NoModifier);
    const DesignObject* data = f.editor.card().object(0);
    EXPECT_EQ(data->foreColor, 0x0000FF);
    EXPECT_EQ(data->textStyle, 1) << "the Text tool's own style wins";
}

TEST(DesignSurfaceTools, NewObjectsAtZoom200StartWhereThePointerIsInUnits)
{
    SurfaceFixture f;
    f.surface.setZoom(200, false);
    f.surface.setActiveTool(Tool::Text);
    f.surface.mousePress(QPoint(41, 21), Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(f.editor.card().object(0)->rect(), QRect(20, 10, 120, 30)) << "the default size is in units";
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
        ASSERT_EQ(f.editor.card().objectCount(), 1);
        const DesignObject* object = f.editor.card().object(0);
        EXPECT_TRUE(object->isPicture());
        EXPECT_EQ(object->rect(), QRect(QPoint(5, 6), c.control));
        EXPECT_EQ(object->picture.size(), c.picture);
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
        EXPECT_EQ(f.editor.card().objectCount(), 0);
        EXPECT_EQ(f.undoCount(), 0);
        EXPECT_FALSE(f.editor.isModified());
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
    ASSERT_EQ(f.editor.card().objectCount(), 3);
    EXPECT_EQ(f.editor.card().object(2)->name, QStringLiteral("Shape2"));
    EXPECT_EQ(f.editor.selection(), std::vector<DesignObject*>{f.editor.card().object(2)});
    EXPECT_EQ(f.undoCount(), 3);
}

TEST(DesignSurfaceTools, ChoosingAToolClearsTheSelection)
{
    SurfaceFixture f;
    f.box(QRect(10, 10, 50, 50));
    f.surface.selectAll();
    f.surface.setActiveTool(Tool::Text);
    EXPECT_EQ(f.surface.selectedCount(), 0);
    f.surface.mousePress(QPoint(300, 200), Qt::RightButton, Qt::NoModifier);
    EXPECT_EQ(f.editor.card().objectCount(), 1) << "only the left button inserts";
}

// --- selecting ---

TEST(DesignSurfaceSelection, ClickShiftClickAndEmptyCard)
{
    SurfaceFixture f;
    DesignObject* a = f.box(QRect(10, 10, 50, 50));
    DesignObject* b = f.box(QRect(100, 10, 50, 50));
    QSignalSpy changed(&f.surface, &DesignSurface::selectionChanged);
    f.click(QPoint(20, 20));
    EXPECT_EQ(f.editor.selection(), std::vector<DesignObject*>{a});
    f.click(QPoint(110, 20), Qt::ShiftModifier);
    EXPECT_EQ(f.editor.selection(), (std::vector<DesignObject*>{a, b}));
    EXPECT_EQ(f.surface.frame().handleColor(), QColor(Qt::red));
    f.click(QPoint(110, 20));
    EXPECT_EQ(f.editor.selection(), (std::vector<DesignObject*>{a, b})) << "a press on the frame keeps the selection";
    f.click(QPoint(300, 200));
    EXPECT_EQ(f.surface.selectedCount(), 0);
    EXPECT_GE(changed.count(), 3);
}

TEST(DesignSurfaceSelection, TopmostObjectIsHit)
{
    SurfaceFixture f;
    f.box(QRect(10, 10, 50, 50));
    DesignObject* top = f.box(QRect(30, 30, 50, 50));
    f.click(QPoint(40, 40));
    EXPECT_EQ(f.editor.selection(), std::vector<DesignObject*>{top});
}

TEST(DesignSurfaceSelection, LockedRules)
{
    SurfaceFixture f;
    DesignObject* locked = f.box(QRect(10, 10, 50, 50), true);
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
    DesignObject* locked = f.box(QRect(10, 10, 50, 50), true);
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
    DesignObject* a = f.box(QRect(10, 10, 50, 50));
    DesignObject* b = f.box(QRect(100, 10, 50, 50));
    f.click(QPoint(110, 20));
    f.surface.selectAll();
    EXPECT_EQ(f.editor.selection(), (std::vector<DesignObject*>{a, b}));
    f.surface.selectOnly(a);
    EXPECT_EQ(f.editor.selection(), std::vector<DesignObject*>{a});
    f.surface.selectOnly(nullptr);
    EXPECT_EQ(f.surface.selectedCount(), 0);
}

TEST(DesignSurfaceSelection, RightClickSelectsThenAsksForTheMenu)
{
    SurfaceFixture f;
    DesignObject* a = f.box(QRect(10, 10, 50, 50));
    QSignalSpy menu(&f.surface, &DesignSurface::contextMenuRequested);
    f.surface.mousePress(QPoint(20, 20), Qt::RightButton, Qt::NoModifier);
    EXPECT_EQ(f.editor.selection(), std::vector<DesignObject*>{a});
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

TEST(DesignSurfaceSelection, AnEditElsewhereDropsDeletedObjectsAndRepaints)
{
    SurfaceFixture f;
    DesignObject* a = f.box(QRect(10, 10, 50, 50));
    DesignObject* b = f.box(QRect(100, 10, 50, 50), true);
    f.surface.selectAll();
    ASSERT_TRUE(f.surface.selectionLocked());
    QSignalSpy content(&f.surface, &DesignSurface::contentChanged);
    const quint64 revision = f.surface.cardRevision();
    f.editor.deleteObjects({b});
    EXPECT_EQ(f.editor.selection(), std::vector<DesignObject*>{a});
    EXPECT_FALSE(f.surface.selectionLocked()) << "the locked object is gone";
    EXPECT_GT(f.surface.cardRevision(), revision);
    EXPECT_GE(content.count(), 1);
}

// --- dragging ---

TEST(DesignSurfaceDrag, MoveSnapsToTheStepInUnits)
{
    const struct {
        Options options;
        int zoom;
        QPoint from, to;
        int expectedLeft;
    } cases[] = {
        {snapping(4), 100, {30, 30}, {37, 30}, 16},
        {Options{}, 100, {30, 30}, {37, 30}, 17},
        // 14 pixels at zoom 200 are 7 units.
        {Options{}, 200, {60, 60}, {74, 60}, 17},
        {snapping(8), 200, {60, 60}, {74, 60}, 16},
        // At zoom 800 a grid of 32 units snaps to 32 units.
        {snapping(32), 800, {240, 240}, {520, 240}, 32},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zoom);
        SurfaceFixture f(c.options);
        f.surface.setZoom(c.zoom, false);
        DesignObject* box = f.box(QRect(10, 10, 50, 50));
        f.drag(c.from, c.to);
        EXPECT_EQ(box->left, c.expectedLeft);
        EXPECT_EQ(box->top, 10 / f.surface.frame().stepY() * f.surface.frame().stepY());
    }
}

TEST(DesignSurfaceDrag, AtZoom200ThePointersDistanceIsHalfInUnits)
{
    SurfaceFixture f;
    f.surface.setZoom(200, false);
    DesignObject* a = f.box(QRect(20, 20, 40, 40));
    DesignObject* b = f.box(QRect(100, 20, 40, 40));
    f.surface.selectAll();
    // 40 pixels right and 20 down: 20 and 10 units.
    f.drag(QPoint(60, 60), QPoint(100, 80));
    EXPECT_EQ(a->rect(), QRect(40, 30, 40, 40));
    EXPECT_EQ(b->rect(), QRect(120, 30, 40, 40));
    EXPECT_EQ(f.undoCount(), 1) << "one step for the whole drag";
    EXPECT_TRUE(f.editor.isModified());
    EXPECT_TRUE(f.editor.undo());
    EXPECT_EQ(a->rect(), QRect(20, 20, 40, 40));
    EXPECT_EQ(b->rect(), QRect(100, 20, 40, 40));
    EXPECT_FALSE(f.editor.isModified());
}

TEST(DesignSurfaceDrag, HandleResizeAndUndo)
{
    const struct {
        int zoom;
        QPoint handle, to;
    } cases[] = {
        // Bottom-right handle of the frame (48, 48, 105, 45) at zoom 100, (98, 98, 205, 85) at 200.
        {100, {151, 91}, {171, 101}},
        {200, {301, 181}, {341, 201}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zoom);
        SurfaceFixture f;
        f.surface.setZoom(c.zoom, false);
        DesignObject* box = f.box(QRect(50, 50, 100, 40));
        f.surface.selectOnly(box);
        EXPECT_EQ(f.surface.cursorAt(c.handle), Qt::SizeFDiagCursor);
        f.drag(c.handle, c.to);
        EXPECT_EQ(box->rect(), QRect(50, 50, 120, 50));
        EXPECT_TRUE(f.editor.undo());
        EXPECT_EQ(box->rect(), QRect(50, 50, 100, 40));
    }
}

TEST(DesignSurfaceDrag, BottomRightFarUpLeftGivesZeroSize)
{
    SurfaceFixture f;
    DesignObject* box = f.box(QRect(50, 50, 100, 40));
    f.click(QPoint(60, 60));
    f.drag(QPoint(151, 91), QPoint(-500, -500));
    EXPECT_EQ(box->rect(), QRect(50, 50, 0, 0));
}

TEST(DesignSurfaceDrag, AClickWithoutMovingChangesNothing)
{
    SurfaceFixture f;
    f.box(QRect(50, 50, 100, 40));
    QSignalSpy modified(&f.editor, &DesignEditor::modifiedChanged);
    f.click(QPoint(60, 60));
    f.click(QPoint(60, 60));
    EXPECT_FALSE(f.editor.isModified());
    EXPECT_EQ(modified.count(), 0);
    EXPECT_EQ(f.undoCount(), 0);
}

TEST(DesignSurfaceDrag, OutlineFollowsThePointerUntilRelease)
{
    SurfaceFixture f;
    f.surface.setZoom(200, false);
    DesignObject* box = f.box(QRect(50, 50, 100, 40));
    QSignalSpy repaints(&f.surface, &DesignSurface::repaintNeeded);
    f.surface.mousePress(QPoint(120, 120), Qt::LeftButton, Qt::NoModifier);
    f.surface.mouseMove(QPoint(140, 130), Qt::LeftButton);
    EXPECT_EQ(f.surface.frame().dragOutline(), QRect(60, 55, 100, 40)) << "in design units";
    EXPECT_EQ(box->rect(), QRect(50, 50, 100, 40)) << "nothing moves before the release";
    EXPECT_EQ(f.surface.cursorAt(QPoint(140, 130)), Qt::DragMoveCursor);
    ASSERT_FALSE(repaints.isEmpty());
    const QRect repainted = repaints.last().at(0).toRect();
    EXPECT_FALSE(repainted.isNull()) << "only the outline's area is repainted";
    EXPECT_TRUE(repainted.contains(QRect(120, 110, 200, 80))) << "the outline's pixels at the zoom";
    f.surface.mouseRelease(QPoint(140, 130), Qt::LeftButton);
    EXPECT_FALSE(f.surface.frame().dragOutline().has_value());
    EXPECT_EQ(box->rect(), QRect(60, 55, 100, 40));
}

// --- keys ---

TEST(DesignSurfaceKeys, EachArrowPressIsOneUndoableUnitUnsnapped)
{
    const struct {
        int key;
        QPoint to;
    } cases[] = {{Qt::Key_Left, {49, 50}}, {Qt::Key_Right, {51, 50}}, {Qt::Key_Up, {50, 49}}, {Qt::Key_Down, {50, 51}}};
    for (const auto& c : cases) {
        for (const int zoom : {100, 300}) {
            SurfaceFixture f(snapping(8));
            f.surface.setZoom(zoom, false);
            DesignObject* box = f.box(QRect(50, 50, 100, 40));
            f.surface.selectOnly(box);
            QSignalSpy modified(&f.editor, &DesignEditor::modifiedChanged);
            EXPECT_TRUE(f.surface.keyPress(c.key, Qt::NoModifier));
            EXPECT_EQ(box->rect().topLeft(), c.to) << "one unit at zoom " << zoom << ", not snapped";
            EXPECT_TRUE(f.editor.isModified());
            EXPECT_EQ(modified.count(), 1);
            EXPECT_EQ(f.undoCount(), 1);
        }
    }
    SurfaceFixture empty;
    EXPECT_FALSE(empty.surface.keyPress(Qt::Key_Left, Qt::NoModifier)) << "nothing selected";
}

TEST(DesignSurfaceKeys, OneUndoTakesBackANudgeOfFiveObjects)
{
    SurfaceFixture f;
    std::vector<DesignObject*> boxes;
    for (int i = 0; i < 5; ++i)
        boxes.push_back(f.box(QRect(10 + 60 * i, 20, 50, 30)));
    f.surface.selectAll();
    f.surface.keyPress(Qt::Key_Down, Qt::NoModifier);
    f.surface.keyPress(Qt::Key_Right, Qt::NoModifier);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(boxes[size_t(i)]->rect(), QRect(11 + 60 * i, 21, 50, 30));
    EXPECT_EQ(f.undoCount(), 2) << "one step per press";
    EXPECT_TRUE(f.editor.undo());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(boxes[size_t(i)]->rect(), QRect(10 + 60 * i, 21, 50, 30));
    EXPECT_TRUE(f.editor.undo());
    EXPECT_FALSE(f.editor.isModified());
    EXPECT_EQ(f.surface.selectedCount(), 5) << "the selection survives the undo";
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
        QSignalSpy zooms(&f.surface, &DesignSurface::zoomChanged);
        EXPECT_EQ(f.surface.setZoom(c.value, c.relative), c.expected) << c.from << " " << c.value;
        EXPECT_EQ(f.surface.zoom(), c.expected);
        EXPECT_EQ(zooms.count(), c.expected == c.from ? 0 : 1);
        EXPECT_FALSE(f.editor.isModified());
    }
}

TEST(DesignSurfaceZoom, AnyZoomSequenceLeavesTheDesignAsItWas)
{
    SurfaceFixture f;
    // Sizes and positions that no zoom divides evenly.
    const std::vector<QRect> rects = {QRect(125, 40, 33, 7), QRect(1, 3, 0, 0), QRect(299, 187, 101, 113)};
    for (const QRect& r : rects)
        f.box(r);
    f.surface.selectAll();
    QSignalSpy modified(&f.editor, &DesignEditor::modifiedChanged);
    for (const int zoom : {100, 400, 37, 100}) {
        f.surface.setZoom(zoom, false);
        for (size_t i = 0; i < rects.size(); ++i)
            EXPECT_EQ(f.editor.card().object(int(i))->rect(), rects[i]) << "at zoom " << zoom;
        EXPECT_EQ(f.editor.card().size(), QSize(400, 300));
    }
    EXPECT_FALSE(f.editor.isModified());
    EXPECT_EQ(modified.count(), 0);
    EXPECT_EQ(f.undoCount(), 0);
    EXPECT_EQ(f.surface.selectedCount(), 3) << "zooming keeps the selection";
}

TEST(DesignSurfaceZoom, SnapStepIsTheGridInUnitsAtAnyZoom)
{
    const struct {
        bool snap;
        int grid, zoom, step;
    } cases[] = {
        {true, 4, 100, 4}, {true, 4, 25, 4}, {true, 12, 250, 12}, {false, 4, 100, 1}, {false, 4, 250, 1},
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
    EXPECT_TRUE(f.editor.card().showGrid);
    EXPECT_EQ(f.editor.card().gridX, 12);
    EXPECT_EQ(f.editor.card().gridY, 12);
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

    // (130, 60, 50, 50) units are (195, 90, 75, 75) pixels at zoom 150.
    DesignObject* box = f.box(QRect(130, 60, 50, 50));
    f.surface.mouseMove(QPoint(210, 110), Qt::NoButton);
    EXPECT_EQ(f.surface.positionText(), QStringLiteral("83 , 26")) << "not over an unselected object";
    f.surface.selectOnly(box);
    f.surface.mouseMove(QPoint(210, 110), Qt::NoButton);
    EXPECT_EQ(f.surface.positionText(), QStringLiteral("128 , 58")) << "the frame's left and top (193, 88)";
}
