// The open dialog's preview, end to end on design files.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "RenderTestSupport.h"
#include "model/DesignObject.h"
#include "examples/ExampleDesigns.h"
#include "export/DesignPreview.h"

namespace {

TEST(DesignPreview, ScalesTheFirstRegionToTheRectangle)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("card.lpd");
    ASSERT_TRUE(writeExample({"card.lpd", exampleLayout("card", 350, 200),
                              [](DesignBuilder& b, ObjectManager&) {
                                  b.shape(ObjectKind::Box, {0, 0, 350, 200}, 1).backColor = 0xFF0000;
                              }},
                             path));
    TestSurface s(360, 300);
    // factor = (360 − 10) / 350 = 1: zoom 100, offset (300 − 200) / 2 = 50, left 6.
    EXPECT_TRUE(drawDesignPreview(path, *s.canvas, QRect(0, 0, 360, 300)));
    const QRect ink = pixelBounds(s.done(), isBlueish);
    EXPECT_EQ(ink.left(), 6 + 1);
    EXPECT_EQ(ink.top(), 50 + 1);
    EXPECT_EQ(ink.width(), 350 - 2);

    QFile junk(dir.filePath("junk.lpd"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(600, 'x'));
    junk.close();
    TestSurface t(100, 100);
    EXPECT_FALSE(drawDesignPreview(junk.fileName(), *t.canvas, QRect(0, 0, 100, 100)));
    EXPECT_FALSE(drawDesignPreview(dir.filePath("missing.lpd"), *t.canvas, QRect(0, 0, 100, 100)));
}

} // namespace
