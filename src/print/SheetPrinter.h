#pragma once
// The sheet print engine: a run of elements on a grid of cells, paginated from
// any start cell of the first sheet, with crop marks, corner marks, a header
// and a footer line. What goes inside a cell is the onDrawElement handler's
// business. Pages are composed on any QPagedPaintDevice (QPdfWriter for files,
// QPrinter for printers) or, for the preview, on any painter mapped to the
// whole physical page.

#include <QColor>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

#include "print/PrintTexts.h"

class QImage;
class QPainter;
class QPagedPaintDevice;
class PrintDocument;

enum class SheetUnits { Inches, Centimeters };

struct SheetFont {
    QString family = PrintTexts::HeaderFontFamily;
    // Character height in screen pixels (96 per inch); scaled to the device so
    // the header reads the same on every printer.
    int height = 16;
    QColor color = Qt::black;
};

struct SheetGrid {
    double marginLeft = 0;
    double marginTop = 0;
    double marginRight = 0;
    double marginBottom = 0;
    int columns = 1;
    int rows = 1;
    double columnWidth = 1;
    double rowHeight = 1;
    double columnSpace = 0;
    double rowSpace = 0;
    bool cropMarks = false;
    bool cornerMarks = false;
    QString header;
    QString footer;
    SheetFont headerFont;
    SheetFont footerFont;
};

// What the engine knows about the page device: resolution, the physical page
// in dots and where the printable area starts on it.
struct DeviceMetrics {
    int dpiX = 96;
    int dpiY = 96;
    int pageWidth = 816;    // PW
    int pageHeight = 1056;  // PH
    int offsetX = 0;        // offX
    int offsetY = 0;        // offY

    // From the device's page layout; a device without a physical size counts
    // as a Letter page at screen resolution.
    static DeviceMetrics fromDevice(const QPagedPaintDevice& device);
};

// One cell offered to the element handler.
struct PageCell {
    int element = 0;  // 1-based cell index on its page, row by row
    int rec = 0;      // 1-based running number within the run
    int row = 0;      // 1-based
    int column = 0;   // 1-based
};

class SheetPrinter {
public:
    using DrawElementHandler =
        std::function<void(SheetPrinter& sender, int element, int rec, const QRect& rect, QPainter& canvas)>;
    // Called after each printed page: (pages done, pages in the range).
    using ProgressHandler = std::function<void(int done, int total)>;

    QString title = PrintTexts::DocumentTitle;
    SheetUnits units = SheetUnits::Inches;
    SheetGrid grid;
    DrawElementHandler onDrawElement;
    ProgressHandler onProgress;

    // The device pages are printed on; beginRun reads its metrics.
    void setDevice(QPagedPaintDevice* device) { m_device = device; }
    QPagedPaintDevice* device() const { return m_device; }

    void beginRun(int firstCell, int total);
    // For composing without a device (the preview of a printer that is not there).
    void setDeviceMetrics(const DeviceMetrics& metrics) { m_metrics = metrics; }
    const DeviceMetrics& deviceMetrics() const { return m_metrics; }

    int firstCell() const { return m_firstCell; }
    int totalSlots() const { return m_total; }
    // Counted in 64 bits: a grid or a run near the int range must not wrap
    // round to a negative count (which would print nothing and call it done).
    int cellsPerPage() const;
    int pageCount() const;
    // The cells a page offers, in drawing order; visiting them needs no
    // memory per cell.
    void forEachPageCell(int page, const std::function<void(const PageCell&)>& visit) const;
    std::vector<PageCell> pageCells(int page) const;

    // Prints every page on the device as one document. False when the device
    // could not start the document or a page, or when there was no page to print.
    bool print();
    bool printRange(int firstPage, int lastPage);
    // Adds pages to a document that is already open (several passes in one file).
    bool printRangeInto(PrintDocument& document, int firstPage, int lastPage);

    // Composes one page. When printing the canvas origin is the printable
    // area's top-left; in the preview it is the physical page's top-left.
    // False when a drawing step failed: the page is left as far as it got and
    // composeFailed() says so until the next run.
    bool drawPage(QPainter& canvas, int page, bool preview);
    bool composeFailed() const { return m_composeFailed; }
    // The preview of a page: the physical page scaled into an image of the
    // given size; a null image when the page could not be composed.
    QImage previewPageImage(int page, int width, int height);

    // Conversions between grid lengths and device dots.
    int unitToX(double u) const;
    int unitToY(double u) const;
    double deviceToUnitsX(int d) const;
    double YToUnit(int d) const;

private:
    double divisor() const { return units == SheetUnits::Centimeters ? 2.54 : 1.0; }
    QRect cellRect(int row, int column, int ox, int oy) const;
    void drawCells(QPainter& canvas, int page, int ox, int oy);
    void drawCropMarks(QPainter& canvas, bool preview, int ox, int oy) const;
    void drawCornerMarks(QPainter& canvas, int ox, int oy) const;
    void drawHeaderAndFooter(QPainter& canvas, int ox, int oy) const;
    void drawPrintableOutline(QPainter& canvas) const;

    QPagedPaintDevice* m_device = nullptr;
    DeviceMetrics m_metrics;
    int m_firstCell = 1;
    int m_total = 0;
    bool m_composeFailed = false;
};
