#include <gtest/gtest.h>

#include "model/DesignEditor.h"
#include "model/ObjectData.h"

namespace {

void pushMove(DesignEditor& e, ObjectControl* c, int dx)
{
    const ChangeRect before = controlRectInUnits(*c, e.zoom);
    c->left += dx;
    const ChangeRect after = controlRectInUnits(*c, e.zoom);
    e.manager.undoHistory().push({.type = ObjectMoved, .control = c, .rectBefore = before, .rectAfter = after});
}

} // namespace

TEST(UndoHistory, RingKeepsTheLast128)
{
    DesignEditor e;
    ObjectControl* box = e.manager.createBox(0, 0);
    for (int i = 0; i < 130; ++i)
        pushMove(e, box, 1);
    int undone = 0;
    while (e.manager.undo(e.zoom))
        ++undone;
    EXPECT_EQ(undone, 128);
    EXPECT_EQ(box->left, 2);
    EXPECT_FALSE(e.manager.undo(e.zoom));
}

TEST(UndoHistory, NewChangeDropsRedo)
{
    DesignEditor e;
    ObjectControl* box = e.manager.createBox(0, 0);
    pushMove(e, box, 5);
    ASSERT_TRUE(e.manager.undo(e.zoom));
    EXPECT_TRUE(e.manager.undoHistory().canRedo());
    pushMove(e, box, 7);
    EXPECT_FALSE(e.manager.redo(e.zoom));
    ASSERT_TRUE(e.manager.undo(e.zoom));
    EXPECT_EQ(box->left, 0);
    EXPECT_FALSE(e.manager.undo(e.zoom));
}

TEST(UndoHistory, UndoDeleteThenEarlierMoveFollowsTheTwin)
{
    DesignEditor e;
    e.zoom = 200;
    ObjectControl* box = e.manager.createBox(10, 10);
    pushMove(e, box, 40);
    e.select(box);
    const QByteArray record = box->data()->toRecord(e.zoom);
    e.manager.undoHistory().push({.type = ObjectDeleted, .control = box, .recordBefore = record});
    e.manager.destroyObject(box);
    e.clearSelection();
    ASSERT_EQ(e.panel.controlCount(), 0);

    ASSERT_TRUE(e.manager.undo(e.zoom));
    ASSERT_EQ(e.panel.controlCount(), 1);
    ObjectControl* twin = e.panel.control(0);
    EXPECT_EQ(twin->left, 50);
    ASSERT_TRUE(e.manager.undo(e.zoom));
    EXPECT_EQ(twin->left, 10);
    ASSERT_TRUE(e.manager.redo(e.zoom));
    ASSERT_TRUE(e.manager.redo(e.zoom));
    EXPECT_EQ(e.panel.controlCount(), 0);
}

TEST(UndoHistory, UndoAddThenRedoRecreatesUnderANewName)
{
    DesignEditor e;
    ObjectControl* text = e.manager.createText(12, 34);
    text->data()->lines = {"one", "two"};
    const QByteArray record = text->data()->toRecord(e.zoom);
    e.manager.undoHistory().push({.type = ObjectAdded, .control = text, .recordAfter = record});
    ASSERT_TRUE(e.manager.undo(e.zoom));
    EXPECT_EQ(e.panel.controlCount(), 0);
    ASSERT_TRUE(e.manager.redo(e.zoom));
    ASSERT_EQ(e.panel.controlCount(), 1);
    ObjectControl* again = e.panel.control(0);
    EXPECT_EQ(again->name, "Text1");
    EXPECT_EQ(again->data()->toRecord(e.zoom), record);
}

TEST(UndoHistory, PropertyChangeRestoresSizeInOneStep)
{
    DesignEditor e;
    ObjectControl* graphic = e.manager.createGraphic(nullptr, 0, 0, true);
    const QByteArray before = graphic->data()->toRecord(e.zoom);
    graphic->width = 40;
    graphic->data()->flags = ObjectFlags::Locked;
    e.manager.undoHistory().push({.type = ObjectChanged,
                                  .control = graphic,
                                  .recordBefore = before,
                                  .recordAfter = graphic->data()->toRecord(e.zoom)});
    ASSERT_TRUE(e.manager.undo(e.zoom));
    EXPECT_EQ(graphic->width, 100);
    EXPECT_EQ(graphic->data()->flags, 0);
    ASSERT_TRUE(e.manager.redo(e.zoom));
    EXPECT_EQ(graphic->width, 40);
    EXPECT_TRUE(graphic->data()->locked());
}

TEST(UndoHistory, RegionSwitchForgetsHistoryOfDestroyedControls)
{
    DesignEditor e;
    ObjectControl* box = e.manager.createBox(0, 0);
    pushMove(e, box, 5);
    e.manager.changeRegion(0, 0, 1, 0, e.zoom);
    EXPECT_FALSE(e.manager.undo(e.zoom));
}

// Undo and redo destroy and re-create controls; a selection still naming them
// would be used by the next command (cut, move, properties) after they are freed.
TEST(UndoHistory, EditorDropsItsSelectionBeforeUndoAndRedo)
{
    DesignEditor e;
    ObjectControl* text = e.manager.createText(12, 34);
    e.manager.undoHistory().push({.type = ObjectAdded, .control = text, .recordAfter = text->data()->toRecord(e.zoom)});
    e.select(text);
    ASSERT_TRUE(e.undo());
    EXPECT_TRUE(e.selection.empty());
    EXPECT_EQ(e.panel.controlCount(), 0);

    ASSERT_TRUE(e.redo());
    ObjectControl* again = e.panel.control(0);
    e.select(again);
    ASSERT_TRUE(e.undo());
    EXPECT_TRUE(e.selection.empty());
    // Every command reads the selection: none of it may name a freed control.
    for (ObjectControl* selected : e.selection)
        EXPECT_TRUE(e.panel.contains(selected));
    EXPECT_FALSE(e.undo());
}
