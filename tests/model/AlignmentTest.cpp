#include <gtest/gtest.h>

#include "model/Alignment.h"

TEST(AlignmentArithmetic, EdgeCases)
{
    Alignment::Area area;
    area.cardWidth = 400;
    area.cardHeight = 300;
    area.marginLeft = area.marginRight = area.marginTop = area.marginBottom = 8;

    // Group Left: all at the leftmost; Align Left: the leftmost at the margin, distances kept.
    const std::vector<QRect> three{{10, 0, 5, 5}, {40, 10, 5, 5}, {70, 20, 5, 5}};
    const auto groupLeft = Alignment::align(Alignment::GroupLeft, three, area, false);
    for (const QRect& r : groupLeft)
        EXPECT_EQ(r.x(), 10);
    const auto left = Alignment::align(Alignment::Left, three, area, false);
    EXPECT_EQ(left[0].x(), 8);
    EXPECT_EQ(left[1].x(), 38);
    EXPECT_EQ(left[2].x(), 68);

    // Space Equally Horizontal: g = (200 − 80) / 3 = 40.
    const std::vector<QRect> four{{0, 0, 20, 5}, {25, 0, 20, 5}, {70, 0, 20, 5}, {180, 0, 20, 5}};
    const auto spaced = Alignment::align(Alignment::SpaceHorizontally, four, area, false);
    EXPECT_EQ(spaced[0].x(), 0);
    EXPECT_EQ(spaced[1].x(), 60);
    EXPECT_EQ(spaced[2].x(), 120);
    EXPECT_EQ(spaced[3].x(), 180);

    // Align to grid 8: left 13 width 10 becomes left 8 width 8.
    area.gridX = area.gridY = 8;
    const auto grid = Alignment::align(Alignment::Grid, {{13, 16, 10, 8}}, area, false);
    EXPECT_EQ(grid[0], QRect(8, 16, 8, 8));
    // Left of the first grid line: to 0; an object that does not reach a grid line becomes 0 wide.
    EXPECT_EQ(Alignment::align(Alignment::Grid, {{5, 0, 2, 8}}, area, false)[0], QRect(0, 0, 0, 8));
    EXPECT_EQ(Alignment::align(Alignment::Grid, {{17, 0, 4, 8}}, area, false)[0], QRect(16, 0, 0, 8));
    // A grid below 2 units does nothing; nor does one under a pixel at a low zoom.
    area.gridX = area.gridY = 1;
    EXPECT_EQ(Alignment::align(Alignment::Grid, {{13, 13, 10, 10}}, area, false)[0], QRect(13, 13, 10, 10));
    area.gridX = area.gridY = 3;
    area.zoom = 25;
    EXPECT_EQ(Alignment::align(Alignment::Grid, {{13, 13, 10, 10}}, area, false)[0], QRect(13, 13, 10, 10));
}

TEST(AlignmentArithmetic, ALockedSelectionStaysForMarginsButNotForGroups)
{
    Alignment::Area area;
    area.cardWidth = 400;
    area.cardHeight = 300;
    const std::vector<QRect> rects{{40, 0, 5, 5}, {70, 0, 5, 5}};
    EXPECT_EQ(Alignment::align(Alignment::Left, rects, area, true), rects);
    EXPECT_EQ(Alignment::fitToMargins(rects, area, true), rects);
    EXPECT_EQ(Alignment::align(Alignment::GroupLeft, rects, area, true)[1].x(), 40);
}

TEST(AlignmentArithmetic, ZoomScalesTheMargins)
{
    Alignment::Area area;
    area.cardWidth = 800;
    area.cardHeight = 600;
    area.zoom = 200;
    area.marginLeft = 15;
    area.marginTop = 15;
    const auto left = Alignment::align(Alignment::Left, {{100, 100, 10, 10}}, area, false);
    EXPECT_EQ(left[0].topLeft(), QPoint(30, 100));
}

TEST(AlignmentDialogKinds, InDialogOrder)
{
    EXPECT_TRUE(Alignment::dialogKinds(0, 0, 0, 0).empty());
    EXPECT_EQ(Alignment::dialogKinds(3, 1, 4, 2), (std::vector<int>{3, 4, 10, 12}));
    EXPECT_EQ(Alignment::dialogKinds(0, 3, 0, 4), (std::vector<int>{6, 14}));
}
