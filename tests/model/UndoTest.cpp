#include <gtest/gtest.h>

#include "model/DesignEditor.h"
#include "model/ObjectData.h"

namespace {

void pushMove(DesignEditor& e, ObjectControl* c, int dx)
{
    const ChangeRect before = ControlRectInUnits(*c, e.zoom);
    c->left += dx;
    const ChangeRect after = ControlRectInUnits(*c, e.zoom);
    e.manager.ChangeStack().Push(ObjectMoved, c, 0, 0, &before, &after, {}, {});
}

} // namespace

TEST(ChangeStack, RingKeepsTheLast128)
{
    DesignEditor e;
    ObjectControl* box = e.manager.CreateBox(0, 0);
    for (int i = 0; i < 130; ++i)
        pushMove(e, box, 1);
    int undone = 0;
    while (e.manager.Undo(e.zoom))
        ++undone;
    EXPECT_EQ(undone, 128);
    EXPECT_EQ(box->left, 2);
    EXPECT_FALSE(e.manager.Undo(e.zoom));
}

TEST(ChangeStack, NewChangeDropsRedo)
{
    DesignEditor e;
    ObjectControl* box = e.manager.CreateBox(0, 0);
    pushMove(e, box, 5);
    ASSERT_TRUE(e.manager.Undo(e.zoom));
    EXPECT_TRUE(e.manager.ChangeStack().CanRedo());
    pushMove(e, box, 7);
    EXPECT_FALSE(e.manager.Redo(e.zoom));
    ASSERT_TRUE(e.manager.Undo(e.zoom));
    EXPECT_EQ(box->left, 0);
    EXPECT_FALSE(e.manager.Undo(e.zoom));
}

TEST(ChangeStack, UndoDeleteThenEarlierMoveFollowsTheTwin)
{
    DesignEditor e;
    e.zoom = 200;
    ObjectControl* box = e.manager.CreateBox(10, 10);
    pushMove(e, box, 40);
    e.select(box);
    e.manager.ChangeStack().Push(ObjectDeleted, box, 0, 0, nullptr, nullptr, box->data()->toRecord(e.zoom), {});
    e.manager.DestroyObject(box);
    e.clearSelection();
    ASSERT_EQ(e.panel.controlCount(), 0);

    ASSERT_TRUE(e.manager.Undo(e.zoom));
    ASSERT_EQ(e.panel.controlCount(), 1);
    ObjectControl* twin = e.panel.control(0);
    EXPECT_EQ(twin->left, 50);
    ASSERT_TRUE(e.manager.Undo(e.zoom));
    EXPECT_EQ(twin->left, 10);
    ASSERT_TRUE(e.manager.Redo(e.zoom));
    ASSERT_TRUE(e.manager.Redo(e.zoom));
    EXPECT_EQ(e.panel.controlCount(), 0);
}

TEST(ChangeStack, UndoAddThenRedoRecreatesUnderANewName)
{
    DesignEditor e;
    ObjectControl* text = e.manager.CreateText(12, 34);
    text->data()->Lines = {"one", "two"};
    const QByteArray record = text->data()->toRecord(e.zoom);
    e.manager.ChangeStack().Push(ObjectAdded, text, 0, 0, nullptr, nullptr, {}, record);
    ASSERT_TRUE(e.manager.Undo(e.zoom));
    EXPECT_EQ(e.panel.controlCount(), 0);
    ASSERT_TRUE(e.manager.Redo(e.zoom));
    ASSERT_EQ(e.panel.controlCount(), 1);
    ObjectControl* again = e.panel.control(0);
    EXPECT_EQ(again->name, "Text1");
    EXPECT_EQ(again->data()->toRecord(e.zoom), record);
}

TEST(ChangeStack, PropertyChangeRestoresSizeInOneStep)
{
    DesignEditor e;
    ObjectControl* graphic = e.manager.CreateGraphic(nullptr, 0, 0, true);
    const QByteArray before = graphic->data()->toRecord(e.zoom);
    graphic->width = 40;
    graphic->data()->Flags = ObjectFlags::Locked;
    e.manager.ChangeStack().Push(ObjectChanged, graphic, 0, 0, nullptr, nullptr, before,
                                 graphic->data()->toRecord(e.zoom));
    ASSERT_TRUE(e.manager.Undo(e.zoom));
    EXPECT_EQ(graphic->width, 100);
    EXPECT_EQ(graphic->data()->Flags, 0);
    ASSERT_TRUE(e.manager.Redo(e.zoom));
    EXPECT_EQ(graphic->width, 40);
    EXPECT_TRUE(graphic->data()->locked());
}

TEST(ChangeStack, RegionSwitchForgetsHistoryOfDestroyedControls)
{
    DesignEditor e;
    ObjectControl* box = e.manager.CreateBox(0, 0);
    pushMove(e, box, 5);
    e.manager.ChangeRegion(0, 0, 1, 0, e.zoom);
    EXPECT_FALSE(e.manager.Undo(e.zoom));
}
