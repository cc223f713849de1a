#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "model/Options.h"
#include "system/SettingsStore.h"

namespace {
const QString kGeneral = SettingsStore::programKey() + "\\Options\\General";
const QString kFolders = SettingsStore::programKey() + "\\Options\\Folders";
}

TEST(Options, GridSizeTyped)
{
    EXPECT_EQ(Options::gridSizeFromText("2"), 4);
    EXPECT_EQ(Options::gridSizeFromText("80"), 50);
    EXPECT_EQ(Options::gridSizeFromText("x"), 4);
    EXPECT_EQ(Options::gridSizeFromText("12"), 12);
}

TEST(Options, MissingValuesKeepTheRestOfTheKeyAtDefaults)
{
    QTemporaryDir dir;
    SettingsStore store(dir.filePath("s.ini"));
    store.writeInteger(kGeneral, "PromptOnDelete", 0);
    store.writeInteger(kGeneral, "MetricUnits", 1);  // after a missing value: ignored
    Options o;
    o.load(store);
    EXPECT_FALSE(o.PromptOnDelete);
    EXPECT_TRUE(o.SelectReturn);
    EXPECT_FALSE(o.MetricUnits);
    EXPECT_TRUE(o.SetOrientation);
    EXPECT_EQ(o.GridSize, 4);
}

TEST(Options, SaveAndLoadRoundTrip)
{
    QTemporaryDir dir;
    SettingsStore store(dir.filePath("s.ini"));
    Options o;
    o.PromptOnDelete = false;
    o.MetricUnits = true;
    o.GridSize = 12;
    o.SnapToGrid = true;
    o.CornerMarks = true;
    o.SetOrientation = false;
    o.Favorites = "/home/me/labels";
    o.Graphics = "";
    o.DB = "/data/db";
    o.save(store);

    Options back;
    back.load(store);
    EXPECT_FALSE(back.PromptOnDelete);
    EXPECT_TRUE(back.MetricUnits);
    EXPECT_EQ(back.GridSize, 12);
    EXPECT_TRUE(back.SnapToGrid);
    EXPECT_TRUE(back.CornerMarks);
    EXPECT_FALSE(back.SetOrientation);
    EXPECT_EQ(back.Favorites, "/home/me/labels");
    EXPECT_EQ(back.Graphics, Options::defaultGraphicsFolder());  // empty falls back
    EXPECT_EQ(back.DB, "/data/db");
    EXPECT_TRUE(back.Graphics.endsWith("/Graphics/Clipart"));
}
