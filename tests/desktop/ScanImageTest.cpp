#include <gtest/gtest.h>

#include "desktop/ScanImage.h"

namespace {

ScanFrameFormat frame(ScanFrameFormat::Kind kind, int pixels, int lines, int depth, int bytesPerLine)
{
    ScanFrameFormat f;
    f.kind = kind;
    f.pixelsPerLine = pixels;
    f.lines = lines;
    f.depth = depth;
    f.bytesPerLine = bytesPerLine;
    return f;
}

using K = ScanFrameFormat::Kind;

} // namespace

TEST(ScanImage, ImpossibleOrHugeFramesAreRefusedBeforeAnythingIsAllocated)
{
    const struct {
        const char* what;
        ScanFrameFormat format;
    } cases[] = {
        {"absurd size", frame(K::Rgb, 2000000, 2000000, 8, 6000000)},
        {"too many bytes", frame(K::Gray, 30000, 30000, 8, 30000)},
        {"lines shorter than pixels", frame(K::Rgb, 100, 10, 8, 200)},
        {"odd depth", frame(K::Gray, 10, 10, 3, 10)},
        {"no pixels", frame(K::Gray, 0, 10, 8, 10)},
        {"negative bytes", frame(K::Gray, 10, 10, 8, -1)},
        {"no lines", frame(K::Gray, 10, 0, 8, 10)},
        {"bad unknown height", frame(K::Gray, 10, -5, 8, 10)},
    };
    for (const auto& c : cases) {
        ScanImageBuilder builder;
        EXPECT_FALSE(builder.beginFrame(c.format)) << c.what;
        EXPECT_FALSE(builder.error().isEmpty()) << c.what;
        EXPECT_TRUE(builder.image().isNull()) << c.what;
    }
}

TEST(ScanImage, SamplesOfEveryDepthBecomeColours)
{
    {  // 8-bit RGB, sent in odd pieces
        ScanImageBuilder b;
        ASSERT_TRUE(b.beginFrame(frame(K::Rgb, 2, 1, 8, 6)));
        const char data[] = {char(255), 0, 0, 0, char(128), char(255)};
        ASSERT_TRUE(b.addData(data, 1));
        ASSERT_TRUE(b.addData(data + 1, 5));
        b.endFrame();
        EXPECT_EQ(b.image().pixel(0, 0), qRgb(255, 0, 0));
        EXPECT_EQ(b.image().pixel(1, 0), qRgb(0, 128, 255));
    }
    {  // 1-bit grey: a set bit is black; the line is padded to a byte
        ScanImageBuilder b;
        ASSERT_TRUE(b.beginFrame(frame(K::Gray, 3, 1, 1, 1)));
        const char data[] = {char(0b10100000)};
        ASSERT_TRUE(b.addData(data, 1));
        EXPECT_EQ(b.image().pixel(0, 0), qRgb(0, 0, 0));
        EXPECT_EQ(b.image().pixel(1, 0), qRgb(255, 255, 255));
        EXPECT_EQ(b.image().pixel(2, 0), qRgb(0, 0, 0));
    }
    {  // 16-bit grey, little-endian: the high byte counts
        ScanImageBuilder b;
        ASSERT_TRUE(b.beginFrame(frame(K::Gray, 1, 1, 16, 2)));
        const char data[] = {char(0x34), char(0x80)};
        ASSERT_TRUE(b.addData(data, 2));
        EXPECT_EQ(b.image().pixel(0, 0), qRgb(0x80, 0x80, 0x80));
    }
}

TEST(ScanImage, ThreePassFramesMakeOneColourPicture)
{
    ScanImageBuilder b;
    const char red[] = {char(200)}, green[] = {char(100)}, blue[] = {char(50)};
    for (const auto& [kind, data] : {std::pair{K::Red, red}, std::pair{K::Green, green}, std::pair{K::Blue, blue}}) {
        ASSERT_TRUE(b.beginFrame(frame(kind, 1, 1, 8, 1)));
        ASSERT_TRUE(b.addData(data, 1));
        b.endFrame();
    }
    EXPECT_EQ(b.image().pixel(0, 0), qRgb(200, 100, 50));

    ScanImageBuilder mismatched;
    ASSERT_TRUE(mismatched.beginFrame(frame(K::Red, 4, 2, 8, 4)));
    EXPECT_FALSE(mismatched.beginFrame(frame(K::Green, 5, 2, 8, 5))) << "a later frame of another width";
}

TEST(ScanImage, MoreDataThanTheFrameSaidIsRefused)
{
    ScanImageBuilder b;
    ASSERT_TRUE(b.beginFrame(frame(K::Gray, 2, 1, 8, 2)));
    const char data[] = {1, 2, 3};
    EXPECT_FALSE(b.addData(data, 3));
    EXPECT_FALSE(b.error().isEmpty());
}

TEST(ScanImage, AnUnknownHeightEndsWhereTheDataEnds)
{
    ScanImageBuilder b;
    ASSERT_TRUE(b.beginFrame(frame(K::Gray, 2, -1, 8, 2)));
    const QByteArray lines(2 * 300 + 1, char(90));  // 300 whole lines and a piece
    ASSERT_TRUE(b.addData(lines.constData(), int(lines.size())));
    b.endFrame();
    EXPECT_EQ(b.image().size(), QSize(2, 300));
    EXPECT_EQ(b.image().pixel(1, 299), qRgb(90, 90, 90));
}
