#include <gtest/gtest.h>

#include "model/Alignment.h"
#include "model/DesignEditor.h"
#include "model/DesignObject.h"
#include "ui/editing/Arrange.h"

namespace {

// A 400 × 300 card at zoom 100 with margins of 10 (left), 30 (right),
// 20 (top) and 40 (bottom): the area inside them runs from 10 to 370 and from 20 to 260.
struct ArrangeFixture : testing::Test {
    DesignEditor editor;

    ArrangeFixture()
    {
        editor.card().setRegionSize(400, 300);
        editor.card().marginLeft = 10;
        editor.card().marginRight = 30;
        editor.card().marginTop = 20;
        editor.card().marginBottom = 40;
    }

    DesignObject* add(const QRect& r)
    {
        DesignObject* object = editor.manager().createBox(r.x(), r.y());
        object->setRect(r);
        editor.select(object);
        return object;
    }

    std::vector<QRect> rects() const
    {
        std::vector<QRect> out;
        for (const DesignObject* object : editor.selection())
            out.push_back(object->rect());
        return out;
    }
};

// Three objects: B runs from (40, 50) to (190, 170), 150 × 120.
const QRect kA(100, 50, 40, 20);
const QRect kB(40, 90, 20, 30);
const QRect kC(130, 140, 60, 30);

struct KindCase {
    int kind;
    QRect a, b, c;
};

} // namespace

TEST_F(ArrangeFixture, EveryKindPlacesThreeObjectsAndOneUndoRestoresThem)
{
    const KindCase cases[] = {
        // Grid 8: lefts down to the grid, right sides back onto it.
        {Alignment::Grid, {96, 48, 40, 16}, {40, 88, 16, 24}, {128, 136, 56, 24}},
        // Margins: the whole selection moves, the distances stay.
        {Alignment::Left, {70, 50, 40, 20}, {10, 90, 20, 30}, {100, 140, 60, 30}},
        // (400 − 40 − 155) div 2 + 10 − frame left 38 = +74
        {Alignment::HorizontalCenter, {174, 50, 40, 20}, {114, 90, 20, 30}, {204, 140, 60, 30}},
        {Alignment::Right, {280, 50, 40, 20}, {220, 90, 20, 30}, {310, 140, 60, 30}},
        {Alignment::Top, {100, 20, 40, 20}, {40, 60, 20, 30}, {130, 110, 60, 30}},
        // (300 − 60 − 125) div 2 + 20 − frame top 48 = +29
        {Alignment::VerticalCenter, {100, 79, 40, 20}, {40, 119, 20, 30}, {130, 169, 60, 30}},
        {Alignment::Bottom, {100, 140, 40, 20}, {40, 180, 20, 30}, {130, 230, 60, 30}},
        {Alignment::GroupLeft, {40, 50, 40, 20}, {40, 90, 20, 30}, {40, 140, 60, 30}},
        {Alignment::GroupHorizontalCenter, {95, 50, 40, 20}, {105, 90, 20, 30}, {85, 140, 60, 30}},
        {Alignment::GroupRight, {150, 50, 40, 20}, {170, 90, 20, 30}, {130, 140, 60, 30}},
        // Order b, a, c; gap (150 − 120) / 2 = 15: a goes to 40 + 20 + 15.
        {Alignment::SpaceHorizontally, {75, 50, 40, 20}, {40, 90, 20, 30}, {130, 140, 60, 30}},
        {Alignment::GroupTop, {100, 50, 40, 20}, {40, 50, 20, 30}, {130, 50, 60, 30}},
        {Alignment::GroupVerticalCenter, {100, 100, 40, 20}, {40, 95, 20, 30}, {130, 95, 60, 30}},
        {Alignment::GroupBottom, {100, 150, 40, 20}, {40, 140, 20, 30}, {130, 140, 60, 30}},
        // Order a, b, c; gap (120 − 80) / 2 = 20: b goes to 50 + 20 + 20.
        {Alignment::SpaceVertically, {100, 50, 40, 20}, {40, 90, 20, 30}, {130, 140, 60, 30}},
    };
    editor.card().gridX = editor.card().gridY = 8;
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.kind);
        editor.card().clear();
        editor.contentReplaced();
        editor.markSaved();
        DesignObject* a = add(kA);
        DesignObject* b = add(kB);
        DesignObject* cc = add(kC);

        alignObjects(editor, c.kind, false);
        EXPECT_EQ(a->rect(), c.a);
        EXPECT_EQ(b->rect(), c.b);
        EXPECT_EQ(cc->rect(), c.c);
        // One step for the command; none when nothing moved.
        const bool moved = c.a != kA || c.b != kB || c.c != kC;
        EXPECT_EQ(editor.isModified(), moved);
        ASSERT_EQ(editor.undoStack().index(), moved ? 1 : 0);

        if (moved)
            EXPECT_TRUE(editor.undo());
        EXPECT_EQ(a->rect(), kA);
        EXPECT_EQ(b->rect(), kB);
        EXPECT_EQ(cc->rect(), kC);
    }
}

TEST_F(ArrangeFixture, FitToMarginsMakesTheBoundsTheMarginArea)
{
    DesignObject* a = add({50, 50, 100, 40});
    DesignObject* b = add({100, 120, 50, 50});
    fitObjectsToMargins(editor, false);
    // Bounds (50, 50)–(150, 170) become (10, 20)–(370, 260): shifted and sized by the same amounts.
    EXPECT_EQ(a->rect(), QRect(10, 20, 360, 160));
    EXPECT_EQ(b->rect(), QRect(60, 90, 310, 170));
    EXPECT_EQ(editor.undoStack().index(), 1);
    EXPECT_TRUE(editor.isModified());
}

TEST_F(ArrangeFixture, SeveralKindsAreOneStepAndALockedSelectionStays)
{
    DesignObject* a = add(kA);
    DesignObject* b = add(kB);
    // The Alignment dialog's left margin, then its group top.
    alignObjects(editor, {Alignment::Left, Alignment::GroupTop}, false);
    EXPECT_EQ(a->rect(), QRect(70, 50, 40, 20));
    EXPECT_EQ(b->rect(), QRect(10, 50, 20, 30));
    EXPECT_EQ(editor.undoStack().index(), 1);
    EXPECT_TRUE(editor.undo());
    EXPECT_EQ(a->rect(), kA);
    EXPECT_EQ(b->rect(), kB);

    alignObjects(editor, Alignment::Left, true);
    fitObjectsToMargins(editor, true);
    EXPECT_EQ(a->rect(), kA);
    EXPECT_EQ(editor.undoStack().index(), 0) << "nothing to undo after a locked command";
}
