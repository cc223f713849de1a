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
    EXPECT_FALSE(o.promptOnDelete);
    EXPECT_TRUE(o.selectReturn);
    EXPECT_FALSE(o.metricUnits);
    EXPECT_TRUE(o.setOrientation);
    EXPECT_EQ(o.gridSize, 4);
}

TEST(Options, SaveAndLoadRoundTrip)
{
    QTemporaryDir dir;
    SettingsStore store(dir.filePath("s.ini"));
    Options o;
    o.promptOnDelete = false;
    o.metricUnits = true;
    o.gridSize = 12;
    o.snapToGrid = true;
    o.cornerMarks = true;
    o.setOrientation = false;
    o.favorites = "/home/me/labels";
    o.graphics = "";
    o.db = "/data/db";
    o.save(store);

    Options back;
    back.load(store);
    EXPECT_FALSE(back.promptOnDelete);
    EXPECT_TRUE(back.metricUnits);
    EXPECT_EQ(back.gridSize, 12);
    EXPECT_TRUE(back.snapToGrid);
    EXPECT_TRUE(back.cornerMarks);
    EXPECT_FALSE(back.setOrientation);
    EXPECT_EQ(back.favorites, "/home/me/labels");
    EXPECT_EQ(back.graphics, Options::defaultGraphicsFolder());  // empty falls back
    EXPECT_EQ(back.db, "/data/db");
    EXPECT_TRUE(back.graphics.endsWith("/Graphics/Clipart"));
}
