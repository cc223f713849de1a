#include <gtest/gtest.h>

#include <QImage>

#include "imaging/Picture.h"
#include "ui/editing/PropertyValues.h"

namespace V = PropertyValues;

TEST(PropertyValues, TheSizeAndPositionBoxes)
{
    // The boxes are design units: what is typed is what the object gets.
    EXPECT_EQ(V::typedRect({150, 10, 60, 30}, 225, std::nullopt, std::nullopt, std::nullopt), QRect(225, 10, 60, 30));
    EXPECT_EQ(V::typedRect({10, 10, 60, 30}, std::nullopt, 7, 40, -5), QRect(10, 7, 40, 0)) << "no negative size";
    EXPECT_EQ(V::integerIn("abc"), std::nullopt);
    EXPECT_EQ(V::integerIn(" 12 "), 12);
    EXPECT_EQ(V::integerIn("1.5"), std::nullopt);
}

TEST(PropertyValues, ColourListsKnowTheSixteenNamedColours)
{
    ASSERT_EQ(V::namedColors().size(), 16u);
    EXPECT_STREQ(V::namedColors()[9].name, "Red");
    EXPECT_EQ(V::namedColorIndex(0x0000FF), 9);  // red in the low byte
    EXPECT_EQ(V::namedColorIndex(0xFFFFFF), 15);
    EXPECT_EQ(V::namedColorIndex(0x123456), -1);
}

TEST(PropertyValues, StyleListsShowAndPackTheTextStyleWord)
{
    // A bar code, EAN-13, text shown (stored −1), bar width 0 shown as "2".
    V::StyleLists lists = V::styleLists(2, 4, -1, 0);
    EXPECT_EQ(lists.params[0].label, "Type:");
    EXPECT_EQ(lists.params[0].selected, 4);
    EXPECT_EQ(lists.params[1].items[lists.params[1].selected], "Yes");
    EXPECT_EQ(lists.params[2].items[lists.params[2].selected], "2");
    EXPECT_EQ(V::packTextStyle(2, lists, {4, 1, 1}, 0x00FF0402), 0x02010402);
    // Arc text from −180 degrees (stored −1 shows as −180), the third list hidden.
    lists = V::styleLists(3, 1, -1, 0);
    EXPECT_EQ(lists.params[1].items[lists.params[1].selected], "-180");
    EXPECT_FALSE(lists.params[2].visible);
    EXPECT_EQ(V::packTextStyle(3, lists, {1, 3, 0}, 0), 0x00060103);
    // Plain text: hidden lists pack 0.
    lists = V::styleLists(1, 0, 0, 0);
    EXPECT_FALSE(lists.params[0].visible);
    EXPECT_EQ(lists.params[0].items.front(), "<<None>>");
    EXPECT_EQ(V::packTextStyle(0, lists, {0, 0, 0}, 0x02010402), 0);
    // A word the lists do not know keeps its bytes.
    EXPECT_EQ(V::packTextStyle(-1, lists, {0, 0, 0}, 0x7F), 0x7F);
    // A new bar-code style starts as PostNet, shown text, width 2.
    lists = V::styleListsForNewStyle(2);
    EXPECT_EQ(V::packTextStyle(2, lists, {lists.params[0].selected, lists.params[1].selected, lists.params[2].selected}, 1),
              0x02010002);
}

TEST(PropertyValues, PictureInformation)
{
    EXPECT_EQ(V::colorDepthText(24), "24 bit (16 Million Colors)");
    EXPECT_EQ(V::storedSizeText(24, 100, 10), "3040 bytes");
    EXPECT_EQ(V::colorDepthText(1), "1 bit (2 color)");
    EXPECT_EQ(V::storedSizeText(1, 10, 10), "88 bytes");  // 4 × 10 + 8 + 40
    EXPECT_EQ(V::storedSizeText(8, 3, 2), "1072 bytes");  // 4 × 2 + 1024 + 40
    EXPECT_EQ(V::colorDepthText(2), "Custom Color Depth");
    EXPECT_EQ(V::storedSizeText(2, 3, 2), "Unknown");

    QImage image(100, 10, QImage::Format_RGB888);
    image.fill(Qt::red);
    Picture picture;
    picture.setBitmap(image);
    EXPECT_EQ(V::pictureTypeText(picture), "Bitmap (BMP)");
    EXPECT_EQ(V::pictureSizeText(picture), "100 x 10");
    EXPECT_EQ(V::bitmapBitsPerPixel(picture), 24);
}

TEST(PropertyValues, AspectButtons)
{
    // A 300 × 100 picture shown 120 wide becomes 40 high.
    EXPECT_EQ(V::aspectFromWidth({120, 77}, {300, 100}), QSize(120, 40));
    EXPECT_EQ(V::aspectFromHeight({120, 50}, {300, 100}), QSize(150, 50));
    EXPECT_EQ(V::aspectFromWidth({120, 77}, {0, 100}), QSize(120, 77));
}

TEST(PropertyValues, FontChoicesKeepTheBytesOfWhatDidNotChange)
{
    LogFont stored;
    stored.setFace("Liberation Sans");
    stored.height = -17;  // not a whole point size: 12.75 pt
    stored.width = 7;
    stored.charSet = 0;
    stored.quality = 3;
    stored.pitchAndFamily = 0x22;
    stored.faceName[30] = 'x';  // bytes after the name's end

    const QFont offered = V::dialogFont(stored);
    QFont chosen = offered;
    chosen.setItalic(true);
    LogFont after = V::fontAfterDialog(stored, offered, chosen);
    LogFont expected = stored;
    expected.italic = 1;
    EXPECT_EQ(after.toBytes(), expected.toBytes());

    // The page: same face and size, only bold ticked.
    after = V::fontFromPage(stored, "Liberation Sans", stored.pointSize(), true, false, false, false);
    expected = stored;
    expected.weight = 700;
    EXPECT_EQ(after.toBytes(), expected.toBytes());
    // Nothing changed at all: the same bytes.
    EXPECT_EQ(V::fontFromPage(stored, "Liberation Sans", stored.pointSize(), false, false, false, false).toBytes(),
              stored.toBytes());
    // No face or no size: both stay.
    EXPECT_EQ(V::fontFromPage(stored, QString(), 20, false, false, false, false).height, -17);
    after = V::fontFromPage(stored, "Liberation Serif", 20, false, false, false, false);
    EXPECT_EQ(after.face(), "Liberation Serif");
    EXPECT_EQ(after.pointSize(), 20);
    EXPECT_EQ(after.width, 7);
    EXPECT_EQ(after.quality, 3);
}

TEST(PropertyValues, TextBoxLineEnds)
{
    EXPECT_EQ(V::entryToBox("a\r\nb"), "a\nb");
    EXPECT_EQ(V::boxToEntry("a\nb"), "a\r\nb");
    EXPECT_EQ(V::boxToEntry(V::entryToBox("x\r\ny\r\n")), "x\r\ny\r\n");
}
