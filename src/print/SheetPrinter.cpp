#include "print/SheetPrinter.h"

#include <QFontMetrics>
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "print/PainterStateGuard.h"
#include "print/PrintDocument.h"

namespace {
constexpr double kMarkLengthInches = 0.125;
constexpr int kScreenDpi = 96;

QPen markPen() { return QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap); }

// Rounds to whole dots. A grid on a paper of any user-defined size can lie
// beyond the int range in dots; converting such a value is undefined, so it
// is held at the range's ends (NaN gives 0).
int toDots(double dots)
{
    if (!std::isfinite(dots))
        return 0;
    constexpr double kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
    return int(std::clamp(std::nearbyint(dots), kMin, kMax));
}
} // namespace

DeviceMetrics DeviceMetrics::fromDevice(const QPagedPaintDevice& device)
{
    DeviceMetrics m;
    const int dpiX = device.logicalDpiX();
    const int dpiY = device.logicalDpiY();
    const QPageLayout layout = device.pageLayout();
    const QRect full = layout.fullRectPixels(dpiX);
    if (dpiX <= 0 || dpiY <= 0 || full.isEmpty())
        return m;
    m.dpiX = dpiX;
    m.dpiY = dpiY;
    // The page layout gives pixels at one resolution; scale the vertical sizes
    // for devices whose two resolutions differ.
    const QRect paint = layout.paintRectPixels(dpiX);
    m.pageWidth = full.width();
    m.offsetX = paint.left() - full.left();
    m.pageHeight = int(std::lround(double(full.height()) * dpiY / dpiX));
    m.offsetY = int(std::lround(double(paint.top() - full.top()) * dpiY / dpiX));
    return m;
}

int SheetPrinter::unitToX(double u) const { return toDots(m_metrics.dpiX * u / divisor()); }
int SheetPrinter::unitToY(double u) const { return toDots(m_metrics.dpiY * u / divisor()); }
double SheetPrinter::deviceToUnitsX(int d) const { return double(d) / m_metrics.dpiX * divisor(); }
double SheetPrinter::YToUnit(int d) const { return double(d) / m_metrics.dpiY * divisor(); }

void SheetPrinter::beginRun(int firstCell, int total)
{
    m_firstCell = std::max(1, firstCell);
    m_total = std::max(0, total);
    m_composeFailed = false;
    m_metrics = m_device ? DeviceMetrics::fromDevice(*m_device) : DeviceMetrics{};
}

int SheetPrinter::cellsPerPage() const
{
    const int64_t cells = int64_t(std::max(1, grid.rows)) * std::max(1, grid.columns);
    return int(std::min<int64_t>(cells, std::numeric_limits<int>::max()));
}

int SheetPrinter::pageCount() const
{
    const int64_t n = cellsPerPage();
    return int((int64_t(m_total) + n - 1) / n);
}

void SheetPrinter::forEachPageCell(int page, const std::function<void(const PageCell&)>& visit) const
{
    const int64_t n = cellsPerPage();
    const int64_t columns = std::max(1, grid.columns);
    if (page < 0 || page >= pageCount() || m_firstCell > n)
        return;
    const int64_t firstPageCount = std::min<int64_t>(n - m_firstCell + 1, m_total);
    int64_t element = 1;
    int64_t rec = 1;
    int64_t count = 0;
    if (page == 0) {
        element = m_firstCell;
        count = firstPageCount;
    } else {
        const int64_t before = firstPageCount + (page - 1) * n;
        rec = before + 1;
        count = std::min<int64_t>(m_total - before, n);
    }
    // rec stays within m_total and element within n, so both fit an int.
    for (int64_t i = 0; i < count; ++i, ++element, ++rec)
        visit({int(element), int(rec), int((element - 1) / columns + 1), int((element - 1) % columns + 1)});
}

std::vector<PageCell> SheetPrinter::pageCells(int page) const
{
    std::vector<PageCell> cells;
    forEachPageCell(page, [&cells](const PageCell& cell) { cells.push_back(cell); });
    return cells;
}

