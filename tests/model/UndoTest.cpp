#include <gtest/gtest.h>

#include "BitmapFixtures.h"
#include "model/DesignEditor.h"
#include "model/DesignObject.h"

namespace {

// An editor with region (0, 0) live and some boxes placed by code (not steps).
struct Editor {
    DesignEditor e;
    explicit Editor(int boxes = 0)
    {
        e.card().setRegionSize(500, 300);
        e.showRegion({0, 0});
        for (int i = 0; i < boxes; ++i)
            e.manager().createBox(10 * i, 20);
    }
    std::vector<DesignObject*> all() const { return e.card().order(); }
    std::vector<QRect> rects() const
    {
        std::vector<QRect> result;
        for (const auto& o : e.card().objects())
            result.push_back(o->rect());
        return result;
    }
};

} // namespace

TEST(DesignEditorHistory, KeepsTheLast128Steps)
{
    Editor ed(1);
    DesignObject* box = ed.all().front();
    for (int i = 0; i < 130; ++i)
        ed.e.moveObjects({box}, 1, 0);
    int undone = 0;
    while (ed.e.undo())
        ++undone;
    EXPECT_EQ(undone, 128);
    EXPECT_EQ(box->left, 2);
}

TEST(DesignEditorHistory, ANewStepDropsRedo)
{
    Editor ed(1);
    DesignObject* box = ed.all().front();
    ed.e.moveObjects({box}, 5, 0);
    ASSERT_TRUE(ed.e.undo());
    EXPECT_TRUE(ed.e.canRedo());
    ed.e.moveObjects({box}, 7, 0);
    EXPECT_FALSE(ed.e.redo());
    ASSERT_TRUE(ed.e.undo());
    EXPECT_EQ(box->left, 0);
    EXPECT_FALSE(ed.e.undo());
}

