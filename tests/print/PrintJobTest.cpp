// The print job, read back from the PDF it writes: which element lands in
// which cell on which page, record indexes, backs behind fronts, folded cards,
// non-printing objects, zoom, paper and orientation, the dialog's checks.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <new>

#include "PrintFixtures.h"
#include "base/ByteStream.h"
#include "files/DesignFile.h"
#include "print/DesignPrinting.h"
#include "print/PrintTexts.h"
#include "print/SheetSetup.h"

namespace {

// word text → (page, cell)
std::map<QString, std::pair<int, int>> placements(const PdfText& text, const LayoutRecord& layout,
                                                  const QString& prefix)
{
    std::map<QString, std::pair<int, int>> found;
    for (const PdfWord& w : text.words)
        if (w.text.startsWith(prefix))
            found[w.text] = {w.page, cellOfWord(w, layout)};
    return found;
}

PrintSettings elements(int quantity, int startCell = 1)
{
    PrintSettings s;
    s.quantity = quantity;
    s.startCell = startCell;
    s.setOrientation = true;
    return s;
}

} // namespace

struct PlacementCase {
    const char* name;
    int startCell;
    int quantity;
    int pages;
};

class PlacementTest : public testing::TestWithParam<PlacementCase> {};

TEST_P(PlacementTest, EveryElementLandsInItsCellAndPage)
{
    const PlacementCase& c = GetParam();
    QTemporaryDir dir;
    TestDesign design(thirtyUpLayout());
    design.addText("E#n");
    const PrintedPdf pdf = printToPdf(design, elements(c.quantity, c.startCell), dir.path());
    ASSERT_TRUE(pdf.result.printed) << qPrintable(pdf.result.error);
    EXPECT_EQ(pdf.text.pageCount, c.pages);
    EXPECT_EQ(pdf.result.pages, c.pages);
    const auto found = placements(pdf.text, design.layout, "E");
    EXPECT_EQ(int(found.size()), c.quantity);
    for (int n = 1; n <= c.quantity; ++n) {
        const int slot = n + c.startCell - 2;  // 0-based across the run
        const auto it = found.find(QString("E%1").arg(n));
        ASSERT_NE(it, found.end()) << "element " << n;
        EXPECT_EQ(it->second.first, slot / 30) << "element " << n;
        EXPECT_EQ(it->second.second, slot % 30 + 1) << "element " << n;
    }
}