QRect SheetPrinter::cellRect(int row, int column, int ox, int oy) const
{
    const SheetGrid& o = grid;
    const double left = o.marginLeft + (o.columnSpace + o.columnWidth) * (column - 1) - deviceToUnitsX(ox);
    const double top = o.marginTop + (o.rowSpace + o.rowHeight) * (row - 1) - YToUnit(oy);
    const int l = unitToX(left), t = unitToY(top);
    const int r = unitToX(left + o.columnWidth), b = unitToY(top + o.rowHeight);
    return QRect(l, t, r - l, b - t);
}

bool SheetPrinter::drawPage(QPainter& canvas, int page, bool preview)
{
    if (!onDrawElement)
        return true;
    const int ox = preview ? 0 : m_metrics.offsetX;
    const int oy = preview ? 0 : m_metrics.offsetY;
    // A failure while composing (an element handler that throws, memory that
    // runs out) ends the page with what was drawn and fails the run: a page
    // with elements missing must never pass for a printed one.
    try {
        if (grid.cropMarks)
            drawCropMarks(canvas, preview, ox, oy);
        if (grid.cornerMarks)
            drawCornerMarks(canvas, ox, oy);
        drawCells(canvas, page, ox, oy);
        drawHeaderAndFooter(canvas, ox, oy);
        if (preview)
            drawPrintableOutline(canvas);
    } catch (...) {
        m_composeFailed = true;
        return false;
    }
    return true;
}

void SheetPrinter::drawCells(QPainter& canvas, int page, int ox, int oy)
{
    forEachPageCell(page, [&](const PageCell& cell) {
        onDrawElement(*this, cell.element, cell.rec, cellRect(cell.row, cell.column, ox, oy), canvas);
    });
}

void SheetPrinter::drawCropMarks(QPainter& canvas, bool preview, int ox, int oy) const
{
    const SheetGrid& o = grid;
    const int columns = std::max(1, o.columns), rows = std::max(1, o.rows);
    const int mx = unitToX(kMarkLengthInches * divisor());
    const int my = unitToY(kMarkLengthInches * divisor());
    // In the preview the marks start at the paper's edge and reach as far into
    // the printable area as the printed ones, which start at its edge.
    const int lengthX = preview ? m_metrics.offsetX + mx : mx;
    const int lengthY = preview ? m_metrics.offsetY + my : my;
    double paperRight = o.marginLeft + columns * o.columnWidth + (columns - 1) * o.columnSpace + o.marginRight;
    double paperBottom = o.marginTop + rows * o.rowHeight + (rows - 1) * o.rowSpace + o.marginBottom;
    if (!preview) {
        paperRight -= 2 * deviceToUnitsX(m_metrics.offsetX);
        paperBottom -= 2 * YToUnit(m_metrics.offsetY);
    }
    const int right = unitToX(paperRight), bottom = unitToY(paperBottom);

    PainterStateGuard guard(canvas);
    canvas.setPen(markPen());
    for (int c = 1; c <= columns; ++c) {
        const QRect cell = cellRect(1, c, ox, oy);
        for (const int x : {cell.left(), cell.left() + cell.width()}) {
            canvas.drawLine(x, 0, x, lengthY);
            canvas.drawLine(x, bottom, x, bottom - lengthY);
        }
    }
    for (int r = 1; r <= rows; ++r) {
        const QRect cell = cellRect(r, 1, ox, oy);
        for (const int y : {cell.top(), cell.top() + cell.height()}) {
            canvas.drawLine(0, y, lengthX, y);
            canvas.drawLine(right, y, right - lengthX, y);
        }
    }
}

