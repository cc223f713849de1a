// The sheet engine: pagination from any start cell, cell rectangles in print
// and preview mode, crop and corner marks, header and footer, PDF pages.

#include <gtest/gtest.h>

#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <limits>
#include <stdexcept>

#include "PdfProbe.h"
#include "print/SheetPrinter.h"

namespace {

struct RecordedCell {
    int element;
    int rec;
    QRect rect;
};

// A 100 dpi device: one dot is a hundredth of an inch, so positions read as design units.
DeviceMetrics hundredDpi(int offX = 0, int offY = 0)
{
    DeviceMetrics m;
    m.dpiX = m.dpiY = 100;
    m.pageWidth = 850;
    m.pageHeight = 1100;
    m.offsetX = offX;
    m.offsetY = offY;
    return m;
}

void setGrid(SheetPrinter& printer, int rows, int columns)
{
    SheetGrid& o = printer.grid;
    o.rows = rows;
    o.columns = columns;
    o.columnWidth = 2.625;
    o.rowHeight = 1.0;
    o.columnSpace = 0.125;
    o.rowSpace = 0;
    o.marginLeft = 0.1875;
    o.marginTop = 0.5;
    o.marginRight = 0.1875;
    o.marginBottom = 0.5;
}

std::vector<RecordedCell> composePage(SheetPrinter& printer, int page, bool preview, QImage* out = nullptr)
{
    std::vector<RecordedCell> cells;
    printer.onDrawElement = [&cells](SheetPrinter&, int element, int rec, const QRect& r, QPainter&) {
        cells.push_back({element, rec, r});
    };
    const DeviceMetrics& m = printer.deviceMetrics();
    QImage image(preview ? m.pageWidth : m.pageWidth - 2 * m.offsetX,
                 preview ? m.pageHeight : m.pageHeight - 2 * m.offsetY, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        printer.drawPage(painter, page, preview);
    }
    if (out)
        *out = image;
    return cells;
}

// Black ink only: the preview outlines the printable area in red.
bool dark(const QImage& image, int x, int y) { return qRed(image.pixel(x, y)) < 128 && qGray(image.pixel(x, y)) < 128; }

} // namespace

struct PaginationCase {
    int rows, columns, first, total;
    int pages;
    // per page: first element, first rec, cell count
    std::vector<std::array<int, 3>> perPage;
};

class PaginationTest : public testing::TestWithParam<PaginationCase> {};

TEST_P(PaginationTest, OffersTheRightCellsOnEveryPage)
{
    const PaginationCase& c = GetParam();
    SheetPrinter printer;
    setGrid(printer, c.rows, c.columns);
    printer.beginRun(c.first, c.total);
    ASSERT_EQ(printer.pageCount(), c.pages);
    for (int page = 0; page < c.pages; ++page) {
        const auto cells = printer.pageCells(page);
        ASSERT_EQ(int(cells.size()), c.perPage[size_t(page)][2]) << "page " << page;
        for (size_t i = 0; i < cells.size(); ++i) {
            EXPECT_EQ(cells[i].element, c.perPage[size_t(page)][0] + int(i));
            EXPECT_EQ(cells[i].rec, c.perPage[size_t(page)][1] + int(i));
            EXPECT_EQ(cells[i].row, (cells[i].element - 1) / c.columns + 1);
            EXPECT_EQ(cells[i].column, (cells[i].element - 1) % c.columns + 1);
        }
    }
    EXPECT_TRUE(printer.pageCells(c.pages).empty());
}

INSTANTIATE_TEST_SUITE_P(Runs, PaginationTest,
                         testing::Values(PaginationCase{10, 3, 5, 30, 1, {{5, 1, 26}}},
                                         PaginationCase{10, 3, 5, 60, 2, {{5, 1, 26}, {1, 27, 30}}},
                                         PaginationCase{10, 3, 1, 45, 2, {{1, 1, 30}, {1, 31, 15}}},
                                         PaginationCase{10, 3, 5, 10, 1, {{5, 1, 10}}},
                                         PaginationCase{1, 1, 1, 3, 3, {{1, 1, 1}, {1, 2, 1}, {1, 3, 1}}},
                                         PaginationCase{2, 2, 1, 0, 0, {}}));

