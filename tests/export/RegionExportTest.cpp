// The render command and the open dialog's preview, end to end on design files.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "RenderTestSupport.h"
#include "model/ObjectData.h"
#include "render/CardPainter.h"
#include "examples/ExampleDesigns.h"
#include "export/DesignPreview.h"
#include "export/RegionExport.h"

namespace {

struct CliRun {
    int status = -1;
    QString err;
};

CliRun runCli(const QStringList& args)
{
    QProcess cli;
    cli.setProgram(QCoreApplication::applicationDirPath() + "/../stickwell-cli");
    cli.setArguments(args);
    cli.start();
    cli.waitForFinished(60000);
    return {cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1,
            QString::fromLocal8Bit(cli.readAllStandardError()).trimmed()};
}

class RenderCommand : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        if (!QFile::exists(QCoreApplication::applicationDirPath() + "/../stickwell-cli"))
            GTEST_SKIP() << "stickwell-cli is not built";
        ExampleDesign design{"card.lpd", exampleLayout("card", 350, 200), [](DesignBuilder& b, ObjectManager&) {
                                 b.shape(ObjectKind::Box, {100, 40, 50, 30}, 1).backColor = 0xFF0000;
                             }};
        designPath = dir.filePath("card.lpd");
        ASSERT_TRUE(writeExample(design, designPath));
    }
    QString out(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    QString designPath;
};

TEST_F(RenderCommand, WritesThePngAtTheZoom)
{
    struct Case {
        QStringList extra;
        QSize size;
    };
    for (const Case& c : {Case{{}, {350, 200}}, Case{{"--zoom", "200"}, {700, 400}}, Case{{"--zoom", "25"}, {87, 50}},
                          Case{{"--region", "1", "--zoom", "50"}, {175, 100}}}) {
        SCOPED_TRACE(c.extra.join(' ').toStdString());
        const QString png = out("card.png");
        QFile::remove(png);
        const CliRun run = runCli(QStringList{"render", designPath, "-o", png} + c.extra);
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        const QImage image(png);
        EXPECT_EQ(image.size(), c.size);
    }
    // The front's box is there, in its place, at zoom 200; no grid, no margins.
    ASSERT_EQ(runCli({"render", designPath, "-o", out("front.png"), "--zoom", "200"}).status, 0);
    const QImage front(out("front.png"));
    EXPECT_TRUE(QRect(200, 80, 100, 60).contains(pixelBounds(front, isBlueish)));
    // The 2-pixel pen is centred on the outline that runs at 200..299 and 80..139.
    EXPECT_EQ(pixelBounds(front, isDark), QRect(QPoint(199, 79), QPoint(299, 139)));
}

TEST_F(RenderCommand, WritesEveryPictureFormatByExtension)
{
    struct Case {
        const char* name;
        QByteArray magic;
        int offset;
    };
    for (const Case& c : {Case{"card.bmp", "BM", 0}, Case{"card.jpg", "\xFF\xD8", 0}, Case{"card.emf", " EMF", 40},
                          Case{"card.WMF", " EMF", 40}}) {
        SCOPED_TRACE(c.name);
        const CliRun run = runCli({"render", designPath, "-o", out(c.name), "--quality", "40", "--progressive"});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        QFile file(out(c.name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll().mid(c.offset, c.magic.size()), c.magic);
    }
    // --progressive asks for a progressive JPEG (start-of-frame marker C2).
    QFile progressive(out("card.jpg"));
    ASSERT_TRUE(progressive.open(QIODevice::ReadOnly));
    EXPECT_TRUE(progressive.readAll().contains("\xFF\xC2"));
    ASSERT_EQ(runCli({"render", designPath, "-o", out("plain.jpg")}).status, 0);
    QFile plain(out("plain.jpg"));
    ASSERT_TRUE(plain.open(QIODevice::ReadOnly));
    EXPECT_FALSE(plain.readAll().contains("\xFF\xC2"));

    const QImage bmp(out("card.bmp"));
    EXPECT_EQ(bmp.size(), QSize(350, 200));
    QFile bmpFile(out("card.bmp"));
    ASSERT_TRUE(bmpFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(bmpFile.readAll().at(28), 24);  // bits per pixel
}

TEST_F(RenderCommand, RefusesBadDesignsArgumentsAndOutputs)
{
    QFile junk(out("junk.lpd"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a design file at all");
    junk.close();

    const CliRun refused = runCli({"render", junk.fileName(), "-o", out("x.png")});
    EXPECT_EQ(refused.status, 3);
    EXPECT_TRUE(refused.err.contains("invalid version stamp")) << refused.err.toStdString();

    const CliRun missing = runCli({"render", out("none.lpd"), "-o", out("x.png")});
    EXPECT_EQ(missing.status, 3);

    const CliRun unwritable = runCli({"render", designPath, "-o", out("no/such/folder/x.png")});
    EXPECT_EQ(unwritable.status, 4);
    EXPECT_TRUE(unwritable.err.endsWith(exportSaveErrorText())) << unwritable.err.toStdString();
    EXPECT_EQ(exportSaveErrorText(), "An error occurred saving the specified file.\n\nBe sure to choose a valid "
                                     "filename on a non-write protected disk.");

    for (const QStringList& bad : {QStringList{"--zoom", "0"}, QStringList{"--zoom", "5000"},
                                   QStringList{"--zoom", "x"}, QStringList{"--region", "2"}, QStringList{"--bogus"}}) {
        SCOPED_TRACE(bad.join(' ').toStdString());
        EXPECT_EQ(runCli(QStringList{"render", designPath, "-o", out("x.png")} + bad).status, 2);
    }
    EXPECT_EQ(runCli({"render", designPath}).status, 2);
    EXPECT_FALSE(QFile::exists(out("x.png")));
}

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