void SheetPrinter::drawCornerMarks(QPainter& canvas, int ox, int oy) const
{
    const SheetGrid& o = grid;
    const int mx = unitToX(kMarkLengthInches * divisor());
    const int my = unitToY(kMarkLengthInches * divisor());
    PainterStateGuard guard(canvas);
    canvas.setPen(markPen());
    for (int r = 1; r <= std::max(1, o.rows); ++r) {
        for (int c = 1; c <= std::max(1, o.columns); ++c) {
            const QRect cell = cellRect(r, c, ox, oy);
            const int left = cell.left(), top = cell.top();
            const int right = left + cell.width(), bottom = top + cell.height();
            const QPoint arms[4][3] = {
                {{left + mx, top}, {left, top}, {left, top + my}},
                {{right - mx, top}, {right, top}, {right, top + my}},
                {{left, bottom - my}, {left, bottom}, {left + mx, bottom}},
                {{right, bottom - my}, {right, bottom}, {right - mx, bottom}},
            };
            for (const auto& arm : arms)
                canvas.drawPolyline(arm, 3);
        }
    }
}

void SheetPrinter::drawHeaderAndFooter(QPainter& canvas, int ox, int oy) const
{
    const auto fontFor = [this](const SheetFont& f) {
        QFont font(f.family);
        font.setPixelSize(std::max(1, int(std::lround(double(f.height) * m_metrics.dpiY / kScreenDpi))));
        return font;
    };
    const auto drawLine = [&canvas](const QFont& font, const QColor& color, int x, int y, const QString& text) {
        PainterStateGuard guard(canvas);
        canvas.setFont(font);
        canvas.setPen(color);
        const QFontMetrics metrics(font);
        canvas.drawText(QRect(x, y, metrics.horizontalAdvance(text) + 1, metrics.height()),
                        Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    };
    const int x = m_metrics.offsetX - ox;
    const SheetGrid& o = grid;
    if (!o.header.isEmpty())
        drawLine(fontFor(o.headerFont), o.headerFont.color, x, m_metrics.offsetY - oy, o.header);
    if (!o.footer.isEmpty()) {
        const QFont font = fontFor(o.footerFont);
        const int h = QFontMetrics(font).height();
        drawLine(font, o.footerFont.color, x, m_metrics.pageHeight - 2 * m_metrics.offsetY - h - oy, o.footer);
    }
}

void SheetPrinter::drawPrintableOutline(QPainter& canvas) const
{
    const DeviceMetrics& m = m_metrics;
    PainterStateGuard guard(canvas);
    canvas.setPen(QPen(Qt::red, 1));
    const QPoint corners[5] = {{m.offsetX, m.offsetY},
                               {m.pageWidth - m.offsetX, m.offsetY},
                               {m.pageWidth - m.offsetX, m.pageHeight - m.offsetY},
                               {m.offsetX, m.pageHeight - m.offsetY},
                               {m.offsetX, m.offsetY}};
    canvas.drawPolyline(corners, 5);
}

bool SheetPrinter::print() { return printRange(0, pageCount() - 1); }

bool SheetPrinter::printRange(int firstPage, int lastPage)
{
    if (!m_device)
        return false;
    PrintDocument document(*m_device, title);
    const bool printed = printRangeInto(document, firstPage, lastPage);
    return document.finish() && printed && document.pageCount() > 0;
}

bool SheetPrinter::printRangeInto(PrintDocument& document, int firstPage, int lastPage)
{
    firstPage = std::max(0, firstPage);
    lastPage = std::min(lastPage, pageCount() - 1);
    for (int page = firstPage; page <= lastPage; ++page) {
        if (!document.startPage() || !drawPage(document.painter(), page, false))
            return false;
        if (onProgress)
            onProgress(page - firstPage + 1, lastPage - firstPage + 1);
    }
    return true;
}

QImage SheetPrinter::previewPageImage(int page, int width, int height)
{
    QImage image(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setWindow(0, 0, m_metrics.pageWidth, m_metrics.pageHeight);
    painter.setViewport(0, 0, image.width(), image.height());
    if (!drawPage(painter, page, true))
        return {};
    return image;
}
