#pragma once
// One stock template as a layout record: its paper mapped to the paper table
// (or "User Defined"), its label's box as the element, its grid as rows,
// columns, margins and gaps, a disc as a disc stock type. Lengths are kept in
// whichever record unit (hundredths of an inch or of a millimetre) holds them
// best; templates the record cannot hold are refused with the reason.

#include <QHash>
#include <QString>

#include "files/StockXml.h"
#include "model/LayoutRecord.h"

enum class StockSkip : uint8_t {
    None,
    Damaged,          // a value is missing or unreadable
    NoEquivalent,     // "the same as" a part that is not there
    NoLabel,          // no label shape, or a label without a grid
    UnknownShape,     // a label shape we have no type for
    SeveralShapes,    // labels of different shapes on one sheet
    SeveralGrids,     // labels in grids that do not make one regular grid
    UnknownPaper,     // a named paper size we do not know
    SizeOutOfRange,   // a label smaller than 0.1 in or larger than 17 in
    TooManyLabels,    // more labels than any sheet is allowed
    OffPaper,         // labels beyond the paper's edges
    RoundingTooLarge, // hundredths would move a label edge by 0.01 in or more
    BrandFull,        // more layouts of one brand than a layout file holds
    Count
};

QString stockSkipText(StockSkip reason);

struct StockConversion {
    StockSkip skip = StockSkip::None;
    LayoutRecord record;                // without a name; valid when skip is None
    long double roundingMillimetres = 0; // the largest shift of a label or paper edge
};

// A shift of a label edge this large or larger is refused: 0.01 in.
constexpr long double kMaxStockRoundingMillimetres = 0.254L;

// The labels of several grids as one grid, when together they are exactly one
// regular grid (every place filled once); empty otherwise.
std::optional<StockGrid> combinedGrid(const std::vector<StockGrid>& grids);

// papers: the named sizes the template's paper may refer to.
StockConversion stockToLayout(const StockTemplate& stock, const QHash<QString, StockPaperSize>& papers);
