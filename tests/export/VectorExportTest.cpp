// SVG and PDF export: vector files of a region at its true size, text kept as
// text and bar codes as rectangles whose widths are the modules' own.

#include <gtest/gtest.h>

#include "ShippedDesigns.h"
#include "WriteFailures.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <cmath>
#include <map>

#include "PdfProbe.h"
#include "export/PictureExport.h"
#include "gdi/Canvas.h"
#include "render/BarCode.h"

namespace {



struct SvgRect {
    double x, y, width, height;  // in the SVG's own units, after the group's transform
};

// The filled rectangles of an SVG written by QSvgGenerator (which puts each
// state's transform on a group) and its <text> elements' contents.
struct SvgContent {
    double widthMm = 0, heightMm = 0;
    std::vector<SvgRect> rects;
    QStringList texts;
};

SvgContent readSvg(const QByteArray& svg)
{
    SvgContent content;
    QXmlStreamReader xml(svg);
    std::vector<QTransform> transforms{QTransform()};
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto attributes = xml.attributes();
            QTransform transform = transforms.back();
            static const QRegularExpression matrix(QStringLiteral("matrix\\(([^)]*)\\)"));
            const auto match = matrix.match(attributes.value("transform").toString());
            if (match.hasMatch()) {
                const QStringList v = match.captured(1).split(',');
                transform = QTransform(v[0].toDouble(), v[1].toDouble(), v[2].toDouble(), v[3].toDouble(),
                                       v[4].toDouble(), v[5].toDouble()) * transform;
            }
            transforms.push_back(transform);
            if (xml.name() == QLatin1String("svg")) {
                content.widthMm = attributes.value("width").toString().remove("mm").toDouble();
                content.heightMm = attributes.value("height").toString().remove("mm").toDouble();
            } else if (xml.name() == QLatin1String("rect")) {
                const QRectF r = transform.mapRect(QRectF(attributes.value("x").toDouble(), attributes.value("y").toDouble(),
                                                         attributes.value("width").toDouble(),
                                                         attributes.value("height").toDouble()));
                content.rects.push_back({r.x(), r.y(), r.width(), r.height()});
            } else if (xml.name() == QLatin1String("text")) {
                content.texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
                transforms.pop_back();
            }
        } else if (xml.isEndElement()) {
            transforms.pop_back();
        }
    }
    return content;
}

// A Code 39 bar code without digits and a line of text, drawn on a card of
// 300 x 120 design units at the zoom.
void paintCodeAndText(QPainter& painter, int zoom)
{
    Canvas canvas(painter);
    canvas.fillRect(QRect(0, 0, 300 * zoom / 100, 120 * zoom / 100), Qt::white);
    BarCodeOptions options;
    options.type = BarCodeType::Code39;
    options.drawText = false;
    options.zoom = zoom;
    options.barWidth = 2;
    drawBarCode(canvas, Edges{10 * zoom / 100, 10 * zoom / 100, 290 * zoom / 100, 80 * zoom / 100}, "AB12", options);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12 * zoom / 100);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(10 * zoom / 100, 110 * zoom / 100), QStringLiteral("Hello label"));
}

class VectorExport : public testing::TestWithParam<int> {
protected:
    QByteArray exportAt(ExportFormat format, int zoom)
    {
        const QString path = m_dir.filePath("out");
        ExportOptions options;
        options.zoom = zoom;
        EXPECT_TRUE(exportPicture(path, format, QSize(300 * zoom / 100, 120 * zoom / 100),
                                  [zoom](QPainter& p) { paintCodeAndText(p, zoom); }, options));
        return fileBytes(path);
    }
    QTemporaryDir m_dir;
};

} // namespace

TEST_P(VectorExport, SvgKeepsTheModulesTheTextAndTheTrueSize)
{
    const int zoom = GetParam();
    const SvgContent svg = readSvg(exportAt(ExportFormat::Svg, zoom));
    // 300 x 120 design units are 3 x 1.2 inches whatever the zoom.
    EXPECT_NEAR(svg.widthMm, 76.2, 0.01);
    EXPECT_NEAR(svg.heightMm, 30.48, 0.01);
    EXPECT_TRUE(svg.texts.contains("Hello label")) << svg.texts.join('|').toStdString();

    // Every bar is one rectangle; laid side by side on the module grid they
    // spell the symbology's own pattern.
    std::vector<SvgRect> bars;
    for (const SvgRect& r : svg.rects)
        if (r.width < 100 * zoom / 100.0)  // not the card's white ground
            bars.push_back(r);
    ASSERT_FALSE(bars.empty());
    std::sort(bars.begin(), bars.end(), [](const SvgRect& a, const SvgRect& b) { return a.x < b.x; });
    const QString modules = encodeCode39("AB12").modules;
    // The drawing stretches the pattern a little into its frame (its width
    // holds two units of room); the grid itself must be exact.
    const double module = (bars.back().x + bars.back().width - bars.front().x) / modules.size();
    EXPECT_NEAR(module, 2.0 * zoom / 100, 0.04 * zoom / 100);
    QString rebuilt(modules.size(), '0');
    for (const SvgRect& bar : bars) {
        const double first = (bar.x - bars.front().x) / module;
        const double count = bar.width / module;
        ASSERT_NEAR(first, std::round(first), 0.01);
        ASSERT_NEAR(count, std::round(count), 0.01);
        for (int i = int(std::round(first)); i < int(std::round(first + count)) && i < rebuilt.size(); ++i)
            rebuilt[i] = '2';
    }
    // The pattern starts with a bar, so its first module is the first rectangle's.
    EXPECT_EQ(rebuilt, modules);
}

TEST_P(VectorExport, PdfIsOnePageOfTheTrueSizeWithRealText)
{
    const int zoom = GetParam();
    const QString path = m_dir.filePath("out.pdf");
    ASSERT_TRUE(writeBytes(path, exportAt(ExportFormat::Pdf, zoom)));
    const PdfText pdf = readPdfText(path);
    EXPECT_EQ(pdf.pageCount, 1);
    EXPECT_NEAR(pdf.pageWidth, 216, 0.5);  // 3 in
    EXPECT_NEAR(pdf.pageHeight, 86.4, 0.5);
    const auto hello = pdf.find("Hello");
    ASSERT_TRUE(hello);
    // The baseline at 1.1 in from the top; the word's box ends just below it.
    EXPECT_NEAR(hello->left, 7.2, 1.0);
    EXPECT_NEAR(hello->bottom, 79.2, 3.0);
}

INSTANTIATE_TEST_SUITE_P(Zooms, VectorExport, testing::Values(100, 300));
