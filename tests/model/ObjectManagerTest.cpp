#include <gtest/gtest.h>

#include "BitmapFixtures.h"
#include "TestSupport.h"
#include "model/DesignEditor.h"
#include "model/ObjectData.h"

namespace {

QStringList namesOn(const Card& panel)
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
    e.manager.changeRegion(-1, -1, 0, 0, 100);  // slot (0,0) is live
    ObjectControl* text = e.manager.createText(5, 5);
    text->name = "kept";
    e.manager.changeRegion(0, 0, 0, 0, 100);
    EXPECT_EQ(e.panel.controlCount(), 1);
    EXPECT_EQ(e.panel.control(0)->name, "kept");
    EXPECT_EQ(e.panel.control(0), text);  // not reloaded: the same control
    EXPECT_EQ(e.manager.slot(0, 0).objectCount, 1);
}

TEST(ObjectManager, RegionsRoundTripWithNamesAndMargins)
{
    DesignEditor e;
    e.panel.setRegionSize(300, 200);
    e.manager.createGraphic(nullptr, 1, 1, true);
    e.manager.createText(10, 10)->data()->lines = {"hello"};
    e.manager.createBox(20, 20);
    e.manager.createGraphic(nullptr, 1, 1, true);
    e.manager.createEllipse(30, 30);
    e.panel.marginLeft = 3;
    e.panel.backImage = makeBitmapPicture(8, 8);

    ASSERT_TRUE(e.manager.changeRegion(0, 0, 1, 0, 100));  // to the back, which is empty
    EXPECT_EQ(e.panel.controlCount(), 0);
    EXPECT_TRUE(e.panel.backImage.isEmpty());
    EXPECT_EQ(e.panel.marginLeft, 8);
    ASSERT_TRUE(e.manager.changeRegion(1, 0, 0, 0, 100));
    EXPECT_EQ(namesOn(e.panel), QStringList({"Graphic1", "Text0", "Shape0", "Graphic3", "Shape1"}));
    EXPECT_EQ(e.panel.control(1)->data()->lines, QStringList{"hello"});
    EXPECT_EQ(e.panel.marginLeft, 3);
    EXPECT_EQ(e.panel.backImage.size(), QSize(8, 8));

    // The empty back region still keeps its margins and has no data.
    EXPECT_EQ(e.manager.slot(1, 0).objectCount, 0);
    EXPECT_TRUE(e.manager.slot(1, 0).data.isEmpty());
}

TEST(ObjectManager, RecordsRunningPastTheRegionDataAreDropped)
{
    DesignEditor e;
    e.panel.setRegionSize(300, 200);
    e.manager.createBox(1, 1);
    e.manager.createLine(2, 2);
    e.manager.changeRegion(0, 0, -1, -1, 100);
    RegionSlot& slot = e.manager.slot(0, 0);
    slot.objectCount = 5;                      // claims more than it holds
    slot.data.chop(10);                        // and the second record is cut
    slot.dataSize = int32_t(slot.data.size());
    e.manager.currentSide = e.manager.currentPanel = -1;
    e.manager.changeRegion(-1, -1, 0, 0, 100);
    EXPECT_EQ(e.panel.controlCount(), 1);
}

TEST(ObjectManager, GraphicScalesToHundredPixels)
{
    DesignEditor e;
    Picture wide = makeBitmapPicture(400, 200);
    Picture tall = makeBitmapPicture(200, 400);
    EXPECT_EQ(e.manager.createGraphic(&wide, 0, 0, true)->rect().size(), QSize(100, 50));
    EXPECT_EQ(e.manager.createGraphic(&tall, 0, 0, true)->rect().size(), QSize(50, 100));
    EXPECT_EQ(e.manager.createGraphic(nullptr, 0, 0, true)->rect().size(), QSize(100, 100));
}

TEST(ObjectManager, DefaultsCarryOverByKind)
{
    DesignEditor e;
    ObjectControl* line = e.manager.createLine(0, 0);
    line->data()->lineSize = 4;
    e.manager.setDefaultsFrom(*line->data());
    EXPECT_EQ(e.manager.createBox(0, 0)->data()->lineSize, 4);

    ObjectControl* box = e.manager.createBox(0, 0);
    box->data()->lineSize = 6;
    box->data()->style = 1;
    e.manager.setDefaultsFrom(*box->data());
    EXPECT_EQ(e.manager.createLine(0, 0)->data()->lineSize, 4);
    EXPECT_EQ(e.manager.createEllipse(0, 0)->data()->style, 1);
    EXPECT_EQ(e.manager.createLine(0, 0)->data()->style, 0);

    ObjectControl* text = e.manager.createText(0, 0);
    text->data()->rotation = 900;
    text->data()->font.setFace("Courier New");
    text->data()->foreColor = 0xFF;
    e.manager.setDefaultsFrom(*text->data());
    ObjectData* next = e.manager.createText(0, 0)->data();
    EXPECT_EQ(next->rotation, 900);
    EXPECT_EQ(next->font.face(), "Courier New");
    EXPECT_EQ(next->foreColor, 0xFF);
    EXPECT_EQ(next->lines, QStringList{"Text"});
}

TEST(ObjectManager, Passwords)
{
    DesignEditor e;
    EXPECT_TRUE(e.manager.checkPassword("anything"));
    e.manager.setPassword("secret");
    EXPECT_TRUE(e.manager.hasPassword());
    EXPECT_TRUE(e.manager.checkPassword("secret"));
    EXPECT_FALSE(e.manager.checkPassword("Secret"));
    EXPECT_FALSE(e.manager.checkPassword(""));
    e.manager.setPassword("eightchr");
    EXPECT_TRUE(e.manager.checkPassword("eightchr"));
    e.manager.setPassword("");
    EXPECT_FALSE(e.manager.hasPassword());
}

TEST(ObjectManager, StoreFailureOnABadSlotReportsAndKeepsTheRegion)
{
    MessageRecorder messages;
    DesignEditor e;
    e.manager.createText(0, 0);
    EXPECT_FALSE(e.manager.changeRegion(2, 0, 0, 0, 100));
    EXPECT_EQ(messages.texts(), QStringList{"EXCEPTION: ChangeRegion"});
    EXPECT_EQ(e.panel.controlCount(), 1);
}
