// stickwell-cli render: a region of a design as a picture file.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "CliRunner.h"
#include "PdfProbe.h"
#include "RenderTestSupport.h"
#include "WriteFailures.h"
#include "examples/ExampleDesigns.h"
#include "export/RegionExport.h"
#include "model/DesignObject.h"

namespace {

class RenderCommand : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ExampleDesign design{"card.lpd", exampleLayout("card", 350, 200), [](DesignBuilder& b, ObjectManager&) {
                                 b.shape(ObjectKind::Box, {100, 40, 50, 30}, 1).backColor = 0xFF0000;
                             }};
        designPath = dir.filePath("card.lpd");
        ASSERT_TRUE(writeExample(design, designPath));
    }
    QString out(const QString& name) const { return dir.filePath(name); }
    CliResult render(const QString& output, const QStringList& extra = {}) const
    {
        return runCli(QStringList{"render", designPath, "-o", output} + extra);
    }

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
        const CliResult run = render(png, c.extra);
        ASSERT_EQ(run.exitCode, 0) << run.err.constData();
        const QImage image(png);
        EXPECT_EQ(image.size(), c.size);
    }
    // The front's box is there, in its place, at zoom 200; no grid, no margins.
    ASSERT_EQ(render(out("front.png"), {"--zoom", "200"}).exitCode, 0);
    const QImage front(out("front.png"));
    EXPECT_TRUE(QRect(200, 80, 100, 60).contains(pixelBounds(front, isBlueish)));
    // The zoom-100 drawing scaled by two: the one-unit pen becomes two pixels
    // centred on the outline at 100 and 149 units (200 and 298 pixels).
    EXPECT_EQ(pixelBounds(front, isDark), QRect(QPoint(199, 79), QPoint(298, 138)));
}

TEST_F(RenderCommand, WritesEveryPictureFormatByExtension)
{
    struct Case {
        const char* name;
        QByteArray magic;
        int offset;
    };
    for (const Case& c : {Case{"card.bmp", "BM", 0}, Case{"card.jpg", "\xFF\xD8", 0}, Case{"card.JPEG", "\xFF\xD8", 0},
                          Case{"card.emf", " EMF", 40}, Case{"card.WMF", " EMF", 40}, Case{"card.Png", "\x89PNG", 0}}) {
        SCOPED_TRACE(c.name);
        const CliResult run = render(out(c.name), {"--quality", "40", "--progressive"});
        ASSERT_EQ(run.exitCode, 0) << run.err.constData();
        EXPECT_EQ(fileBytes(out(c.name)).mid(c.offset, c.magic.size()), c.magic);
    }
    // --progressive asks for a progressive JPEG (start-of-frame marker C2).
    EXPECT_TRUE(fileBytes(out("card.jpg")).contains("\xFF\xC2"));
    ASSERT_EQ(render(out("plain.jpg")).exitCode, 0);
    EXPECT_FALSE(fileBytes(out("plain.jpg")).contains("\xFF\xC2"));

    const QImage bmp(out("card.bmp"));
    EXPECT_EQ(bmp.size(), QSize(350, 200));
    EXPECT_EQ(fileBytes(out("card.bmp")).at(28), 24);  // bits per pixel

    // --format names the format whatever the file is called, and standard output is a file too.
    ASSERT_EQ(render(out("picture.data"), {"--format", "JPG"}).exitCode, 0);
    EXPECT_TRUE(fileBytes(out("picture.data")).startsWith("\xFF\xD8"));
    const CliResult piped = render("/dev/stdout", {"--format", "png"});
    ASSERT_EQ(piped.exitCode, 0) << piped.err.constData();
    EXPECT_EQ(QImage::fromData(piped.out, "PNG").size(), QSize(350, 200));
}