// Counts near the int range must neither wrap round (a negative page count
// printed nothing and passed for done) nor need memory per cell.
TEST(PaginationLimitsTest, RunsAndGridsNearTheIntRangeKeepTheirPages)
{
    SheetPrinter printer;
    setGrid(printer, 10, 3);
    printer.beginRun(1, 2147483640);  // --quantity 2147483611 on 30-up sheets
    ASSERT_EQ(printer.pageCount(), 71582788);
    const auto last = printer.pageCells(71582787);
    ASSERT_EQ(last.size(), 30u);
    EXPECT_EQ(last.front().element, 1);
    EXPECT_EQ(last.front().rec, 2147483611);
    EXPECT_EQ(last.back().rec, 2147483640);
    EXPECT_TRUE(printer.pageCells(71582788).empty());

    setGrid(printer, 65536, 65536);  // more cells than an int counts
    printer.beginRun(1, 100);
    EXPECT_EQ(printer.cellsPerPage(), std::numeric_limits<int>::max());
    EXPECT_EQ(printer.pageCount(), 1);
    const auto cells = printer.pageCells(0);
    ASSERT_EQ(cells.size(), 100u);
    EXPECT_EQ(cells.back().row, 1);
    EXPECT_EQ(cells.back().column, 100);
}

// Lengths of a grid on a paper of any size turn into dots without wrapping round.
TEST(PaginationLimitsTest, DotsAreHeldWithinTheIntRange)
{
    SheetPrinter printer;
    printer.setDeviceMetrics(hundredDpi());
    EXPECT_EQ(printer.unitToX(2.62), 262);
    EXPECT_EQ(printer.unitToY(-0.5), -50);
    EXPECT_EQ(printer.unitToX(1e12), std::numeric_limits<int>::max());
    EXPECT_EQ(printer.unitToY(-1e12), std::numeric_limits<int>::min());
    EXPECT_EQ(printer.unitToX(std::numeric_limits<double>::quiet_NaN()), 0);
}

// Printing reports a failure rather than a document with pages missing, or none.
TEST(PaginationLimitsTest, NothingPrintedOrAFailedPageIsNoSuccess)
{
    QTemporaryDir dir;
    QPdfWriter writer(dir.filePath("p.pdf"));
    SheetPrinter printer;
    setGrid(printer, 2, 2);
    printer.setDevice(&writer);
    int drawn = 0;
    printer.onDrawElement = [&drawn](SheetPrinter&, int element, int, const QRect&, QPainter&) {
        ++drawn;
        if (element == 3)
            throw std::runtime_error("drawing failed");
    };

    printer.beginRun(1, 0);
    EXPECT_FALSE(printer.print());

    printer.beginRun(1, 8);
    EXPECT_FALSE(printer.print());
    EXPECT_TRUE(printer.composeFailed());
    EXPECT_EQ(drawn, 3);  // the run stops at the failed page
    printer.setDeviceMetrics(hundredDpi());
    EXPECT_TRUE(printer.previewPageImage(0, 85, 110).isNull());

    printer.beginRun(1, 2);
    EXPECT_FALSE(printer.composeFailed());
    EXPECT_TRUE(printer.print());
}

TEST(PreviewPrinterTest, CellRectanglesFollowTheGridAndShiftByThePrintableOffset)
{
    SheetPrinter printer;
    setGrid(printer, 10, 3);
    printer.beginRun(1, 30);
    printer.setDeviceMetrics(hundredDpi(25, 20));
    const auto preview = composePage(printer, 0, true);
    const auto printed = composePage(printer, 0, false);
    ASSERT_EQ(preview.size(), 30u);
    ASSERT_EQ(printed.size(), 30u);
    // Third column of the second row: 0.1875 + 2 × 2.75 in across, 0.5 + 1 in down.
    EXPECT_EQ(preview[5].rect, QRect(569, 150, 262, 100));
    EXPECT_EQ(printed[5].rect, preview[5].rect.translated(-25, -20));
    EXPECT_EQ(preview[29].rect, QRect(569, 950, 262, 100));
}

