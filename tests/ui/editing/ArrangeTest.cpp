#include <gtest/gtest.h>

#include "model/Alignment.h"
#include "model/DesignEditor.h"
#include "model/ObjectData.h"
#include "ui/editing/Arrange.h"

namespace {

// A 400 × 300 card at zoom 100 with margins of 10 (left), 30 (right),
// 20 (top) and 40 (bottom): the area inside them runs from 10 to 370 and from 20 to 260.
struct ArrangeFixture : testing::Test {
    DesignEditor editor;

    ArrangeFixture()
    {
        editor.panel.setRegionSize(400, 300);
        editor.panel.marginLeft = 10;
        editor.panel.marginRight = 30;
        editor.panel.marginTop = 20;
        editor.panel.marginBottom = 40;
    }

    ObjectControl* add(const QRect& r)
    {
        ObjectControl* control = editor.manager.createBox(r.x(), r.y());
        control->setBounds(r.x(), r.y(), r.width(), r.height());
        editor.select(control);
        return control;
    }

    std::vector<QRect> rects() const
    {
        std::vector<QRect> out;
        for (const ObjectControl* control : editor.selection)
            out.push_back(control->rect());
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

TEST_F(ArrangeFixture, EveryKindPlacesThreeObjectsAndOneUndoPerObjectRestoresThem)
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
    editor.panel.gridX = editor.panel.gridY = 8;
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.kind);
        editor.panel.destroyAllControls();
        editor.clearSelection();
        editor.manager.undoHistory().clear();
        editor.modified = false;
        ObjectControl* a = add(kA);
        ObjectControl* b = add(kB);
        ObjectControl* cc = add(kC);

        alignObjects(editor, c.kind, false);
        EXPECT_EQ(a->rect(), c.a);
        EXPECT_EQ(b->rect(), c.b);
        EXPECT_EQ(cc->rect(), c.c);
        EXPECT_TRUE(editor.modified);
        // One ObjectMoved per selected object, moved or not.
        ASSERT_EQ(editor.manager.undoHistory().undoCount(), 3);

        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(editor.manager.undo(editor.zoom));
        EXPECT_EQ(a->rect(), kA);
        EXPECT_EQ(b->rect(), kB);
        EXPECT_EQ(cc->rect(), kC);
    }
}

TEST_F(ArrangeFixture, FitToMarginsMakesTheBoundsTheMarginArea)
{
    ObjectControl* a = add({50, 50, 100, 40});
    ObjectControl* b = add({100, 120, 50, 50});
    fitObjectsToMargins(editor, false);
    // Bounds (50, 50)–(150, 170) become (10, 20)–(370, 260): shifted and sized by the same amounts.
    EXPECT_EQ(a->rect(), QRect(10, 20, 360, 160));
    EXPECT_EQ(b->rect(), QRect(60, 90, 310, 170));
    EXPECT_EQ(editor.manager.undoHistory().undoCount(), 2);
    EXPECT_TRUE(editor.modified);
}