TEST_F(RenderCommand, RefusesBadDesignsArgumentsAndOutputs)
{
    ASSERT_TRUE(writeBytes(out("junk.lpd"), "not a design file at all"));
    const CliResult refused = runCli({"render", out("junk.lpd"), "-o", out("x.png")});
    EXPECT_EQ(refused.exitCode, 3);
    EXPECT_TRUE(refused.err.contains("invalid version stamp")) << refused.err.constData();
    EXPECT_EQ(runCli({"render", out("none.lpd"), "-o", out("x.png")}).exitCode, 3);

    const CliResult unwritable = render(out("no/such/folder/x.png"));
    EXPECT_EQ(unwritable.exitCode, 4);
    EXPECT_TRUE(unwritable.errText().trimmed().endsWith(exportSaveErrorText())) << unwritable.err.constData();
    EXPECT_EQ(exportSaveErrorText(), "An error occurred saving the specified file.\n\nBe sure to choose a valid "
                                     "filename on a non-write protected disk.");

    struct Case {
        QStringList extra;
        const char* message;
    };
    const Case cases[] = {
        {{"--zoom", "0"}, "--zoom takes a percentage from 1 to 1000"},
        {{"--zoom", "5000"}, "--zoom takes a percentage from 1 to 1000"},
        {{"--zoom", "x"}, "--zoom takes a percentage from 1 to 1000"},
        {{"--region", "2"}, "the design has no region 2"},
        {{"--quality", "0"}, "--quality takes a number from 1 to 100"},
        {{"--quality", "101"}, "--quality takes a number from 1 to 100"},
        {{"--quality", "200"}, "--quality takes a number from 1 to 100"},
        {{"--quality", "good"}, "--quality takes a number from 1 to 100"},
        {{"--format", "gif"}, "--format takes one of png, bmp, jpg, jpeg, emf, wmf, svg, pdf"},
        {{"--bogus"}, "unknown option --bogus"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.extra.join(' ').toStdString());
        const CliResult run = render(out("x.png"), c.extra);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.constData();
    }
    EXPECT_EQ(runCli({"render", designPath}).exitCode, 2);
    EXPECT_FALSE(QFile::exists(out("x.png")));
}

// A picture is only ever written in a format render knows, named by the
// output's extension: anything else used to become a bitmap under a false name.
TEST_F(RenderCommand, RefusesExtensionsItDoesNotWrite)
{
    for (const char* name : {"x.gif", "x.tiff", "x.eps", "x.lpd", "x", "x.png.txt"}) {
        SCOPED_TRACE(name);
        const CliResult run = render(out(name));
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains("name the output .png, .bmp, .jpg, .jpeg, .emf, .wmf, .svg or .pdf, or give --format"))
            << run.err.constData();
        EXPECT_FALSE(QFile::exists(out(name)));
    }
    // A device has no extension: the format must be named.
    const CliResult device = render("/dev/null");
    EXPECT_EQ(device.exitCode, 2);
    EXPECT_TRUE(device.err.contains("/dev/null has no picture extension: give --format")) << device.err.constData();
}

} // namespace

// Vector files keep the region's true size whatever the zoom, and its text as text.
TEST_F(RenderCommand, SvgAndPdfHoldTheRegionAtItsTrueSize)
{
    const QString picture = QStringLiteral(STICKWELL_SOURCE_DIR "/data/examples/picture-and-codes.lpd");
    for (const char* zoom : {"100", "250"}) {
        SCOPED_TRACE(zoom);
        const CliResult pdfRun = runCli({"render", picture, "-o", out("card.pdf"), "--zoom", zoom});
        ASSERT_EQ(pdfRun.exitCode, 0) << pdfRun.err.constData();
        const PdfText pdf = readPdfText(out("card.pdf"));
        EXPECT_EQ(pdf.pageCount, 1);
        EXPECT_NEAR(pdf.pageWidth, 252, 0.5);  // 3.5 x 2 in
        EXPECT_NEAR(pdf.pageHeight, 144, 0.5);
        EXPECT_TRUE(pdf.find("Main"));

        const CliResult svgRun = runCli({"render", picture, "-o", out("card.SVG"), "--zoom", zoom});
        ASSERT_EQ(svgRun.exitCode, 0) << svgRun.err.constData();
        QFile svg(out("card.SVG"));
        ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
        const QByteArray text = svg.readAll();
        EXPECT_TRUE(text.contains("<svg width=\"88.9mm\" height=\"50.8mm\"")) << text.left(200).constData();
        EXPECT_TRUE(text.contains(">Main Street</text>"));
    }
    // Through a pipe the format is named.
    const CliResult piped = runCli({"render", picture, "-o", "/dev/stdout", "--format", "svg"});
    EXPECT_EQ(piped.exitCode, 0);
    EXPECT_TRUE(piped.out.startsWith("<?xml"));
}