TEST(PreviewPrinterTest, NoHandlerGivesBlankPages)
{
    SheetPrinter printer;
    setGrid(printer, 2, 2);
    printer.grid.cropMarks = true;
    printer.beginRun(1, 4);
    printer.setDeviceMetrics(hundredDpi());
    QImage image(850, 1100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    printer.drawPage(painter, 0, true);
    painter.end();
    QImage blank(850, 1100, QImage::Format_RGB32);
    blank.fill(Qt::white);
    EXPECT_EQ(image, blank);
}

TEST(PreviewPrinterTest, ZeroGapCropMarksCoincideBetweenCells)
{
    SheetPrinter printer;
    SheetGrid& o = printer.grid;
    o.rows = o.columns = 2;
    o.columnWidth = o.rowHeight = 2;
    o.marginLeft = o.marginTop = 1;
    o.marginRight = 3.5;
    o.marginBottom = 6;
    o.cropMarks = true;
    printer.beginRun(1, 4);
    printer.setDeviceMetrics(hundredDpi());
    QImage image;
    composePage(printer, 0, true, &image);
    // Along the top edge, marks stand at x = 100, 300 and 500 only.
    std::vector<int> xs;
    for (int x = 0; x < image.width(); ++x)
        if (dark(image, x, 5))
            xs.push_back(x);
    EXPECT_EQ(xs, (std::vector<int>{100, 300, 500}));
    std::vector<int> ys;
    for (int y = 0; y < image.height(); ++y)
        if (dark(image, 5, y))
            ys.push_back(y);
    EXPECT_EQ(ys, (std::vector<int>{100, 300, 500}));
    // The marks along the right edge end at the paper's right edge (850).
    EXPECT_TRUE(dark(image, 849, 300));
    EXPECT_TRUE(dark(image, 850 - 12, 300));
    EXPECT_FALSE(dark(image, 850 - 14, 300));
}

TEST(PreviewPrinterTest, CropMarksReachAnEighthIntoThePrintableArea)
{
    SheetPrinter printer;
    setGrid(printer, 10, 3);
    printer.grid.cropMarks = true;
    printer.beginRun(1, 30);
    printer.setDeviceMetrics(hundredDpi(25, 25));
    QImage preview, printed;
    composePage(printer, 0, true, &preview);
    composePage(printer, 0, false, &printed);
    const auto markLength = [](const QImage& image, int x) {
        int y = 0;
        // Any ink: the preview's red outline crosses the mark.
        while (y < image.height() && image.pixel(x, y) != qRgb(255, 255, 255))
            ++y;
        return y;
    };
    // Column 1's right edge: 2.8125 in on the paper, 2.5625 in from the printable edge.
    EXPECT_EQ(markLength(preview, 281), 25 + 12);  // from the paper edge, 3/8 in
    EXPECT_EQ(markLength(printed, 256), 12);      // from the printable edge, 1/8 in
}

TEST(PreviewPrinterTest, CornerMarksPointIntoEveryCell)
{
    SheetPrinter printer;
    setGrid(printer, 2, 2);
    printer.grid.cornerMarks = true;
    printer.beginRun(1, 4);
    printer.setDeviceMetrics(hundredDpi());
    QImage image;
    const auto cells = composePage(printer, 0, true, &image);
    for (const RecordedCell& cell : cells) {
        const QRect r = cell.rect;
        const int right = r.left() + r.width(), bottom = r.top() + r.height();
        for (const QPoint p : {QPoint(r.left() + 10, r.top()), QPoint(r.left(), r.top() + 10),
                               QPoint(right - 10, r.top()), QPoint(right, r.top() + 10),
                               QPoint(r.left() + 10, bottom), QPoint(right, bottom - 10)})
            EXPECT_TRUE(dark(image, p.x(), p.y())) << p.x() << "," << p.y();
        // The arms stop at 1/8 inch: the middle of an edge stays clear.
        EXPECT_FALSE(dark(image, r.center().x(), r.top()));
        EXPECT_FALSE(dark(image, r.left(), r.center().y()));
    }
}

TEST(PreviewPrinterTest, HeaderAndFooterSitAtThePrintableEdges)
{
    SheetPrinter printer;
    setGrid(printer, 1, 1);
    printer.grid.header = "HEADER";
    printer.grid.footer = "FOOTER";
    printer.beginRun(1, 1);
    printer.setDeviceMetrics(hundredDpi(30, 40));
    QImage image;
    composePage(printer, 0, false, &image);
    const auto inkRows = [&image](int fromY, int toY) {
        std::vector<int> rows;
        for (int y = fromY; y < toY; ++y)
            for (int x = 0; x < 200; ++x)
                if (dark(image, x, y)) {
                    rows.push_back(y);
                    break;
                }
        return rows;
    };
    const auto header = inkRows(0, 60);
    ASSERT_FALSE(header.empty());
    EXPECT_LT(header.front(), 10);
    // Footer: its box ends offY above the printable bottom.
    const auto footer = inkRows(image.height() - 120, image.height());
    ASSERT_FALSE(footer.empty());
    EXPECT_LE(footer.back(), image.height() - 40);
    EXPECT_GT(footer.back(), image.height() - 40 - 20);
}

TEST(PreviewPrinterTest, DeviceMetricsComeFromThePageLayout)
{
    QTemporaryDir dir;
    QPdfWriter writer(dir.filePath("m.pdf"));
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                     QMarginsF(0.25, 0.5, 0.25, 0.5), QPageLayout::Inch));
    const DeviceMetrics m = DeviceMetrics::fromDevice(writer);
    EXPECT_EQ(m.dpiX, 300);
    EXPECT_EQ(m.dpiY, 300);
    EXPECT_EQ(m.pageWidth, 2550);
    EXPECT_EQ(m.pageHeight, 3300);
    EXPECT_EQ(m.offsetX, 75);
    EXPECT_EQ(m.offsetY, 150);
}

