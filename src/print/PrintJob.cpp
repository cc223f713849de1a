#include "print/PrintJob.h"

#include <QPagedPaintDevice>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

#include "print/PrintDocument.h"
#include "print/PrintTexts.h"
#include "print/SheetSetup.h"
#include "model/ObjectManager.h"
#include "model/Options.h"

namespace {

// The second side always starts at the first cell, so each back meets its front.
int32_t effectiveStartCell(const PrintSettings& settings) { return settings.side2 ? 1 : settings.startCell; }

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

bool printPages(PrintDocument& document, SheetPrinter& printer, int first, int last, PageCounter& counter,
                const std::function<bool()>& cancelled)
{
    for (int page = first; page <= last; ++page) {
        if (cancelled && cancelled())
            return false;
        if (!printer.printRangeInto(document, page, page) || (cancelled && cancelled()))
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
        if (m_stopped)
            return;
        drawElement(canvas, element, rec, cell, m_pass, m_regions, m_drawing);
        if (m_keepResponsive && element % 5 == 1) {
            m_keepResponsive();
            m_stopped = m_cancelled && m_cancelled();
        }
    };
}

PrintJobResult runPrintJob(PrintDesign& design, QPagedPaintDevice& device, const PrintSettings& settings,
                           const ObjectDrawing& drawing, const PrintJobCallbacks& callbacks)
{
    PrintJobResult result;
    result.error = checkPrintSettings(settings, design.layout);
    if (!result.error.isEmpty())
        return result;
    if (!design.manager || !design.manager->storeLiveRegion()) {
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
    std::optional<PrintPass> first, second;
    const auto preparePass = [&](std::optional<PrintPass>& pass, const PrintSettings& passSettings, int32_t side) {
        pass.emplace(regions, design.layout, passSettings, side, drawing, design.caption);
        pass->setKeepResponsive(callbacks.keepResponsive);
        pass->setCancelled(callbacks.cancelled);
        pass->printer().setDevice(&device);
        pass->printer().beginRun(start, total);
    };
    preparePass(first, settings, settings.side1 ? 0 : 1);
    preparePass(second, settings, 1);
    const int pages = first->printer().pageCount();
    if (pages <= 0) {
        result.error = PrintTexts::InvalidQuantity;
        return result;
    }
    const int from = std::max(settings.firstPage, 1) - 1;
    const int to = settings.lastPage > 0 ? std::min(settings.lastPage, pages) - 1 : pages - 1;
    const int copies = std::clamp(settings.copies, 1, kMaxCopies);
    if (from > to) {
        result.error = PrintTexts::PageRangeEmpty;
        return result;
    }
    const int64_t pagesPerPass = int64_t(to - from + 1) * copies;
    PageCounter counter(twoPasses ? 2 * pagesPerPass : pagesPerPass, callbacks.progress);
    const auto printAll = [&](PrintDocument& document, PrintPass& pass) {
        bool printed = true;
        for (int copy = 0; printed && copy < copies; ++copy)
            printed = printPages(document, pass.printer(), from, to, counter, callbacks.cancelled);
        return printed;
    };
    // The paper is turned over between sequential passes; the back pass may
    // take other marks or another flip from the one who turns it.
    const auto turnPaper = [&]() {
        if (callbacks.turnPaper) {
            PrintSettings back = settings;
            if (!callbacks.turnPaper(back))
                return false;
            preparePass(second, back, 1);
            return true;
        }
        const bool sideFlip = backMappingFor(design.layout.foldType, settings.flip) == BackMapping::MirrorColumns;
        return !callbacks.beforeSecondPass || callbacks.beforeSecondPass(sideFlip);
    };

    bool ok = true;
    if (!twoPasses || !settings.documentPerPass) {
        PrintDocument document(device, PrintTexts::DocumentTitle, settings.calibration);
        if (twoPasses && settings.interleave) {
            for (int copy = 0; copy < copies; ++copy)
                for (int page = from; ok && page <= to; ++page)
                    ok = printPages(document, first->printer(), page, page, counter, callbacks.cancelled) &&
                         printPages(document, second->printer(), page, page, counter, callbacks.cancelled);
        } else {
            ok = printAll(document, *first);
            // In one document only the window asks between the passes.
            if (ok && twoPasses && (!callbacks.turnPaper || turnPaper()))
                ok = printAll(document, *second);
        }
        ok = document.finish() && ok;
        result.pages = document.pageCount();
    } else {
        PrintDocument frontDocument(device, PrintTexts::DocumentTitle, settings.calibration);
        ok = printAll(frontDocument, *first);
        ok = frontDocument.finish() && ok;
        result.pages = frontDocument.pageCount();
        if (ok && turnPaper()) {
            PrintDocument backDocument(device, PrintTexts::DocumentTitle, settings.calibration);
            ok = printAll(backDocument, *second);
            ok = backDocument.finish() && ok;
            result.pages += backDocument.pageCount();
        }
    }
    result.printed = ok;
    result.cancelled = !ok && callbacks.cancelled && callbacks.cancelled();
    if (result.cancelled) {
        result.error = PrintTexts::Cancelled;
    } else if (!ok) {
        const bool composeFailed = first->printer().composeFailed() || second->printer().composeFailed();
        result.error = composeFailed ? PrintTexts::CannotComposePage : PrintTexts::CannotPrint;
    }
    return result;
}