// One command on several objects is one step, whatever the command.
TEST(DesignEditorHistory, OneCommandOnFiveObjectsIsUndoneByOneUndo)
{
    struct Case {
        const char* name;
        std::function<void(DesignEditor&, const std::vector<DesignObject*>&)> command;
    };
    const Case cases[] = {
        {"nudge", [](DesignEditor& e, const auto& objects) { e.moveObjects(objects, 0, 1); }},
        {"delete", [](DesignEditor& e, const auto& objects) { e.deleteObjects(objects); }},
        {"place",
         [](DesignEditor& e, const auto& objects) {
             std::vector<DesignEditor::Placement> placements;
             for (DesignObject* o : objects)
                 placements.emplace_back(o, QRect(7, 7, 30, 30));
             e.placeObjects(placements);
         }},
        {"properties",
         [](DesignEditor& e, const auto& objects) {
             std::vector<DesignEditor::Change> changes;
             for (DesignObject* o : objects) {
                 DesignObject value = *o;
                 value.lineSize = 9;
                 value.width += 3;
                 changes.emplace_back(o, value);
             }
             e.changeObjects(changes);
         }},
        {"to back", [](DesignEditor& e, const auto& objects) { e.sendToBack({objects[3], objects[4]}); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Editor ed(5);
        const std::vector<DesignObject*> order = ed.all();
        const std::vector<QRect> before = ed.rects();
        const QByteArray recordBefore = ed.all()[2]->toRecord();
        c.command(ed.e, order);
        EXPECT_TRUE(ed.e.isModified());
        EXPECT_EQ(ed.e.undoStack().count(), 1);
        ASSERT_TRUE(ed.e.undo());
        EXPECT_EQ(ed.all(), order);
        EXPECT_EQ(ed.rects(), before);
        EXPECT_EQ(ed.all()[2]->toRecord(), recordBefore);
        EXPECT_FALSE(ed.e.isModified());
        ASSERT_TRUE(ed.e.redo());
        EXPECT_TRUE(ed.e.isModified());
    }
}

TEST(DesignEditorHistory, UndoOfADeleteBringsBackTheSameObjectWhereItStood)
{
    Editor ed(3);
    DesignObject* middle = ed.all()[1];
    middle->name = "middle";
    ed.e.select(middle);
    ed.e.deleteObjects({middle});
    EXPECT_TRUE(ed.e.selection().empty());
    ASSERT_EQ(ed.e.card().objectCount(), 2);
    ASSERT_TRUE(ed.e.undo());
    ASSERT_EQ(ed.e.card().objectCount(), 3);
    EXPECT_EQ(ed.e.card().object(1), middle);
    EXPECT_EQ(middle->name, "middle");
}

TEST(DesignEditorHistory, UndoOfAnAddThenRedoGivesTheSameObject)
{
    Editor ed;
    auto text = ed.e.manager().makeText(12, 34);
    text->lines = {"one", "two"};
    const QByteArray record = text->toRecord();
    DesignObject* added = ed.e.addObject(std::move(text));
    ed.e.select(added);
    ASSERT_TRUE(ed.e.undo());
    EXPECT_EQ(ed.e.card().objectCount(), 0);
    // Nothing selected may name an object that is off the card.
    EXPECT_TRUE(ed.e.selection().empty());
    ASSERT_TRUE(ed.e.redo());
    ASSERT_EQ(ed.e.card().objectCount(), 1);
    EXPECT_EQ(ed.e.card().object(0), added);
    EXPECT_EQ(added->toRecord(), record);
}

TEST(DesignEditorHistory, APropertyChangeThatResizesIsOneStepSizeIncluded)
{
    Editor ed;
    DesignObject* graphic = ed.e.manager().createGraphic(nullptr, 0, 0);
    graphic->name = "logo";
    DesignObject value = *graphic;
    value.width = 40;
    value.flags = ObjectFlags::Locked;
    value.picture = makeBitmapPicture(4, 2);
    ASSERT_TRUE(ed.e.changeObject(graphic, value));
    EXPECT_EQ(graphic->name, "logo");  // the name is the object's, not the value's
    ASSERT_TRUE(ed.e.undo());
    EXPECT_EQ(graphic->width, 100);
    EXPECT_EQ(graphic->flags, 0);
    EXPECT_TRUE(graphic->picture.isEmpty());
    ASSERT_TRUE(ed.e.redo());
    EXPECT_EQ(graphic->width, 40);
    EXPECT_TRUE(graphic->locked());
    // Setting what is already there is no step at all.
    EXPECT_FALSE(ed.e.changeObject(graphic, *graphic));
    EXPECT_FALSE(ed.e.moveObjects({graphic}, 0, 0));
}

TEST(DesignEditorHistory, ModifiedFollowsTheStackAndSurvivesARegionSwitch)
{
    Editor ed(1);
    int modified = 0, changed = 0;
    QObject::connect(&ed.e, &DesignEditor::modifiedChanged, [&modified] { ++modified; });
    QObject::connect(&ed.e, &DesignEditor::changed, [&changed] { ++changed; });
    EXPECT_FALSE(ed.e.isModified());
    ed.e.moveObjects(ed.all(), 3, 0);
    EXPECT_TRUE(ed.e.isModified());
    EXPECT_GE(changed, 1);
    EXPECT_EQ(modified, 1);

    // The history names the objects of the region that goes flat: it is
    // emptied, but the design stays changed.
    ASSERT_TRUE(ed.e.showRegion({1, 0}));
    EXPECT_FALSE(ed.e.canUndo());
    EXPECT_TRUE(ed.e.isModified());

    ed.e.markSaved();
    EXPECT_FALSE(ed.e.isModified());
    EXPECT_FALSE(ed.e.canUndo());
    ed.e.markChanged();
    EXPECT_TRUE(ed.e.isModified());
}

TEST(DesignEditorHistory, MarginsAndBackgroundAreStepsTheCardShapeIsNot)
{
    Editor ed;
    const Picture background = makeBitmapPicture(8, 8);
    ed.e.setMargins({1, 2, 3, 4});
    ed.e.setBackground(background);
    ed.e.setBackground(background);  // the same picture again is no step
    ed.e.setCardShape(QSize(200, 100), 3);
    EXPECT_EQ(ed.e.card().marginTop, 3);
    EXPECT_EQ(ed.e.card().size(), QSize(200, 100));
    EXPECT_EQ(ed.e.undoStack().count(), 2);
    while (ed.e.undo()) {
    }
    EXPECT_EQ(ed.e.card().marginTop, 8);
    EXPECT_TRUE(ed.e.card().backImage.isEmpty());
    // The layout's size stays with the layout, and the design stays changed.
    EXPECT_EQ(ed.e.card().size(), QSize(200, 100));
    EXPECT_EQ(ed.e.card().baseImage, 3);
    EXPECT_TRUE(ed.e.isModified());
}
