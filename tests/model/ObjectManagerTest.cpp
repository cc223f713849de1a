#include <gtest/gtest.h>

#include "BitmapFixtures.h"
#include "TestSupport.h"
#include "model/DesignEditor.h"
#include "model/DesignObject.h"

namespace {

QStringList namesOn(const Card& panel)
{
    QStringList names;
    for (const auto& c : panel.objects())
        names << c->name;
    return names;
}

} // namespace

TEST(ObjectManager, StoreWithoutReloadKeepsLiveObjects)
{
    DesignEditor e;
    e.card().setRegionSize(300, 200);
    e.showRegion({0, 0});  // slot (0,0) is live
    DesignObject* text = e.manager().createText(5, 5);
    text->name = "kept";
    e.showRegion({0, 0});
    EXPECT_TRUE(e.storeLiveRegion());
    EXPECT_EQ(e.card().objectCount(), 1);
    EXPECT_EQ(e.card().object(0)->name, "kept");
    EXPECT_EQ(e.card().object(0), text);  // not reloaded: the same object
    EXPECT_EQ(e.manager().slot(0, 0).objectCount, 1);
}

TEST(ObjectManager, RegionsRoundTripWithNamesAndMargins)
{
    DesignEditor e;
    e.card().setRegionSize(300, 200);
    e.manager().setLiveRegion({0, 0});
    e.manager().createGraphic(nullptr, 1, 1);
    e.manager().createText(10, 10)->lines = {"hello"};
    e.manager().createBox(20, 20);
    e.manager().createGraphic(nullptr, 1, 1);
    e.manager().createEllipse(30, 30);
    e.card().marginLeft = 3;
    e.card().backImage = makeBitmapPicture(8, 8);

    ASSERT_TRUE(e.showRegion({1, 0}));  // to the back, which is empty
    EXPECT_EQ(e.card().objectCount(), 0);
    EXPECT_TRUE(e.card().backImage.isEmpty());
    EXPECT_EQ(e.card().marginLeft, 8);
    ASSERT_TRUE(e.showRegion({0, 0}));
    EXPECT_EQ(namesOn(e.card()), QStringList({"Graphic1", "Text0", "Shape0", "Graphic3", "Shape1"}));
    EXPECT_EQ(e.card().object(1)->lines, QStringList{"hello"});
    EXPECT_EQ(e.card().marginLeft, 3);
    EXPECT_EQ(e.card().backImage.size(), QSize(8, 8));

    // The empty back region still keeps its margins and has no data.
    EXPECT_EQ(e.manager().slot(1, 0).objectCount, 0);
    EXPECT_TRUE(e.manager().slot(1, 0).data.isEmpty());
}

TEST(ObjectManager, RecordsRunningPastTheRegionDataAreDropped)
{
    DesignEditor e;
    e.card().setRegionSize(300, 200);
    e.manager().setLiveRegion({0, 0});
    e.manager().createBox(1, 1);
    e.manager().createLine(2, 2);
    ASSERT_TRUE(e.storeLiveRegion());
    RegionSlot& slot = e.manager().slot(0, 0);
    slot.objectCount = 5;                      // claims more than it holds
    slot.data.chop(10);                        // and the second record is cut
    slot.dataSize = int32_t(slot.data.size());
    e.manager().detachLiveRegion();
    e.showRegion({0, 0});
    EXPECT_EQ(e.card().objectCount(), 1);
}

TEST(ObjectManager, GraphicScalesToHundredPixels)
{
    DesignEditor e;
    Picture wide = makeBitmapPicture(400, 200);
    Picture tall = makeBitmapPicture(200, 400);
    EXPECT_EQ(e.manager().createGraphic(&wide, 0, 0)->rect().size(), QSize(100, 50));
    EXPECT_EQ(e.manager().createGraphic(&tall, 0, 0)->rect().size(), QSize(50, 100));
    EXPECT_EQ(e.manager().createGraphic(nullptr, 0, 0)->rect().size(), QSize(100, 100));
}

TEST(ObjectManager, DefaultsCarryOverByKind)
{
    DesignEditor e;
    DesignObject* line = e.manager().createLine(0, 0);
    line->lineSize = 4;
    e.manager().setDefaultsFrom(*line);
    EXPECT_EQ(e.manager().createBox(0, 0)->lineSize, 4);

    DesignObject* box = e.manager().createBox(0, 0);
    box->lineSize = 6;
    box->style = 1;
    e.manager().setDefaultsFrom(*box);
    EXPECT_EQ(e.manager().createLine(0, 0)->lineSize, 4);
    EXPECT_EQ(e.manager().createEllipse(0, 0)->style, 1);
    EXPECT_EQ(e.manager().createLine(0, 0)->style, 0);

    DesignObject* text = e.manager().createText(0, 0);
    text->rotation = 900;
    text->font.setFace("Courier New");
    text->foreColor = 0xFF;
    e.manager().setDefaultsFrom(*text);
    DesignObject* next = e.manager().createText(0, 0);
    EXPECT_EQ(next->rotation, 900);
    EXPECT_EQ(next->font.face(), "Courier New");
    EXPECT_EQ(next->foreColor, 0xFF);
    EXPECT_EQ(next->lines, QStringList{"Text"});
}

TEST(ObjectManager, Passwords)
{
    DesignEditor e;
    EXPECT_TRUE(e.manager().checkPassword("anything"));
    e.manager().setPassword("secret");
    EXPECT_TRUE(e.manager().hasPassword());
    EXPECT_TRUE(e.manager().checkPassword("secret"));
    EXPECT_FALSE(e.manager().checkPassword("Secret"));
    EXPECT_FALSE(e.manager().checkPassword(""));
    e.manager().setPassword("eightchr");
    EXPECT_TRUE(e.manager().checkPassword("eightchr"));
    e.manager().setPassword("");
    EXPECT_FALSE(e.manager().hasPassword());
}

TEST(ObjectManager, ShowingARegionThatDoesNotExistChangesNothingAndSaysNothing)
{
    MessageRecorder messages;
    DesignEditor e;
    e.manager().setLiveRegion({0, 0});
    e.manager().createText(0, 0);
    EXPECT_TRUE(e.showRegion({2, 0}));
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(e.card().objectCount(), 1);
    EXPECT_EQ(e.manager().liveRegion(), (RegionId{0, 0}));
}
