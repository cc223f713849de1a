#include <gtest/gtest.h>

#include "model/Folds.h"
#include "model/Paper.h"
#include "model/Units.h"

TEST(Units, DisplayToUnitsAbsorbsRepresentationError)
{
    struct Case {
        long double number;
        bool millimetres;
        int32_t expected;
    };
    const Case cases[] = {
        {0.53L, false, 53}, {1.05L, false, 105}, {-0.53L, false, -53}, {25.4L, true, 100}, {0, false, 0},
        {2.54L, true, 10},
    };
    for (const Case& c : cases)
        EXPECT_EQ(displayToUnits(c.number, c.millimetres), c.expected) << double(c.number);
}

TEST(Units, LayoutAndDisplayConversions)
{
    EXPECT_EQ(layoutToDesignUnits(1, 2540), 100);
    EXPECT_EQ(layoutToDesignUnits(1, 2539), 99);
    EXPECT_EQ(layoutToDesignUnits(0, 2539), 2539);
    EXPECT_NEAR(double(unitsToDisplay(1700, true, 0)), 431.8, 1e-9);
    EXPECT_NEAR(double(unitsToDisplay(2540, false, 1)), 1.0, 1e-12);
    EXPECT_NEAR(double(unitsToDisplay(2540, true, 1)), 25.4, 1e-12);
    EXPECT_NEAR(double(unitsToDisplay(100, false, 0)), 1.0, 1e-12);
}

TEST(Units, SurfaceScaleTruncatesBothWays)
{
    EXPECT_EQ(unitsToPixels(150, 200), 300);
    EXPECT_EQ(unitsToPixels(3, 50), 1);
    EXPECT_EQ(pixelsToUnits(1, 50), 2);
    EXPECT_EQ(pixelsToUnits(7, 300), 2);
    EXPECT_EQ(pixelsToUnits(5, 0), 0);
}

TEST(PaperTable, KnownAndUnknownIndexes)
{
    int32_t code = 0, w = 0, h = 0;
    EXPECT_TRUE(paperForIndex(4, &code, &w, &h));
    EXPECT_EQ(code, 9);
    EXPECT_EQ(w, 827);
    EXPECT_EQ(h, 1169);
    EXPECT_TRUE(paperForIndex(17, &code, &w, &h));
    EXPECT_EQ(code, -1);
    EXPECT_FALSE(paperForIndex(19, &code, &w, &h));
    EXPECT_EQ(code, 1);
    EXPECT_EQ(w, 850);
    EXPECT_EQ(h, 1100);
    EXPECT_STREQ(paperTableEntry(8).caption, "#11 Envelope (4 1/2 10 3/8 in)");
}

TEST(RegionGeometry, FoldTypes)
{
    struct Case {
        uint32_t fold;
        int32_t side;
        int32_t count;
        int32_t width, height;
        bool sideFold, flat;
        QStringList captions;
    };
    const Case cases[] = {
        {0, 0, 1, 1001, 600, false, true, {"Front", "Back"}},
        {0, 1, 1, 1001, 600, false, true, {"Front", "Back"}},
        {1, 0, 2, 500, 600, true, false, {"Inside", "Inside Cover", "Cover"}},
        {2, 1, 1, 1001, 300, false, false, {"Inside", "Inside Cover", "Cover"}},
        {7, 1, 1, 500, 600, true, false, {"Cover", "Inside Cover", "Inside"}},
        {7, 0, 2, 500, 600, true, false, {"Cover", "Inside Cover", "Inside"}},
        {8, 0, 2, 1001, 300, false, false, {"Cover", "Inside Cover", "Inside"}},
    };
    for (const Case& c : cases) {
        const RegionGeometry geometry = regionGeometry(0, c.fold, c.side, 1001, 600);
        EXPECT_EQ(geometry.regionCount, c.count) << c.fold;
        EXPECT_EQ(regionCaptions(c.fold), c.captions);
        EXPECT_EQ(geometry.width, c.width);
        EXPECT_EQ(geometry.height, c.height);
        EXPECT_EQ(geometry.sideFold, c.sideFold);
        EXPECT_EQ(geometry.flat, c.flat);
    }
    const RegionGeometry unknown = regionGeometry(0, 9, 0, 100, 100);
    EXPECT_EQ(unknown.regionCount, 0);
    EXPECT_EQ(unknown.width, 0);
    EXPECT_TRUE(regionCaptions(9).isEmpty());
}

TEST(RegionGeometry, MillimetreLayoutHalvesBeforeConverting)
{
    EXPECT_EQ(regionGeometry(1, 1, 0, 6350, 5000).width, 125);
}

TEST(RegionSlots, SameCaptionSameSlot)
{
    struct Case {
        uint32_t fold;
        int32_t index;
        int32_t side, panel;
    };
    const Case cases[] = {
        {0, 0, 0, 0}, {0, 1, 1, 0}, {0, 5, 1, 0}, {3, 0, 0, 1}, {3, 1, 0, 0},
        {3, 2, 1, 0}, {6, 0, 1, 0}, {6, 1, 0, 0}, {6, 2, 0, 1},
    };
    for (const Case& c : cases) {
        int32_t side = -1, panel = -1;
        EXPECT_TRUE(regionSlotFor(c.fold, c.index, &side, &panel));
        EXPECT_EQ(side, c.side) << c.fold << "/" << c.index;
        EXPECT_EQ(panel, c.panel) << c.fold << "/" << c.index;
    }
    int32_t side = 7, panel = 7;
    regionSlotFor(9, 0, &side, &panel);
    EXPECT_EQ(side, 7);
    EXPECT_EQ(panel, 7);
}

TEST(RegionSize, LimitAndMessage)
{
    EXPECT_TRUE(regionSizeAllowed(10, 1700));
    EXPECT_FALSE(regionSizeAllowed(9, 100));
    EXPECT_FALSE(regionSizeAllowed(100, 1701));
    EXPECT_EQ(regionSizeMessage(false), "The width and height or each region must be between 0.10 and 17.00 in");
    EXPECT_EQ(regionSizeMessage(true), "The width and height or each region must be between 2.54 and 431.80 mm");
}
