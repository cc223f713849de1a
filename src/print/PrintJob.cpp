#include "print/PrintJob.h"

#include <QPagedPaintDevice>

#include <algorithm>
#include <cstdint>
#include <limits>

#include "print/PrintDocument.h"
#include "print/PrintTexts.h"
#include "print/SheetSetup.h"
#include "model/ObjectManager.h"
#include "model/Options.h"

namespace {

// The second side always starts at the first cell, so each back meets its front.
int32_t effectiveStartCell(const PrintSettings& settings) { return settings.side2 ? 1 : settings.startCell; }

bool storeLiveRegion(PrintDesign& design)
{
    ObjectManager& manager = *design.manager;
    if (manager.currentSide < 0 || manager.currentPanel < 0)
        return true;
    return manager.changeRegion(manager.currentSide, manager.currentPanel, -1, -1, design.zoom);
}

// Counts in 64 bits: two passes of a run near the int range have more pages
// than an int holds; the progress shown is capped at it.
class PageCounter {
public:
    PageCounter(int64_t total, const std::function<void(int, int)>& progress) : m_total(total), m_progress(progress) {}
    void pageDone()
    {
        ++m_done;
        if (m_progress)
            m_progress(capped(m_done), capped(m_total));
    }

private:
    static int capped(int64_t n) { return int(std::min<int64_t>(n, std::numeric_limits<int>::max())); }

    int64_t m_total;
    int64_t m_done = 0;
    const std::function<void(int, int)>& m_progress;
};

bool printPages(PrintDocument& document, SheetPrinter& printer, int first, int last, PageCounter& counter)
{
    for (int page = first; page <= last; ++page) {
        if (!printer.printRangeInto(document, page, page))
            return false;
        counter.pageDone();
    }
    return true;
}

} // namespace

QString checkPrintSettings(const PrintSettings& settings, const LayoutRecord& layout)
{
    const int32_t n = layout.elementsPerSheet();
    if (n <= 0)
        return PrintTexts::EmptyLayout;
    if (!paperSizeAllowed(layout))
        return PrintTexts::paperTooLarge(kMaxPaperInches);
    if (!gridFitsPaper(layout, Options::current().metricUnits))
        return PrintTexts::LayoutDoesNotFitPaper;
    if (n > kMaxElementsPerSheet)
        return PrintTexts::tooManyElements(kMaxElementsPerSheet);
    if (!settings.side1 && !settings.side2)
        return PrintTexts::NoSide;
    if (!settings.calibration.inRange())
        return PrintTexts::CalibrationRange;
    if (settings.side2 && layout.backPrintable != 1)
        return PrintTexts::NoBackSide;
    const int32_t start = effectiveStartCell(settings);
    if (start < 1 || start > n)
        return PrintTexts::startPositionRange(n);
    if (settings.quantity <= 0 || totalSlots(settings.quantity, start, n) <= 0)
        return PrintTexts::InvalidQuantity;
    return {};
}

PrintPass::PrintPass(PrintRegions& regions, const LayoutRecord& layout, const PrintSettings& settings,
                     int32_t sheetSide, const ObjectDrawing& drawing, const QString& caption)
    : m_regions(regions), m_drawing(drawing)
{
    m_printer.title = PrintTexts::DocumentTitle;
    m_printer.units = SheetUnits::Inches;
    SheetGrid& o = m_printer.grid;
    o = sheetOptionsForLayout(layout);
    o.cropMarks = settings.cropMarks;
    o.cornerMarks = settings.cornerMarks;
    o.header = settings.header ? caption : QString();
    o.footer = settings.footer ? caption : QString();
    o.headerFont.family = o.footerFont.family = PrintTexts::HeaderFontFamily;

    m_pass.foldType = layout.foldType;
    m_pass.rows = o.rows;
    m_pass.columns = o.columns;
    m_pass.sheetSide = sheetSide;
    m_pass.mapping = backMappingFor(layout.foldType, settings.flip);
    m_pass.quantity = settings.quantity;
    m_pass.startRecord = settings.startRecord;
    m_pass.cycle = settings.cycle;
    m_printer.onDrawElement = [this](SheetPrinter&, int element, int rec, const QRect& cell, QPainter& canvas) {
        drawElement(canvas, element, rec, cell, m_pass, m_regions, m_drawing);
        if (m_keepResponsive && element % 5 == 1)
            m_keepResponsive();
    };
}

PrintJobResult runPrintJob(PrintDesign& design, QPagedPaintDevice& device, const PrintSettings& settings,
                           const ObjectDrawing& drawing, const PrintJobCallbacks& callbacks)
{
    PrintJobResult result;
    result.error = checkPrintSettings(settings, design.layout);
    if (!result.error.isEmpty())
        return result;
    if (!design.manager || !storeLiveRegion(design)) {
        result.error = PrintTexts::CannotStoreRegion;
        return result;
    }
    if (settings.setOrientation)
        applyLayoutPaper(device, design.layout);
    if (design.reopenData)
        design.reopenData();

    const int32_t start = effectiveStartCell(settings);
    const int32_t total = totalSlots(settings.quantity, start, design.layout.elementsPerSheet());
    const bool twoPasses = settings.side1 && settings.side2;
    PrintRegions regions(*design.manager, design.layout);
    PrintPass first(regions, design.layout, settings, settings.side1 ? 0 : 1, drawing, design.caption);
    PrintPass second(regions, design.layout, settings, 1, drawing, design.caption);
    for (PrintPass* pass : {&first, &second}) {
        pass->setKeepResponsive(callbacks.keepResponsive);
        pass->printer().setDevice(&device);
        pass->printer().beginRun(start, total);
    }
    const int pages = first.printer().pageCount();
    if (pages <= 0) {
        result.error = PrintTexts::InvalidQuantity;
        return result;
    }
    PageCounter counter(twoPasses ? 2 * int64_t(pages) : pages, callbacks.progress);

    bool ok = true;
    if (!twoPasses || !settings.documentPerPass) {
        PrintDocument document(device, PrintTexts::DocumentTitle, settings.calibration);
        if (twoPasses && settings.interleave) {
            for (int page = 0; ok && page < pages; ++page)
                ok = printPages(document, first.printer(), page, page, counter) &&
                     printPages(document, second.printer(), page, page, counter);
        } else {
            ok = printPages(document, first.printer(), 0, pages - 1, counter);
            if (ok && twoPasses)
                ok = printPages(document, second.printer(), 0, pages - 1, counter);
        }
        ok = document.finish() && ok;
        result.pages = document.pageCount();
    } else {
        PrintDocument frontDocument(device, PrintTexts::DocumentTitle, settings.calibration);
        ok = printPages(frontDocument, first.printer(), 0, pages - 1, counter);
        ok = frontDocument.finish() && ok;
        result.pages = frontDocument.pageCount();
        const bool sideFlip = backMappingFor(design.layout.foldType, settings.flip) == BackMapping::MirrorColumns;
        if (ok && (!callbacks.beforeSecondPass || callbacks.beforeSecondPass(sideFlip))) {
            PrintDocument backDocument(device, PrintTexts::DocumentTitle, settings.calibration);
            ok = printPages(backDocument, second.printer(), 0, pages - 1, counter);
            ok = backDocument.finish() && ok;
            result.pages += backDocument.pageCount();
        }
    }
    result.printed = ok;
    if (!ok) {
        const bool composeFailed = first.printer().composeFailed() || second.printer().composeFailed();
        result.error = composeFailed ? PrintTexts::CannotComposePage : PrintTexts::CannotPrint;
    }
    return result;
}
