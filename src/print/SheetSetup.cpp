#include "print/SheetSetup.h"

#include <QPagedPaintDevice>

#include <algorithm>
#include <cmath>
#include <utility>

#include "model/LayoutRecord.h"
#include "model/Paper.h"
#include "model/Units.h"

namespace {

// Paper codes of the paper table and the page sizes they stand for.
QPageSize::PageSizeId pageSizeForCode(int32_t code)
{
    switch (code) {
    case 1: return QPageSize::Letter;
    case 5: return QPageSize::Legal;
    case 7: return QPageSize::Executive;
    case 8: return QPageSize::A3;
    case 9: return QPageSize::A4;
    case 11: return QPageSize::A5;
    case 19: return QPageSize::Envelope9;
    case 20: return QPageSize::Envelope10;
    case 21: return QPageSize::Envelope11;
    case 22: return QPageSize::Envelope12;
    case 27: return QPageSize::EnvelopeDL;
    case 28: return QPageSize::EnvelopeC5;
    case 30: return QPageSize::EnvelopeC4;
    case 31: return QPageSize::EnvelopeC6;
    case 32: return QPageSize::EnvelopeC65;
    case 37: return QPageSize::EnvelopeMonarch;
    case 38: return QPageSize::EnvelopePersonal;
    default: return QPageSize::Letter;
    }
}

double inches(const LayoutRecord& layout, int32_t value) { return double(unitsToDisplay(value, false, layout.unit)); }

struct PaperInches {
    int32_t code = 0;
    double width = 0;
    double height = 0;
};

PaperInches paperInches(const LayoutRecord& layout)
{
    PaperInches p;
    int32_t w = 0, h = 0;
    paperForIndex(layout.paperType, &p.code, &w, &h);
    p.width = w / 100.0;
    p.height = h / 100.0;
    if (layout.paperType == kPaperUserDefined) {
        p.width = inches(layout, layout.paperWidth);
        p.height = inches(layout, layout.paperLength);
    }
    return p;
}

// How far a used width may pass the paper before the sheet is taken across.
constexpr double kAcrossSlack = 0.25;

// The far edge of a run of cells along one direction, in inches; none when
// the cells do not step forward or start off the paper.
std::optional<double> gridEnd(int32_t count, double margin, double element, double space)
{
    if (count < 1 || element <= 0 || margin < -kAcrossSlack || (count > 1 && element + space <= 0))
        return std::nullopt;
    return margin + count * element + (count - 1.0) * space;
}

double usedWidth(const LayoutRecord& layout)
{
    return inches(layout, layout.leftMargin) + layout.columns * inches(layout, layout.elementWidth) +
           (layout.columns - 1) * inches(layout, layout.columnSpace);
}

} // namespace

std::optional<LayoutPaper> paperForLayout(const LayoutRecord& layout)
{
    if (layout.paperType == kPaperNone)
        return std::nullopt;
    const PaperInches paper = paperInches(layout);
    LayoutPaper result;
    if (layout.paperType == kPaperUserDefined) {
        // Custom sizes go to the printer in tenths of a millimetre. Multiplying
        // by 254 at once (and a tiny nudge) keeps 6 in from truncating to 152.3 mm.
        const auto tenthsOfMm = [](double inches) { return std::trunc(inches * 254.0 + 1e-7) / 10; };
        const double width = tenthsOfMm(paper.width);
        const double length = tenthsOfMm(paper.height);
        const QString name = QString::fromLatin1(paperTableEntry(kPaperUserDefined).caption);
        result.size = QPageSize(QSizeF(width, length), QPageSize::Millimeter, name, QPageSize::ExactMatch);
    } else {
        result.size = QPageSize(pageSizeForCode(paper.code));
    }
    result.orientation = paper.width + 0.12 < usedWidth(layout) ? QPageLayout::Landscape : QPageLayout::Portrait;
    return result;
}

void applyLayoutPaper(QPagedPaintDevice& device, const LayoutRecord& layout)
{
    const std::optional<LayoutPaper> paper = paperForLayout(layout);
    if (!paper || !paper->size.isValid())
        return;
    device.setPageOrientation(paper->orientation);
    if (!device.pageLayout().pageSize().isEquivalentTo(paper->size))
        device.setPageSize(paper->size);
}

SheetGrid sheetOptionsForLayout(const LayoutRecord& layout)
{
    PaperInches paper = paperInches(layout);
    const int columns = std::max(1, layout.columns), rows = std::max(1, layout.rows);
    SheetGrid o;
    o.rows = rows;
    o.columns = columns;
    o.columnWidth = inches(layout, layout.elementWidth);
    o.rowHeight = inches(layout, layout.elementHeight);
    o.columnSpace = inches(layout, layout.columnSpace);
    o.rowSpace = inches(layout, layout.rowSpace);
    o.marginLeft = inches(layout, layout.leftMargin);
    o.marginTop = inches(layout, layout.topMargin);
    const double gridWidth = columns * o.columnWidth + (columns - 1) * o.columnSpace;
    const double gridHeight = rows * o.rowHeight + (rows - 1) * o.rowSpace;
    if (paper.width + 0.25 < gridWidth + 2 * o.marginLeft)
        std::swap(paper.width, paper.height);
    o.marginRight = std::max(0.0, paper.width - o.marginLeft - gridWidth);
    o.marginBottom = std::max(0.0, paper.height - o.marginTop - gridHeight);
    return o;
}

bool paperSizeAllowed(const LayoutRecord& layout)
{
    if (layout.paperType != kPaperUserDefined)
        return true;
    const PaperInches paper = paperInches(layout);
    if (paper.width <= 0 || paper.height <= 0)
        return true;
    return paper.width <= kMaxPaperInches && paper.height <= kMaxPaperInches;
}

bool gridFitsPaper(const LayoutRecord& layout, bool metricDisplay)
{
    PaperInches paper = paperInches(layout);
    if (layout.paperType == kPaperNone || paper.width <= 0 || paper.height <= 0) {
        int32_t w = 0, h = 0;
        LayoutRecord assumed = layout;
        assumed.paperType = kPaperNone;
        assumed.paperSize(metricDisplay, &w, &h);
        paper.width = w / 100.0;
        paper.height = h / 100.0;
    }
    const std::optional<double> right = gridEnd(layout.columns, inches(layout, layout.leftMargin),
                                                inches(layout, layout.elementWidth), inches(layout, layout.columnSpace));
    const std::optional<double> bottom = gridEnd(layout.rows, inches(layout, layout.topMargin),
                                                 inches(layout, layout.elementHeight), inches(layout, layout.rowSpace));
    if (!right || !bottom)
        return false;
    const auto within = [](double end, double side) { return end <= side + kAcrossSlack; };
    return (within(*right, paper.width) && within(*bottom, paper.height)) ||
           (within(*right, paper.height) && within(*bottom, paper.width));
}
