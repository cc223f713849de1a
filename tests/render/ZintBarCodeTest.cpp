// The bar codes libzint encodes: each symbol's module grid matches what the
// zint program itself makes of the same text, and text no symbol can hold
// draws the placeholder.

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>

#include "RenderTestSupport.h"
#include "render/ZintBarCode.h"

namespace {

using Grid = std::vector<QString>;  // one string of '0' and '1' per row

// The module grid of "zint --dump": rows of hexadecimal bytes, most significant bit first.
Grid zintDump(int symbology, const QString& text, bool gs1)
{
    QProcess zint;
    QStringList args{"-b", QString::number(symbology), "--dump", "-d", text};
    if (gs1)
        args << "--gs1";
    zint.start("zint", args);
    zint.waitForFinished(30000);
    Grid grid;
    for (const QString& line : QString::fromLatin1(zint.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)) {
        QString row;
        for (const QString& byte : line.split(' ', Qt::SkipEmptyParts))
            row += QStringLiteral("%1").arg(byte.toInt(nullptr, 16), byte.size() * 4, 2, QChar('0'));
        grid.push_back(row);
    }
    return grid;
}

// Our symbol sampled at the centre of every module of a grid of rows x columns.
Grid sampled(const ZintSymbol& symbol, int rows, int columns)
{
    Grid grid;
    const double rowHeight = symbol.size.height() / rows;
    for (int r = 0; r < rows; ++r) {
        QString row;
        for (int c = 0; c < columns; ++c) {
            const QPointF centre(c + 0.5, (r + 0.5) * rowHeight);
            const bool dark = std::any_of(symbol.bars.begin(), symbol.bars.end(),
                                          [&](const QRectF& bar) { return bar.contains(centre); });
            row += dark ? '1' : '0';
        }
        grid.push_back(row);
    }
    return grid;
}

} // namespace

TEST(ZintBarCode, ModulesMatchTheZintProgram)
{
    if (QStandardPaths::findExecutable("zint").isEmpty())
        GTEST_SKIP() << "zint is not installed";
    const struct {
        int type;
        int symbology;  // zint's number for it
        const char* text;
        bool gs1;
    } cases[] = {
        {BarCodeType::QrCode, 58, "https://example.com/label?id=42", false},
        {BarCodeType::DataMatrix, 71, "Data Matrix 42", false},
        {BarCodeType::Code128, 20, "Code-128 abc", false},
        {BarCodeType::Gs1_128, 16, "[01]09501101530003[17]250101", true},
        {BarCodeType::Pdf417, 55, "PDF417 label", false},
        {BarCodeType::UspsIntelligentMail, 85, "01234567094987654321", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<ZintSymbol> symbol = encodeZintSymbol(QString::fromLatin1(c.text), c.type);
        ASSERT_TRUE(symbol);
        const Grid expected = zintDump(c.symbology, QString::fromLatin1(c.text), c.gs1);
        ASSERT_FALSE(expected.empty());
        const int columns = int(symbol->size.width());
        Grid want;
        for (const QString& row : expected)
            want.push_back(row.left(columns));
        EXPECT_EQ(sampled(*symbol, int(want.size()), columns), want);
    }
}

TEST(ZintBarCode, LinearKindsShowTheirHumanReadableText)
{
    EXPECT_EQ(encodeZintSymbol("[01]09501101530003", BarCodeType::Gs1_128)->humanText, "(01)09501101530003");
    EXPECT_EQ(encodeZintSymbol("Code-128", BarCodeType::Code128)->humanText, "Code-128");
    EXPECT_TRUE(encodeZintSymbol("Code-128", BarCodeType::Code128)->linear);
    EXPECT_FALSE(encodeZintSymbol("QR", BarCodeType::QrCode)->linear);
}

TEST(ZintBarCode, TextNoSymbolHoldsDrawsThePlaceholder)
{
    const struct {
        int type;
        QString text;
    } cases[] = {
        {BarCodeType::UspsIntelligentMail, "not digits"},
        {BarCodeType::UspsIntelligentMail, "0123"},
        {BarCodeType::Gs1_128, "no application identifier"},
        {BarCodeType::Code128, ""},
        {BarCodeType::QrCode, QString(9000, '7')},
        {BarCodeType::DataMatrix, QString(5000, 'x')},
        {BarCodeType::Ean13, "not a zint kind"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.left(30).toStdString());
        EXPECT_FALSE(encodeZintSymbol(c.text, c.type));
        if (!isZintBarCodeType(c.type))
            continue;
        TestSurface surface(400, 200);
        BarCodeOptions options;
        options.type = c.type;
        BarCodeGeometry geometry;
        EXPECT_FALSE(drawBarCode(*surface.canvas, Edges{10, 10, 390, 190}, c.text, options, &geometry));
        EXPECT_FALSE(geometry.drawn);
    }
}

TEST(ZintBarCode, ModulesFollowTheBarWidthAndTheZoom)
{
    for (const auto& [barWidth, zoom] : {std::pair{2, 100}, std::pair{3, 200}, std::pair{4, 50}}) {
        SCOPED_TRACE(barWidth * 1000 + zoom);
        TestSurface surface(600, 400);
        BarCodeOptions options;
        options.type = BarCodeType::DataMatrix;
        options.barWidth = barWidth;
        options.zoom = zoom;
        BarCodeGeometry geometry;
        ASSERT_TRUE(drawBarCode(*surface.canvas, Edges{10, 10, 590, 390}, "Data Matrix 42", options, &geometry));
        const QImage& image = surface.done();
        // "Data Matrix 42" is a 16 x 16 symbol: its dark modules span the whole of it.
        const int expected = 16 * barWidth * zoom / 100;
        EXPECT_EQ(pixelBounds(image, isDark).size(), QSize(expected, expected));
        EXPECT_EQ(geometry.destination.size(), QSize(expected, expected));
    }
}
