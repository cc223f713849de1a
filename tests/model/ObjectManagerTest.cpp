#include <gtest/gtest.h>

#include "BitmapFixtures.h"
#include "TestSupport.h"
#include "model/DesignEditor.h"
#include "model/ObjectData.h"

namespace {

QStringList namesOn(const TGridPanel& panel)
{
    QStringList names;
    for (const auto& c : panel.controls())
        names << c->name;
    return names;
}

} // namespace

TEST(ObjectManager, StoreWithoutReloadKeepsLiveObjects)
{
    DesignEditor e;
    e.panel.setRegionSize(300, 200);
    e.manager.ChangeRegion(-1, -1, 0, 0, 100);  // slot (0,0) is live
    ObjectControl* text = e.manager.CreateText(5, 5);
    text->name = "kept";
    e.manager.ChangeRegion(0, 0, 0, 0, 100);
    EXPECT_EQ(e.panel.controlCount(), 1);
    EXPECT_EQ(e.panel.control(0)->name, "kept");
    EXPECT_EQ(e.panel.control(0), text);  // not reloaded: the same control
    EXPECT_EQ(e.manager.slot(0, 0).objectCount, 1);
}

TEST(ObjectManager, RegionsRoundTripWithNamesAndMargins)
{
    DesignEditor e;
    e.panel.setRegionSize(300, 200);
    e.manager.CreateGraphic(nullptr, 1, 1, true);
    e.manager.CreateText(10, 10)->data()->Lines = {"hello"};
    e.manager.CreateBox(20, 20);
    e.manager.CreateGraphic(nullptr, 1, 1, true);
    e.manager.CreateEllipse(30, 30);
    e.panel.MarginLeft = 3;
    e.panel.BackImage = MakeBitmapPicture(8, 8);

    ASSERT_TRUE(e.manager.ChangeRegion(0, 0, 1, 0, 100));  // to the back, which is empty
    EXPECT_EQ(e.panel.controlCount(), 0);
    EXPECT_TRUE(e.panel.BackImage.isEmpty());
    EXPECT_EQ(e.panel.MarginLeft, 8);
    ASSERT_TRUE(e.manager.ChangeRegion(1, 0, 0, 0, 100));
    EXPECT_EQ(namesOn(e.panel), QStringList({"Graphic1", "Text0", "Shape0", "Graphic3", "Shape1"}));
    EXPECT_EQ(e.panel.control(1)->data()->Lines, QStringList{"hello"});
    EXPECT_EQ(e.panel.MarginLeft, 3);
    EXPECT_EQ(e.panel.BackImage.size(), QSize(8, 8));

    // The empty back region still keeps its margins and has no data.
    EXPECT_EQ(e.manager.slot(1, 0).objectCount, 0);
    EXPECT_TRUE(e.manager.slot(1, 0).data.isEmpty());
}

TEST(ObjectManager, RecordsRunningPastTheRegionDataAreDropped)
{
    DesignEditor e;
    e.panel.setRegionSize(300, 200);
    e.manager.CreateBox(1, 1);
    e.manager.CreateLine(2, 2);
    e.manager.ChangeRegion(0, 0, -1, -1, 100);
    RegionSlot& slot = e.manager.slot(0, 0);
    slot.objectCount = 5;                      // claims more than it holds
    slot.data.chop(10);                        // and the second record is cut
    slot.dataSize = int32_t(slot.data.size());
    e.manager.CurrentSide = e.manager.CurrentPanel = -1;
    e.manager.ChangeRegion(-1, -1, 0, 0, 100);
    EXPECT_EQ(e.panel.controlCount(), 1);
}

TEST(ObjectManager, GraphicScalesToHundredPixels)
{
    DesignEditor e;
    Picture wide = MakeBitmapPicture(400, 200);
    Picture tall = MakeBitmapPicture(200, 400);
    EXPECT_EQ(e.manager.CreateGraphic(&wide, 0, 0, true)->rect().size(), QSize(100, 50));
    EXPECT_EQ(e.manager.CreateGraphic(&tall, 0, 0, true)->rect().size(), QSize(50, 100));
    EXPECT_EQ(e.manager.CreateGraphic(nullptr, 0, 0, true)->rect().size(), QSize(100, 100));
}

TEST(ObjectManager, DefaultsCarryOverByKind)
{
    DesignEditor e;
    ObjectControl* line = e.manager.CreateLine(0, 0);
    line->data()->LineSize = 4;
    e.manager.SetDefaultsFrom(*line->data());
    EXPECT_EQ(e.manager.CreateBox(0, 0)->data()->LineSize, 4);

    ObjectControl* box = e.manager.CreateBox(0, 0);
    box->data()->LineSize = 6;
    box->data()->Style = 1;
    e.manager.SetDefaultsFrom(*box->data());
    EXPECT_EQ(e.manager.CreateLine(0, 0)->data()->LineSize, 4);
    EXPECT_EQ(e.manager.CreateEllipse(0, 0)->data()->Style, 1);
    EXPECT_EQ(e.manager.CreateLine(0, 0)->data()->Style, 0);

    ObjectControl* text = e.manager.CreateText(0, 0);
    text->data()->Rotation = 900;
    text->data()->Font.setFace("Courier New");
    text->data()->ForeColor = 0xFF;
    e.manager.SetDefaultsFrom(*text->data());
    TObjectData* next = e.manager.CreateText(0, 0)->data();
    EXPECT_EQ(next->Rotation, 900);
    EXPECT_EQ(next->Font.face(), "Courier New");
    EXPECT_EQ(next->ForeColor, 0xFF);
    EXPECT_EQ(next->Lines, QStringList{"Text"});
}

TEST(ObjectManager, Passwords)
{
    DesignEditor e;
    EXPECT_TRUE(e.manager.CheckPassword("anything"));
    e.manager.SetPassword("secret");
    EXPECT_TRUE(e.manager.hasPassword());
    EXPECT_TRUE(e.manager.CheckPassword("secret"));
    EXPECT_FALSE(e.manager.CheckPassword("Secret"));
    EXPECT_FALSE(e.manager.CheckPassword(""));
    e.manager.SetPassword("eightchr");
    EXPECT_TRUE(e.manager.CheckPassword("eightchr"));
    e.manager.SetPassword("");
    EXPECT_FALSE(e.manager.hasPassword());
}

TEST(ObjectManager, StoreFailureOnABadSlotReportsAndKeepsTheRegion)
{
    MessageRecorder messages;
    DesignEditor e;
    e.manager.CreateText(0, 0);
    EXPECT_FALSE(e.manager.ChangeRegion(2, 0, 0, 0, 100));
    EXPECT_EQ(messages.texts(), QStringList{"EXCEPTION: ChangeRegion"});
    EXPECT_EQ(e.panel.controlCount(), 1);
}
