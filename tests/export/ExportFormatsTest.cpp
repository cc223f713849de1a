// Export to bitmap, JPEG and enhanced metafile: the files are what their
// extension says, at the card's pixel size, and the metafile plays back with
// the shapes where the card has them.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "RenderTestSupport.h"
#include "model/Card.h"
#include "model/DesignObject.h"
#include "model/ObjectManager.h"
#include "metafile/EmfPlayer.h"
#include "examples/ExampleDesigns.h"
#include "export/RegionExport.h"
#include "render/RegionRender.h"

namespace {

struct ExportFixture : testing::Test {
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        design.layout = exampleLayout("card", 350, 200);
        design.build = [](DesignBuilder& b, ObjectManager&) {
            b.shape(ObjectKind::Box, {100, 40, 50, 30}, 1).backColor = 0xFF0000;
            b.text({20, 120, 200, 40}, "Exported text");
        };
        buildExample(manager, design);
        ASSERT_TRUE(showRegionByIndex(manager, design.layout, 0));
    }
    // At zoom 200 unless the settings name another.
    QByteArray write(const QString& name, ExportOptions settings = {})
    {
        if (settings.zoom == ExportOptions{}.zoom)
            settings.zoom = 200;
        const QString path = dir.filePath(name);
        EXPECT_TRUE(exportCard(surface, path, settings));
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    Card surface;
    ObjectManager manager{surface};
    ExampleDesign design;
};

TEST_F(ExportFixture, BitmapAndJpegAreCardSized)
{
    for (const char* name : {"card.bmp", "card.jpg", "card.png", "card"}) {
        SCOPED_TRACE(name);
        const QByteArray bytes = write(name, {90, true});
        const QImage image = QImage::fromData(bytes);
        EXPECT_EQ(image.size(), QSize(700, 400));
        // The box's blue fill survives every format.
        EXPECT_TRUE(isBlueish(image.pixel(250, 110)));
        EXPECT_TRUE(isWhite(image.pixel(650, 350)));
    }
    EXPECT_TRUE(write("card.bmp").startsWith("BM"));
    EXPECT_TRUE(write("card.JPG").startsWith("\xFF\xD8"));
    // Quality changes the JPEG.
    EXPECT_NE(write("low.jpg", {5, false}).size(), write("high.jpg", {95, false}).size());
}

TEST_F(ExportFixture, MetafilePlaysBackWithShapesInPlace)
{
    for (const char* name : {"card.emf", "card.wmf"}) {
        SCOPED_TRACE(name);
        const QByteArray emf = write(name);
        ASSERT_GT(emf.size(), 88);
        EXPECT_EQ(emf.mid(40, 4), QByteArray(" EMF"));  // an enhanced metafile whatever the extension
        QImage image(700, 400, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        ASSERT_TRUE(drawMetafile(painter, QRectF(0, 0, 700, 400), emf));
        painter.end();
        if (qEnvironmentVariableIsSet("STICKWELL_KEEP_RENDERS"))
            image.save(QStringLiteral("/tmp/played-%1.png").arg(name));
        const QRect fill = pixelBounds(image, isBlueish);
        EXPECT_NEAR(fill.left(), 201, 2);
        EXPECT_NEAR(fill.top(), 81, 2);
        EXPECT_NEAR(fill.right(), 298, 2);
        EXPECT_NEAR(fill.bottom(), 138, 2);
        // The text is there below the box.
        EXPECT_FALSE(pixelBounds(image.copy(40, 240, 400, 80), isDark).isNull());
    }
}

} // namespace

namespace {

TEST(ExampleExport, EveryExampleWritesAPlayableMetafile)
{
    QTemporaryDir dir;
    for (const ExampleDesign& design : exampleDesigns()) {
        SCOPED_TRACE(design.fileName.toStdString());
        Card surface;
        ObjectManager manager(surface);
        buildExample(manager, design);
        ASSERT_TRUE(showRegionByIndex(manager, design.layout, 0));
        surface.baseImage = design.layout.stockType;
        const QString path = dir.filePath(design.fileName + ".emf");
        ASSERT_TRUE(exportCard(surface, path));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QImage image(cardPixelSize(surface, 100), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        EXPECT_TRUE(drawMetafile(painter, QRectF(image.rect()), file.readAll()));
        painter.end();
        if (qEnvironmentVariableIsSet("STICKWELL_KEEP_RENDERS"))
            image.save("/tmp/played-" + design.fileName + ".png");
        EXPECT_FALSE(pixelBounds(image, isDark).isNull());
    }
}

} // namespace
