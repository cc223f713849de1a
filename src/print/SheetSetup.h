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