TEST(PreviewPrinterTest, PrintsOnePdfPagePerSheetWithTheCellsInPlace)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("sheets.pdf");
    QPdfWriter writer(path);
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
    SheetPrinter printer;
    setGrid(printer, 10, 3);
    printer.setDevice(&writer);
    printer.beginRun(29, 45);
    std::vector<int> progress;
    printer.onProgress = [&progress](int done, int) { progress.push_back(done); };
    printer.onDrawElement = [](SheetPrinter&, int element, int rec, const QRect& r, QPainter& canvas) {
        QFont font("Liberation Sans");
        font.setPixelSize(30);
        canvas.setFont(font);
        canvas.drawText(r.topLeft() + QPoint(0, 40), QString("cell%1rec%2").arg(element).arg(rec));
    };
    ASSERT_TRUE(printer.print());
    EXPECT_EQ(progress, (std::vector<int>{1, 2}));
    const PdfText text = readPdfText(path);
    ASSERT_EQ(text.pageCount, 2);
    const auto first = text.find("cell29rec1");
    ASSERT_TRUE(first);
    EXPECT_EQ(first->page, 0);
    EXPECT_NEAR(first->left, (0.1875 + 2.75) * 72, 1.5);
    EXPECT_GT(first->top, (0.5 + 9) * 72);
    EXPECT_LT(first->top, (0.5 + 10) * 72);
    const auto last = text.find("cell30rec32");
    ASSERT_TRUE(last);
    EXPECT_EQ(last->page, 1);
}
