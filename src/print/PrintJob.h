#pragma once
// The print job without its dialog: takes a design, the settings the dialog
// gives and a page device, sets up the sheet, and prints the first pass and,
// for stock printable on both sides, the second pass with every back behind
// its front.

#include <QString>
#include <functional>

#include "print/ElementDrawer.h"
#include "print/SheetPrinter.h"
#include "print/PrintSettings.h"
#include "model/LayoutRecord.h"

class QPagedPaintDevice;
class ObjectManager;

struct PrintDesign {
    ObjectManager* manager = nullptr;
    LayoutRecord layout;
    QString caption;     // printed as header or footer when asked
    // Reopens the linked data source so its filter, sort and position start afresh.
    std::function<void()> reopenData;
};

struct PrintJobResult {
    bool printed = false;
    int pages = 0;  // pages of the document(s), both passes
    QString error;  // why nothing was printed (a checked setting or the device)
    bool cancelled = false;  // the user stopped the job
};

struct PrintJobCallbacks {
    // After each page: (pages done, pages in the job).
    std::function<void(int, int)> progress;
    // Every fifth element, so a window stays responsive during long jobs.
    std::function<void()> keepResponsive;
    // Between the passes of separate documents (turning the paper); false skips the second pass.
    std::function<bool(bool sideFlip)> beforeSecondPass;
    // Between passes printed one after the other, in one document or two (the
    // window's second-pass dialog); it may change the back pass's marks and
    // flip. Used instead of beforeSecondPass when set; false skips the second pass.
    std::function<bool(PrintSettings& back)> turnPaper;
    // Asked before each page and after each call of keepResponsive; true stops
    // the job within the page being drawn (the rest of it stays empty).
    std::function<bool()> cancelled;
};

// The settings checked as the dialog checks them, with the quantity already in
// elements; the message to show, or empty.
QString checkPrintSettings(const PrintSettings& settings, const LayoutRecord& layout);

// Runs the whole job onto the device.
PrintJobResult runPrintJob(PrintDesign& design, QPagedPaintDevice& device, const PrintSettings& settings,
                           const ObjectDrawing& drawing, const PrintJobCallbacks& callbacks = {});

// Prepares the engine for one pass (sheet grid from the layout, element
// handler, run): what the preview composes its pages with.
class PrintPass {
public:
    PrintPass(PrintRegions& regions, const LayoutRecord& layout, const PrintSettings& settings,
              int32_t sheetSide, const ObjectDrawing& drawing, const QString& caption);
    PrintPass(const PrintPass&) = delete;
    PrintPass& operator=(const PrintPass&) = delete;
    SheetPrinter& printer() { return m_printer; }
    const SheetPrinter& printer() const { return m_printer; }
    void setKeepResponsive(std::function<void()> keepResponsive) { m_keepResponsive = std::move(keepResponsive); }
    // Once this says so, the remaining cells are left empty.
    void setCancelled(std::function<bool()> cancelled) { m_cancelled = std::move(cancelled); }

private:
    SheetPrinter m_printer;
    ElementPass m_pass;
    PrintRegions& m_regions;
    const ObjectDrawing& m_drawing;
    std::function<void()> m_keepResponsive;
    std::function<bool()> m_cancelled;
    bool m_stopped = false;
};
