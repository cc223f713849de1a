// Bar codes drawn through the whole object path are read back by zbarimg.

#include <gtest/gtest.h>

#include <QProcess>
#include <cstdio>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "RenderTestSupport.h"
#include "model/Card.h"
#include "model/DesignObject.h"
#include "model/ObjectManager.h"
#include "render/BarCode.h"
#include "examples/ExampleDesigns.h"
#include "render/RegionRender.h"

namespace {

struct DecodeCase {
    int type;
    const char* text;
    const char* symbology;  // zbar's name
    const char* expected;   // what zbar reports, check digit included
    int barWidth;
};

// Renders one bar code object on a card at the zoom into a PNG file.
QString renderCode(const DecodeCase& c, int zoom, const QTemporaryDir& dir)
{
    Card surface;
    ObjectManager manager(surface);
    ExampleDesign design{"x.lpd", exampleLayout("bar code", 800, 160),
                         [&](DesignBuilder& b, ObjectManager&) {
                             b.barCode({40, 20, 720, 120}, QString::fromUtf8(c.text), c.type, true, c.barWidth);
                         }};
    buildExample(manager, design);
    LayoutRecord layout = design.layout;
    EXPECT_TRUE(showRegionByIndex(manager, layout, 0));
    const QImage image = renderCardImage(surface, exportPaintOptions(), zoom);
    const QString path = dir.filePath(QStringLiteral("code-%1-%2-%3.png").arg(c.type).arg(zoom).arg(qHash(QString::fromLatin1(c.text))));
    EXPECT_TRUE(image.save(path));
    return path;
}

QString run(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// zbar's "SYMBOLOGY:data" lines.
QString decode(const DecodeCase& c, int zoom, const QTemporaryDir& dir, const QStringList& extra = {})
{
    return run("zbarimg", QStringList{"--nodbus", "-q"} + extra + QStringList{renderCode(c, zoom, dir)});
}

class BarCodeDecode : public testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("zbarimg").isEmpty())
            GTEST_SKIP() << "zbarimg (zbar-tools) is not installed";
        ASSERT_TRUE(dir.isValid());
        // Keep the pictures for a look when a decode fails.
        if (qEnvironmentVariableIsSet("STICKWELL_KEEP_RENDERS")) {
            dir.setAutoRemove(false);
            std::printf("bar code pictures in %s\n", qPrintable(dir.path()));
        }
    }
    QTemporaryDir dir;
};

TEST_F(BarCodeDecode, ReadsBackEveryLinearSymbologyAtTwoZooms)
{
    const DecodeCase cases[] = {
        {BarCodeType::UpcA, "03600029145", "EAN-13", "0036000291452", 2},
        {BarCodeType::UpcA, "01234567890", "EAN-13", "0012345678905", 1},
        {BarCodeType::Ean8, "9638507", "EAN-8", "96385074", 2},
        {BarCodeType::Ean8, "963 8507", "EAN-8", "96385074", 3},
        {BarCodeType::Ean13, "400638133393", "EAN-13", "4006381333931", 2},
        {BarCodeType::Ean13, "978014300723", "EAN-13", "9780143007234", 1},
        {BarCodeType::Code39, "abc-123", "CODE-39", "ABC-123", 2},
        {BarCodeType::Code39, "0123456789ABCDEFGHIJ", "CODE-39", "0123456789ABCDEFGHIJ", 2},
        {BarCodeType::Code39, "KLMNOPQRSTUVWXYZ-. $/+%", "CODE-39", "KLMNOPQRSTUVWXYZ-. $/+%", 2},
        {BarCodeType::Code39, "WIDE 3", "CODE-39", "WIDE 3", 3},
    };
    for (int zoom : {200, 400})
        for (const DecodeCase& c : cases) {
            SCOPED_TRACE(QStringLiteral("%1 at %2").arg(c.text).arg(zoom).toStdString());
            EXPECT_EQ(decode(c, zoom, dir), QStringLiteral("%1:%2").arg(c.symbology, c.expected));
        }
}

TEST_F(BarCodeDecode, ReadsBackTheLibzintKindsZbarKnowsAtZoom100And300)
{
    const DecodeCase cases[] = {
        {BarCodeType::QrCode, "https://example.com/label?id=42", "QR-Code", "https://example.com/label?id=42", 3},
        {BarCodeType::QrCode, "Gr\xc3\xbc\xc3\x9f Gott", "QR-Code", "Gr\xc3\xbc\xc3\x9f Gott", 4},
        {BarCodeType::Code128, "Code-128 abc", "CODE-128", "Code-128 abc", 2},
        {BarCodeType::Code128, "1234567890", "CODE-128", "1234567890", 1},
        // zbar gives the data without the leading FNC1 and the brackets.
        {BarCodeType::Gs1_128, "[01]09501101530003[17]250101", "CODE-128", "010950110153000317250101", 2},
    };
    for (int zoom : {100, 300})
        for (const DecodeCase& c : cases) {
            SCOPED_TRACE(QStringLiteral("%1 at %2").arg(QString::fromUtf8(c.text)).arg(zoom).toStdString());
            EXPECT_EQ(decode(c, zoom, dir), QStringLiteral("%1:%2").arg(c.symbology, QString::fromUtf8(c.expected)));
        }
}

TEST_F(BarCodeDecode, DataMatrixReadsBackWithDmtxread)
{
    if (QStandardPaths::findExecutable("dmtxread").isEmpty())
        GTEST_SKIP() << "dmtxread (dmtx-utils) is not installed";
    const DecodeCase cases[] = {
        {BarCodeType::DataMatrix, "Data Matrix 42", "", "Data Matrix 42", 3},
        {BarCodeType::DataMatrix, "0123456789012345678901234567890123456789", "", "0123456789012345678901234567890123456789", 2},
    };
    for (int zoom : {100, 300})
        for (const DecodeCase& c : cases) {
            SCOPED_TRACE(QStringLiteral("%1 at %2").arg(c.text).arg(zoom).toStdString());
            EXPECT_EQ(run("dmtxread", {"-N", "1", renderCode(c, zoom, dir)}), QString::fromLatin1(c.expected));
        }
}

TEST_F(BarCodeDecode, UpcAReadsAsTwelveDigitsWhenAskedFor)
{
    const DecodeCase c{BarCodeType::UpcA, "03600029145", "UPC-A", "036000291452", 2};
    EXPECT_EQ(decode(c, 200, dir, {"-Supca.enable"}), QStringLiteral("UPC-A:036000291452"));
}

} // namespace
