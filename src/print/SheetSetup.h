#pragma once
// Turns a design's layout into the engine's sheet grid, and into the page
// size and orientation of the output device.

#include <QPageLayout>
#include <QPageSize>
#include <optional>

#include "print/SheetPrinter.h"

struct LayoutRecord;
class QPagedPaintDevice;

// The paper a layout is made for, in inches; none for "<<None>>".
struct LayoutPaper {
    QPageSize size;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
};
std::optional<LayoutPaper> paperForLayout(const LayoutRecord& layout);

// Gives the device the layout's paper and orientation (the "setOrientation"
// option). The paper is changed only when it differs; margins are kept.
void applyLayoutPaper(QPagedPaintDevice& device, const LayoutRecord& layout);

// The grid, in inches. marginRight and marginBottom complete the paper (for
// the crop marks), with the paper taken across when the grid is wider than it.
SheetGrid sheetOptionsForLayout(const LayoutRecord& layout);

// The longest side a user-defined paper may have: a PDF page ends at 14,400
// points, and far larger sizes overflow the device's own dot counts.
constexpr int32_t kMaxPaperInches = 200;
// False for a user-defined paper with a side past that; every other paper
// (and a user-defined one without a size, which is not applied) is fine.
bool paperSizeAllowed(const LayoutRecord& layout);

// The most elements a sheet may hold: the smallest element (a 0.10 in square
// region) tiled over A3, the largest paper of the table, gives 19,140. The
// engine draws every cell of a page, so a user-defined paper of any size must
// not make a page's work unbounded.
constexpr int32_t kMaxElementsPerSheet = 20000;

// Whether the layout's grid can be printed on its paper: every cell, at the
// element size and spacing, lies on the paper one way round or the other
// (with the quarter inch the engine allows before it turns the sheet), and
// each row and column starts after the one before. The paper of "<<None>>",
// or of a user-defined size that is not a size, is the one assumed for it:
// A4 or Letter by the "Metric units" option.
bool gridFitsPaper(const LayoutRecord& layout, bool metricDisplay);