INSTANTIATE_TEST_SUITE_P(Runs, PlacementTest,
                         testing::Values(PlacementCase{"StartFiveTen", 5, 10, 1},
                                         PlacementCase{"ThreePages", 1, 90, 3},
                                         PlacementCase{"SpillsOntoSecondSheet", 25, 10, 2},
                                         PlacementCase{"LastCell", 30, 1, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PrintJobTest, PagesQuantityBecomesElements)
{
    EXPECT_EQ(quantityInElements(3, true, 30), 90);
    EXPECT_EQ(quantityInElements(3, false, 30), 3);
    EXPECT_EQ(totalSlots(10, 5, 30), 30);
    EXPECT_EQ(totalSlots(90, 1, 30), 90);
    EXPECT_EQ(totalSlots(27, 5, 30), 60);
}

TEST(PrintJobTest, RecordIndexFollowsTheStartRecord)
{
    QTemporaryDir dir;
    TestDesign design(thirtyUpLayout());
    design.addText("R#r");
    PrintSettings s = elements(10);
    s.startRecord = 20;
    const PrintedPdf pdf = printToPdf(design, s, dir.path());
    ASSERT_TRUE(pdf.result.printed);
    for (int n = 1; n <= 10; ++n) {
        const auto w = pdf.text.find(QString("R%1").arg(n + 19));
        ASSERT_TRUE(w) << n;
        EXPECT_EQ(cellOfWord(*w, design.layout), n);
    }
}

TEST(PrintJobTest, NonPrintingObjectsStayOffThePaper)
{
    QTemporaryDir dir;
    TestDesign design(thirtyUpLayout());
    design.addText("Shown#n");
    design.addText("Hidden#n", 10, 50, true);
    const PrintedPdf pdf = printToPdf(design, elements(3), dir.path());
    EXPECT_TRUE(pdf.text.find("Shown3"));
    EXPECT_TRUE(placements(pdf.text, design.layout, "Hidden").empty());
}

TEST(PrintJobTest, ZoomOfTheDesignWindowDoesNotChangeThePrint)
{
    QTemporaryDir dir100, dir300;
    TestDesign at100(thirtyUpLayout(), 100), at300(thirtyUpLayout(), 300);
    at100.addText("Z#n", 40, 60);
    at300.addText("Z#n", 40, 60);
    const PrintedPdf a = printToPdf(at100, elements(4), dir100.path());
    const PrintedPdf b = printToPdf(at300, elements(4), dir300.path());
    ASSERT_EQ(a.text.words.size(), 4u);
    ASSERT_EQ(b.text.words.size(), a.text.words.size());
    for (size_t i = 0; i < a.text.words.size(); ++i) {
        EXPECT_EQ(b.text.words[i].text, a.text.words[i].text);
        EXPECT_NEAR(b.text.words[i].left, a.text.words[i].left, 0.01);
        EXPECT_NEAR(b.text.words[i].top, a.text.words[i].top, 0.01);
        EXPECT_NEAR(b.text.words[i].right, a.text.words[i].right, 0.01);
    }
    // The design window's own state is left as it was.
    EXPECT_EQ(at300.editor.card().objectCount(), 1);
    EXPECT_EQ(at300.editor.card().object(0)->left, 40);
}

// A file's zoom of 0 or below loads the design at 100; printing must store it
// back at that zoom too, or every object collapses to nothing.
TEST(PrintJobTest, StoredZoomOutsideTheRangePrintsAsLoaded)
{
    QTemporaryDir dir;
    TestDesign design(thirtyUpLayout());
    design.addText("Z#n", 40, 60);
    ObjectManager& m = design.editor.manager();
    QByteArray bytes = buildDesignFile(m, design.layout, "", 100);
    const QString path = dir.filePath("zoom.lpd");
    const PrintedPdf expected = printToPdf(design, elements(1), dir.path());
    ASSERT_EQ(expected.text.words.size(), 1u);
    for (int32_t zoom : {0, -5}) {
        ByteWriter(bytes).patchI32(8, zoom);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        DesignForPrinting loaded;
        ASSERT_EQ(loaded.load(path), 1);
        const QString out = dir.filePath("zoom.pdf");
        {
            QPdfWriter writer(out);
            writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
            PrintDesign job = loaded.printDesign();
            ASSERT_TRUE(runPrintJob(job, writer, elements(1), numberWritingDrawing()).printed);
        }
        const PdfText text = readPdfText(out);
        ASSERT_EQ(text.words.size(), 1u) << zoom;
        EXPECT_NEAR(text.words[0].left, expected.text.words[0].left, 0.5) << zoom;
        EXPECT_NEAR(text.words[0].top, expected.text.words[0].top, 0.5) << zoom;
    }
}

TEST(PrintJobTest, UnsavedEditsOfTheLiveRegionArePrinted)
{
    QTemporaryDir dir;
    TestDesign design(thirtyUpLayout());
    design.addText("Live#n");
    // Nothing has been stored into the slot yet: the job must store it first.
    EXPECT_EQ(design.editor.manager().slot(0, 0).objectCount, 0);
    const PrintedPdf pdf = printToPdf(design, elements(2), dir.path());
    EXPECT_TRUE(pdf.text.find("Live2"));
}

struct BackCase {
    const char* name;
    bool flip;
    bool interleave;
    BackMapping mapping;
};

class TwoSidedTest : public testing::TestWithParam<BackCase> {};

// A flat, back-printable card 2 rows × 3 columns: each back must land behind
// its front once the paper is turned as the instructions say.
TEST_P(TwoSidedTest, EveryBackLandsBehindItsFront)
{
    const BackCase& c = GetParam();
    LayoutRecord l = thirtyUpLayout();
    l.rows = 2;
    l.backPrintable = 1;
    QTemporaryDir dir;
    TestDesign design(l);
    design.addText("F#n");
    design.goTo(1, 0);
    design.addText("B#n");
    PrintSettings s = elements(12);
    s.side2 = true;
    s.flip = c.flip;
    s.interleave = c.interleave;
    const PrintedPdf pdf = printToPdf(design, s, dir.path());
    ASSERT_TRUE(pdf.result.printed);
    ASSERT_EQ(pdf.text.pageCount, 4);
    const int frontPage[2] = {0, c.interleave ? 2 : 1};
    const int backPage[2] = {c.interleave ? 1 : 2, 3};
    for (int n = 1; n <= 12; ++n) {
        const auto front = pdf.text.find(QString("F%1").arg(n));
        const auto back = pdf.text.find(QString("B%1").arg(n));
        ASSERT_TRUE(front && back) << n;
        const int sheet = (n - 1) / 6;
        EXPECT_EQ(front->page, frontPage[sheet]);
        EXPECT_EQ(back->page, backPage[sheet]);
        const int fc = cellOfWord(*front, l) - 1, bc = cellOfWord(*back, l) - 1;
        const int fr = fc / 3, fcol = fc % 3, br = bc / 3, bcol = bc % 3;
        if (c.mapping == BackMapping::MirrorColumns) {
            EXPECT_EQ(br, fr) << n;
            EXPECT_EQ(bcol, 2 - fcol) << n;
        } else {
            EXPECT_EQ(br, 1 - fr) << n;
            EXPECT_EQ(bcol, fcol) << n;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Turns, TwoSidedTest,
                         testing::Values(BackCase{"TopFlip", false, false, BackMapping::MirrorRows},
                                         BackCase{"SideFlip", true, false, BackMapping::MirrorColumns},
                                         BackCase{"SideFlipInterleaved", true, true, BackMapping::MirrorColumns}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PrintJobTest, ElementNumbersOfBackCells)
{
    // 10 × 3 sheet; cell 1 of the second sheet's back.
    EXPECT_EQ(elementNumberForCell(1, 31, 1, 10, 3, BackMapping::MirrorColumns), 33);
    EXPECT_EQ(elementNumberForCell(1, 31, 1, 10, 3, BackMapping::MirrorRows), 58);
    EXPECT_EQ(elementNumberForCell(30, 30, 1, 10, 3, BackMapping::MirrorRows), 3);
    EXPECT_EQ(elementNumberForCell(7, 12, 0, 10, 3, BackMapping::MirrorRows), 12);
    // The last back of a run near the int range, and a grid of more cells than an int counts.
    EXPECT_EQ(elementNumberForCell(30, 2147483640, 1, 10, 3, BackMapping::MirrorColumns), 2147483638);
    EXPECT_EQ(elementNumberForCell(1, 1, 1, 65536, 65536, BackMapping::MirrorColumns), 65536);
}

struct FoldCase {
    const char* name;
    uint8_t fold;
    int width, height;
};

class FoldedCardTest : public testing::TestWithParam<FoldCase> {};

// Side 1 carries the two inside panels; side 2 only the cover, behind the
// inside cover once the paper turns the way the fold asks.
TEST_P(FoldedCardTest, PanelsLandInTheirHalves)
{
    const FoldCase& c = GetParam();
    LayoutRecord l;
    l.rows = 2;
    l.columns = 2;
    l.elementWidth = c.width;
    l.elementHeight = c.height;
    l.topMargin = 100;
    l.leftMargin = 50;
    l.foldType = c.fold;
    l.backPrintable = 1;
    const bool sideFold = c.fold % 2 == 1;
    QTemporaryDir dir;
    TestDesign design(l);
    // Business cards: slot (0,1) "Inside", (0,0) "Inside Cover", (1,0) "Cover".
    design.addText("InsideCover#n");
    design.goTo(0, 1);
    design.addText("Inside#n");
    design.goTo(1, 0);
    design.addText("Cover#n");
    PrintSettings s = elements(4);
    s.side2 = true;
    const PrintedPdf pdf = printToPdf(design, s, dir.path());
    ASSERT_TRUE(pdf.result.printed);
    ASSERT_EQ(pdf.text.pageCount, 2);
    const int halfX = sideFold ? c.width / 2 : 0, halfY = sideFold ? 0 : c.height / 2;
    for (int n = 1; n <= 4; ++n) {
        const auto insideCover = pdf.text.find(QString("InsideCover%1").arg(n));
        const auto inside = pdf.text.find(QString("Inside%1").arg(n));
        const auto cover = pdf.text.find(QString("Cover%1").arg(n));
        ASSERT_TRUE(insideCover && inside && cover) << n;
        EXPECT_EQ(insideCover->page, 0);
        EXPECT_EQ(cover->page, 1);
        EXPECT_EQ(cellOfWord(*insideCover, l), n);
        EXPECT_EQ(cellOfWord(*inside, l, halfX, halfY), n);
        const int coverCell = cellOfWord(*cover, l, halfX, halfY) - 1;
        const int frontRow = (n - 1) / 2, frontColumn = (n - 1) % 2;
        if (sideFold) {
            EXPECT_EQ(coverCell, frontRow * 2 + (1 - frontColumn)) << n;
        } else {
            EXPECT_EQ(coverCell, (1 - frontRow) * 2 + frontColumn) << n;
        }
    }
    // Nothing but the cover on the second side.
    EXPECT_EQ(pdf.text.onPage(1).size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(Folds, FoldedCardTest,
                         testing::Values(FoldCase{"SideFold", 1, 400, 350}, FoldCase{"TopFold", 2, 350, 400}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PrintJobTest, SecondSideOnlyStartsAtTheFirstCell)
{
    LayoutRecord l = thirtyUpLayout();
    l.backPrintable = 1;
    QTemporaryDir dir;
    TestDesign design(l);
    design.goTo(1, 0);
    design.addText("B#n");
    PrintSettings s = elements(3, 7);
    s.side1 = false;
    s.side2 = true;
    const PrintedPdf pdf = printToPdf(design, s, dir.path());
    ASSERT_TRUE(pdf.result.printed);
    // Top flip: element 1 sits behind cell 1, i.e. in the last row of the back.
    const auto b1 = pdf.text.find("B1");
    ASSERT_TRUE(b1);
    EXPECT_EQ(cellOfWord(*b1, l), 28);
}

TEST(PrintJobTest, BackgroundFillsTheRegionInsideItsMargins)
{
    // Margins from a damaged file may hold anything; the edges stay where sums fit.
    constexpr int kFar = 1 << 24;
    struct Case {
        std::array<int32_t, 4> margins;  // left, right, top, bottom
        QRect expected;
    };
    const Case cases[] = {
        {{5, 7, 3, 11}, QRect(5, 3, 262 - 7 - 5, 100 - 11 - 3)},
        {{INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN}, QRect(-kFar, -kFar, 2 * kFar, 2 * kFar)},
        {{INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX}, QRect(kFar, kFar, -2 * kFar, -2 * kFar)},
    };
    for (const Case& c : cases) {
        Card region;
        region.setRegionSize(262, 100);
        region.marginLeft = c.margins[0];
        region.marginRight = c.margins[1];
        region.marginTop = c.margins[2];
        region.marginBottom = c.margins[3];
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        region.backImage.setBitmap(image);
        QRect drawnInto;
        ObjectDrawing drawing;
        drawing.picture = [&drawnInto](QPainter&, const Picture&, const QRect& r) { drawnInto = r; };
        QImage canvasImage(300, 120, QImage::Format_RGB32);
        QPainter painter(&canvasImage);
        drawRegion(painter, region, ElementNumbers{}, drawing);
        EXPECT_EQ(drawnInto, c.expected) << c.margins[0];
    }
}

TEST(PrintJobTest, PageTakesTheLayoutsPaperAndOrientation)
{
    struct Case {
        uint8_t paper;
        int columns, width, height;
        int paperWidth, paperLength;
        bool setOrientation;
        double pageWidth, pageHeight;  // points
    };
    const Case cases[] = {
        {0, 3, 262, 100, 0, 0, true, 612, 792},        // Letter portrait
        {4, 3, 262, 100, 0, 0, true, 595, 842},        // A4 portrait
        {0, 1, 1100, 850, 0, 0, true, 792, 612},       // wider than the sheet: landscape
        {17, 1, 600, 400, 400, 600, true, 432, 288},   // user defined 4 × 6 in, across
        {0, 1, 1100, 850, 0, 0, false, 595, 842},      // option off: the writer's own page
        {18, 3, 262, 100, 0, 0, true, 595, 842},       // no paper: left alone
    };
    for (const Case& c : cases) {
        LayoutRecord l = thirtyUpLayout();
        l.paperType = c.paper;
        l.rows = 1;
        l.columns = c.columns;
        l.elementWidth = c.width;
        l.elementHeight = c.height;
        l.topMargin = l.leftMargin = 0;
        l.paperWidth = c.paperWidth;
        l.paperLength = c.paperLength;
        QTemporaryDir dir;
        TestDesign design(l);
        design.addText("P");
        PrintSettings s = elements(1);
        s.setOrientation = c.setOrientation;
        const PrintedPdf pdf = printToPdf(design, s, dir.path());
        ASSERT_TRUE(pdf.result.printed) << int(c.paper);
        EXPECT_NEAR(pdf.text.pageWidth, c.pageWidth, 1) << int(c.paper) << " " << c.columns;
        EXPECT_NEAR(pdf.text.pageHeight, c.pageHeight, 1) << int(c.paper) << " " << c.columns;
    }
}

TEST(PrintJobTest, SheetMarginsCompleteThePaperForTheCropMarks)
{
    const SheetGrid o = sheetOptionsForLayout(thirtyUpLayout());
    EXPECT_EQ(o.rows, 10);
    EXPECT_EQ(o.columns, 3);
    EXPECT_DOUBLE_EQ(o.columnWidth, 2.62);
    EXPECT_NEAR(o.marginRight, 8.5 - 0.19 - 3 * 2.62 - 2 * 0.12, 1e-9);
    EXPECT_NEAR(o.marginBottom, 11 - 0.5 - 10, 1e-9);
    // A grid wider than the paper uses it across.
    LayoutRecord wide = thirtyUpLayout();
    wide.rows = 1;
    wide.columns = 1;
    wide.elementWidth = 1000;
    wide.leftMargin = 50;
    const SheetGrid across = sheetOptionsForLayout(wide);
    EXPECT_NEAR(across.marginRight, 11 - 0.5 - 10, 1e-9);
    EXPECT_NEAR(across.marginBottom, 8.5 - 0.5 - 1, 1e-9);
}

TEST(PrintJobTest, DialogChecksComeInItsOrderWithItsTexts)
{
    const LayoutRecord l = thirtyUpLayout();
    struct Case {
        int start, quantity;
        bool side1, side2;
        QString message;
    };
    const Case cases[] = {
        {1, 30, true, false, ""},
        {30, 1, true, false, ""},
        {0, 30, true, false, "Please enter a starting position between 1 and 30."},
        {31, 0, true, false, "Please enter a starting position between 1 and 30."},
        {1, 0, true, false, "Please enter a valid quatity to print."},
        {1, -4, true, false, "Please enter a valid quatity to print."},
        {1, 5, false, false, PrintTexts::NoSide},
        {1, 5, true, true, PrintTexts::NoBackSide},
    };
    for (const Case& c : cases) {
        PrintSettings s = elements(c.quantity, c.start);
        s.side1 = c.side1;
        s.side2 = c.side2;
        EXPECT_EQ(checkPrintSettings(s, l), c.message) << c.start << " " << c.quantity;
    }
    int32_t value = 0;
    EXPECT_EQ(checkStartPosition("x", 30, &value), "Please enter a starting position between 1 and 30.");
    EXPECT_EQ(checkStartPosition(" 12 ", 30, &value), "");
    EXPECT_EQ(value, 12);
    EXPECT_EQ(checkQuantity("2.5", &value), PrintTexts::InvalidQuantity);
}

// A grid is printed only when its cells lie on the paper: a hundred million
// columns once made the job grow past 4 GB without a page.
TEST(PrintJobTest, GridsThatDoNotFitTheirPaperAreRefused)
{
    struct Case {
        const char* what;
        std::function<void(LayoutRecord&)> change;
        bool metric;
        bool fits;
    };
    const Case cases[] = {
        {"thirty up on Letter", [](LayoutRecord&) {}, false, true},
        {"a hundred million columns", [](LayoutRecord& l) { l.columns = 100000000; }, false, false},
        {"65,536 rows", [](LayoutRecord& l) { l.rows = 65536; }, false, false},
        {"most rows and columns", [](LayoutRecord& l) { l.rows = l.columns = INT32_MAX; }, false, false},
        {"within a quarter inch of the edge", [](LayoutRecord& l) { l.leftMargin = 19 + 40; }, false, true},
        {"past a quarter inch", [](LayoutRecord& l) { l.leftMargin = 19 + 50; }, false, false},
        {"starting off the paper", [](LayoutRecord& l) { l.topMargin = -30; }, false, false},
        {"cells that do not step forward", [](LayoutRecord& l) { l.columnSpace = -262; }, false, false},
        {"used across", [](LayoutRecord& l) {
             l.paperType = 17;
             l.paperWidth = 400;
             l.paperLength = 600;
             l.rows = l.columns = 1;
             l.elementWidth = 600;
             l.elementHeight = 400;
             l.topMargin = l.leftMargin = 0;
         }, false, true},
        {"user defined without a size: Letter", [](LayoutRecord& l) { l.paperType = 17; }, false, true},
        {"no paper, taller than Letter", [](LayoutRecord& l) {
             l.paperType = 18;
             l.rows = l.columns = 1;
             l.elementWidth = 800;
             l.elementHeight = 1150;
             l.topMargin = l.leftMargin = 0;
         }, false, false},
        {"no paper, within A4", [](LayoutRecord& l) {
             l.paperType = 18;
             l.rows = l.columns = 1;
             l.elementWidth = 800;
             l.elementHeight = 1150;
             l.topMargin = l.leftMargin = 0;
         }, true, true},
    };
    for (const Case& c : cases) {
        LayoutRecord l = thirtyUpLayout();
        c.change(l);
        EXPECT_EQ(gridFitsPaper(l, c.metric), c.fits) << c.what;
    }
    LayoutRecord wide = thirtyUpLayout();
    wide.columns = 100000000;
    EXPECT_EQ(checkPrintSettings(elements(30), wide), PrintTexts::LayoutDoesNotFitPaper);
}

// A user-defined paper larger than any page (its dots would overflow the device's counts).
TEST(PrintJobTest, UserDefinedPaperHasALongestSide)
{
    struct Case {
        int32_t width, length;
        QString message;
    };
    const Case cases[] = {
        {20000, 20000, ""},  // 200 in
        {850, 20001, PrintTexts::paperTooLarge(200)},
        {2000000000, 2000000000, PrintTexts::paperTooLarge(200)},
        {0, 0, ""},  // no size: the paper assumed for it
    };
    for (const Case& c : cases) {
        LayoutRecord l = thirtyUpLayout();
        l.paperType = 17;
        l.paperWidth = c.width;
        l.paperLength = c.length;
        EXPECT_EQ(checkPrintSettings(elements(1), l), c.message) << c.width << " x " << c.length;
    }
}

// Cells of the smallest size on a paper as large as any: the work of a sheet
// has a bound however large the paper.
TEST(PrintJobTest, SheetsHoldAtMostTwentyThousandElements)
{
    LayoutRecord dots = thirtyUpLayout();
    dots.paperType = 17;
    dots.paperWidth = dots.paperLength = 20000;  // 200 in
    dots.elementWidth = dots.elementHeight = 10;
    dots.columnSpace = dots.rowSpace = 0;
    for (const auto& [side, message] : {std::pair{141, QString()}, std::pair{142, PrintTexts::tooManyElements(20000)}}) {
        dots.rows = dots.columns = side;
        EXPECT_TRUE(gridFitsPaper(dots, false)) << side;
        EXPECT_EQ(checkPrintSettings(elements(1), dots), message) << side;
    }
}

TEST(PrintJobTest, AFailureWhileDrawingFailsTheJob)
{
    QTemporaryDir dir;
    TestDesign design(thirtyUpLayout());
    design.addText("X");
    ObjectDrawing drawing = numberWritingDrawing();
    drawing.object = [](QPainter&, const DesignObject&, const ElementNumbers& e) {
        if (e.n == 40)
            throw std::bad_alloc();
    };
    const PrintedPdf pdf = printToPdf(design, elements(90), dir.path(), drawing);
    EXPECT_FALSE(pdf.result.printed);
    EXPECT_EQ(pdf.result.error, PrintTexts::CannotComposePage);
}

TEST(PrintJobTest, CancellingStopsWithinThePageBeingDrawn)
{
    QTemporaryDir dir;
    TestDesign design(thirtyUpLayout());
    design.addText("X");
    int drawn = 0;
    bool stop = false;
    ObjectDrawing drawing = numberWritingDrawing();
    drawing.object = [&drawn, &stop](QPainter&, const DesignObject&, const ElementNumbers& e) {
        ++drawn;
        stop = stop || e.n == 42;  // the user presses Cancel on the second page
    };
    PrintJobCallbacks callbacks;
    callbacks.keepResponsive = [] {};
    callbacks.cancelled = [&stop] { return stop; };
    QPdfWriter writer(dir.filePath("out.pdf"));
    PrintDesign d = design.printDesign();
    const PrintJobResult result = runPrintJob(d, writer, elements(10000), drawing, callbacks);
    EXPECT_FALSE(result.printed);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(result.error, PrintTexts::Cancelled);
    // Elements are checked every fifth cell: the job ends a few cells later, on the same page.
    EXPECT_GE(drawn, 42);
    EXPECT_LE(drawn, 46);
}

TEST(PrintJobTest, PageRangeAndCopiesPrintThoseSheetsAgain)
{
    struct Case {
        int first, last, copies;
        int pages;
        QString error;
        std::vector<int> firstElementOfPage;  // "E<n>" words: the first element on each page
    };
    const Case cases[] = {
        {1, 0, 1, 4, "", {1, 31, 61, 91}},
        {2, 3, 1, 2, "", {31, 61}},
        {4, 9, 2, 2, "", {91, 91}},
        {1, 1, 3, 3, "", {1, 1, 1}},
        {5, 0, 1, 0, PrintTexts::PageRangeEmpty, {}},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        TestDesign design(thirtyUpLayout());
        design.addText("E#n");
        PrintSettings s = elements(100);
        s.firstPage = c.first;
        s.lastPage = c.last;
        s.copies = c.copies;
        const PrintedPdf pdf = printToPdf(design, s, dir.path());
        EXPECT_EQ(pdf.result.error, c.error) << c.first << "-" << c.last;
        EXPECT_EQ(pdf.text.pageCount, c.pages) << c.first << "-" << c.last;
        for (int page = 0; page < int(c.firstElementOfPage.size()); ++page) {
            const std::vector<PdfWord> words = pdf.text.onPage(page);
            ASSERT_FALSE(words.empty());
            EXPECT_EQ(words.front().text, "E" + QString::number(c.firstElementOfPage[size_t(page)]))
                << c.first << "-" << c.last << " page " << page;
        }
    }
}

TEST(PrintJobTest, RefusedSettingsPrintNothing)
{
    QTemporaryDir dir;
    TestDesign design(thirtyUpLayout());
    design.addText("X");
    const PrintedPdf pdf = printToPdf(design, elements(0), dir.path());
    EXPECT_FALSE(pdf.result.printed);
    EXPECT_EQ(pdf.result.error, PrintTexts::InvalidQuantity);
    EXPECT_EQ(pdf.text.pageCount, 0);
}

TEST(PrintJobTest, UserDefinedPaperGoesToTheDeviceInWholeTenthsOfAMillimetre)
{
    struct Case {
        uint8_t unit;
        int32_t width, length;
        double widthMm, lengthMm;
    };
    const Case cases[] = {
        {0, 400, 600, 101.6, 152.4},     // 4 × 6 in must not lose a tenth to rounding
        {0, 850, 1100, 215.9, 279.4},
        {1, 10000, 14850, 100.0, 148.5},  // hundredths of a millimetre
        {1, 10007, 14859, 100.0, 148.5},  // finer than a tenth is cut off
    };
    for (const Case& c : cases) {
        LayoutRecord l = thirtyUpLayout();
        l.paperType = 17;
        l.unit = c.unit;
        l.paperWidth = c.width;
        l.paperLength = c.length;
        l.rows = l.columns = 1;
        l.elementWidth = l.elementHeight = 10;
        const auto paper = paperForLayout(l);
        ASSERT_TRUE(paper);
        const QSizeF mm = paper->size.size(QPageSize::Millimeter);
        EXPECT_NEAR(mm.width(), c.widthMm, 1e-9) << c.width;
        EXPECT_NEAR(mm.height(), c.lengthMm, 1e-9) << c.length;
    }
}
