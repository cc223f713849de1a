#include "files/StockToLayout.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "files/StockImportTexts.h"
#include "model/Paper.h"

namespace {

// The papers of the paper table at their exact sizes, with the names stock
// definitions call them by (used when no paper size file names them).
struct StandardPaper {
    const char* id;
    int paperType;
    long double width, height;  // millimetres, portrait
};
constexpr StandardPaper kStandardPapers[] = {
    {"US-Letter", 0, 215.9L, 279.4L},  {"US-Legal", 1, 215.9L, 355.6L},  {"US-Executive", 2, 184.15L, 266.7L},
    {"A3", 3, 297, 420},               {"A4", 4, 210, 297},              {"A5", 5, 148, 210},
    {"number9", 6, 98.425L, 225.425L}, {"number10", 7, 104.775L, 241.3L}, {"number11", 8, 114.3L, 263.525L},
    {"number12", 9, 120.65L, 279.4L},  {"monarch", 10, 98.425L, 190.5L}, {"personal", 11, 92.075L, 165.1L},
    {"dl", 12, 110, 220},              {"c4", 13, 229, 324},             {"c5", 14, 162, 229},
    {"c6", 15, 114, 162},              {"c65", 16, 114, 229},
};
// Paper sizes are printed to a tenth of a millimetre or a sixteenth of an inch.
constexpr long double kSamePaperMillimetres = 0.5L;

// The print engine turns a sheet whose grid passes its edge by more than this.
constexpr long double kPaperSlackMillimetres = 6.35L;
// Two label places closer than this are the same place.
constexpr long double kSamePlaceMillimetres = 0.001L;
// The most labels a sheet may carry, as the print engine allows.
constexpr int64_t kMaxLabelsPerSheet = 20000;

struct PaperChoice {
    int paperType = kPaperUserDefined;
    long double width = 0, height = 0;
};

std::optional<PaperChoice> paperOf(const StockTemplate& stock, const QHash<QString, StockPaperSize>& papers)
{
    PaperChoice paper;
    if (const auto named = papers.constFind(stock.paperId); named != papers.constEnd()) {
        paper.width = named->width.millimetres;
        paper.height = named->height.millimetres;
    } else if (stock.paperWidth && stock.paperHeight) {
        paper.width = stock.paperWidth->millimetres;
        paper.height = stock.paperHeight->millimetres;
    } else {
        const auto standard = std::find_if(std::begin(kStandardPapers), std::end(kStandardPapers),
                                           [&](const StandardPaper& p) { return stock.paperId == QLatin1String(p.id); });
        if (standard == std::end(kStandardPapers))
            return std::nullopt;
        paper.width = standard->width;
        paper.height = standard->height;
    }
    if (paper.width <= 0 || paper.height <= 0)
        return std::nullopt;
    for (const StandardPaper& p : kStandardPapers)
        if (std::fabs(p.width - paper.width) <= kSamePaperMillimetres &&
            std::fabs(p.height - paper.height) <= kSamePaperMillimetres)
            paper.paperType = p.paperType;
    return paper;
}

// The distinct positions of a run of values, sorted, and whether they step evenly.
std::optional<std::vector<long double>> evenPlaces(std::vector<long double> values)
{
    std::sort(values.begin(), values.end());
    std::vector<long double> places;
    for (long double v : values)
        if (places.empty() || v - places.back() > kSamePlaceMillimetres)
            places.push_back(v);
    if (places.size() > 2) {
        const long double step = (places.back() - places.front()) / (places.size() - 1);
        for (size_t i = 0; i < places.size(); ++i)
            if (std::fabs(places.front() + i * step - places[i]) > kSamePlaceMillimetres)
                return std::nullopt;
    }
    return places;
}

size_t placeIndex(const std::vector<long double>& places, long double value)
{
    const auto at = std::lower_bound(places.begin(), places.end(), value - kSamePlaceMillimetres);
    return size_t(at - places.begin());
}

StockLength withValue(StockLength length, long double millimetres)
{
    length.millimetres = millimetres;
    return length;
}

// The record's lengths in one unit, and how far they put an edge from where the template has it.
struct RecordGeometry {
    uint8_t unit = kLayoutInch;
    int32_t left = 0, top = 0, width = 0, height = 0, stepX = 0, stepY = 0, paperWidth = 0, paperHeight = 0;
    long double worstShift = 0;  // millimetres
};

long double shiftAlong(int32_t count, int32_t start, int32_t step, int32_t size, long double exactStart,
                       long double exactStep, long double exactSize, uint8_t unit)
{
    long double worst = 0;
    for (int32_t i : {0, count - 1}) {
        const long double near = hundredthsToMillimetres(int64_t(start) + int64_t(i) * step, unit);
        const long double exactNear = exactStart + i * exactStep;
        worst = std::max(worst, std::fabs(near - exactNear));
        worst = std::max(worst, std::fabs(near + hundredthsToMillimetres(size, unit) - exactNear - exactSize));
    }
    return worst;
}

RecordGeometry geometryIn(uint8_t unit, const StockLabel& label, const StockGrid& grid, const PaperChoice& paper)
{
    RecordGeometry g;
    g.unit = unit;
    g.left = roundedHundredths(grid.left.millimetres, unit);
    g.top = roundedHundredths(grid.top.millimetres, unit);
    g.width = roundedHundredths(label.width.millimetres, unit);
    g.height = roundedHundredths(label.height.millimetres, unit);
    g.stepX = grid.columns > 1 ? roundedHundredths(grid.stepX.millimetres, unit) : g.width;
    g.stepY = grid.rows > 1 ? roundedHundredths(grid.stepY.millimetres, unit) : g.height;
    const long double exactStepX = grid.columns > 1 ? grid.stepX.millimetres : label.width.millimetres;
    const long double exactStepY = grid.rows > 1 ? grid.stepY.millimetres : label.height.millimetres;
    g.worstShift = std::max(shiftAlong(grid.columns, g.left, g.stepX, g.width, grid.left.millimetres, exactStepX,
                                       label.width.millimetres, unit),
                            shiftAlong(grid.rows, g.top, g.stepY, g.height, grid.top.millimetres, exactStepY,
                                       label.height.millimetres, unit));
    if (paper.paperType == kPaperUserDefined) {
        g.paperWidth = roundedHundredths(paper.width, unit);
        g.paperHeight = roundedHundredths(paper.height, unit);
        g.worstShift = std::max({g.worstShift, std::fabs(hundredthsToMillimetres(g.paperWidth, unit) - paper.width),
                                 std::fabs(hundredthsToMillimetres(g.paperHeight, unit) - paper.height)});
    }
    return g;
}

// The unit that moves no edge further; on a tie the one the template was written in.
RecordGeometry bestGeometry(const StockLabel& label, const StockGrid& grid, const PaperChoice& paper)
{
    const RecordGeometry inches = geometryIn(kLayoutInch, label, grid, paper);
    const RecordGeometry millimetres = geometryIn(kLayoutMillimetre, label, grid, paper);
    constexpr long double kTie = 1e-9L;
    if (inches.worstShift + kTie < millimetres.worstShift)
        return inches;
    if (millimetres.worstShift + kTie < inches.worstShift)
        return millimetres;
    const bool writtenInInches = label.width.unit == StockUnit::Inch || label.width.unit == StockUnit::Point ||
                                 label.width.unit == StockUnit::Pica;
    return writtenInInches ? inches : millimetres;
}

// Whether the grid runs forward and lies on the paper, one way round or the
// other, with the slack the print engine allows.
bool gridOnPaper(const StockLabel& label, const StockGrid& grid, const PaperChoice& paper)
{
    if ((grid.columns > 1 && grid.stepX.millimetres <= 0) || (grid.rows > 1 && grid.stepY.millimetres <= 0))
        return false;
    if (grid.left.millimetres < -kPaperSlackMillimetres || grid.top.millimetres < -kPaperSlackMillimetres)
        return false;
    const long double right = grid.left.millimetres + (grid.columns - 1) * grid.stepX.millimetres +
                              label.width.millimetres;
    const long double bottom = grid.top.millimetres + (grid.rows - 1) * grid.stepY.millimetres +
                               label.height.millimetres;
    const auto fits = [&](long double width, long double height) {
        return right <= width + kPaperSlackMillimetres && bottom <= height + kPaperSlackMillimetres;
    };
    return fits(paper.width, paper.height) || fits(paper.height, paper.width);
}

uint8_t stockTypeOf(const StockLabel& label)
{
    if (label.shape != StockShape::Disc)
        return 0;
    if (!label.cutDisc)
        return 3;  // a whole disc
    return label.height.millimetres > label.width.millimetres ? 1 : 2;
}

uint8_t wizardTypeOf(const StockTemplate& stock)
{
    if (stock.categories.contains(QStringLiteral("media")))
        return 6;
    if (stock.categories.contains(QStringLiteral("mail")))
        return 1;
    return 0;
}

LayoutRecord recordFrom(const RecordGeometry& g, const StockLabel& label, const StockGrid& grid,
                        const PaperChoice& paper, const StockTemplate& stock)
{
    LayoutRecord record;
    record.rows = grid.rows;
    record.columns = grid.columns;
    record.elementWidth = g.width;
    record.elementHeight = g.height;
    record.topMargin = g.top;
    record.leftMargin = g.left;
    record.columnSpace = g.stepX - g.width;
    record.rowSpace = g.stepY - g.height;
    record.unit = g.unit;
    record.paperType = uint8_t(paper.paperType);
    if (paper.paperType == kPaperUserDefined) {
        record.paperWidth = g.paperWidth;
        record.paperLength = g.paperHeight;
    }
    record.stockType = stockTypeOf(label);
    record.wizardType = wizardTypeOf(stock);
    return record;
}

StockSkip shapeProblem(const StockTemplate& stock)
{
    if (stock.unknownShapes > 0)
        return StockSkip::UnknownShape;
    if (stock.labels.size() > 1)
        return StockSkip::SeveralShapes;
    if (stock.labels.empty() || stock.labels.front().grids.empty())
        return StockSkip::NoLabel;
    return StockSkip::None;
}

} // namespace

QString stockSkipText(StockSkip reason) { return StockImportTexts::skipReason(int(reason)); }

std::optional<StockGrid> combinedGrid(const std::vector<StockGrid>& grids)
{
    if (grids.size() == 1)
        return grids.front();
    int64_t total = 0;
    for (const StockGrid& g : grids)
        total += int64_t(g.columns) * g.rows;
    if (grids.empty() || total > kMaxLabelsPerSheet)
        return std::nullopt;
    std::vector<long double> xs, ys;
    for (const StockGrid& g : grids)
        for (int32_t c = 0; c < g.columns; ++c)
            for (int32_t r = 0; r < g.rows; ++r) {
                xs.push_back(g.left.millimetres + c * g.stepX.millimetres);
                ys.push_back(g.top.millimetres + r * g.stepY.millimetres);
            }
    const auto columns = evenPlaces(xs);
    const auto rows = evenPlaces(ys);
    if (!columns || !rows || int64_t(columns->size() * rows->size()) != total)
        return std::nullopt;
    std::vector<bool> filled(size_t(total), false);
    for (size_t i = 0; i < xs.size(); ++i) {
        const size_t place = placeIndex(*rows, ys[i]) * columns->size() + placeIndex(*columns, xs[i]);
        if (place >= filled.size() || filled[place])
            return std::nullopt;
        filled[place] = true;
    }
    const StockGrid& first = grids.front();
    StockGrid grid;
    grid.columns = int32_t(columns->size());
    grid.rows = int32_t(rows->size());
    grid.left = withValue(first.left, columns->front());
    grid.top = withValue(first.top, rows->front());
    grid.stepX = withValue(first.stepX, columns->size() > 1 ? (*columns)[1] - columns->front() : 0);
    grid.stepY = withValue(first.stepY, rows->size() > 1 ? (*rows)[1] - rows->front() : 0);
    return grid;
}

StockConversion stockToLayout(const StockTemplate& stock, const QHash<QString, StockPaperSize>& papers)
{
    StockConversion result;
    const auto refuse = [&result](StockSkip why) {
        result.skip = why;
        return result;
    };
    if (!stock.damage.isEmpty())
        return refuse(StockSkip::Damaged);
    if (const StockSkip problem = shapeProblem(stock); problem != StockSkip::None)
        return refuse(problem);
    const StockLabel& label = stock.labels.front();
    const std::optional<StockGrid> grid = combinedGrid(label.grids);
    if (!grid)
        return refuse(StockSkip::SeveralGrids);
    const std::optional<PaperChoice> paper = paperOf(stock, papers);
    if (!paper)
        return refuse(StockSkip::UnknownPaper);
    if (int64_t(grid->columns) * grid->rows > kMaxLabelsPerSheet)
        return refuse(StockSkip::TooManyLabels);
    if (!gridOnPaper(label, *grid, *paper))
        return refuse(StockSkip::OffPaper);
    const RecordGeometry geometry = bestGeometry(label, *grid, *paper);
    if (geometry.worstShift >= kMaxStockRoundingMillimetres)
        return refuse(StockSkip::RoundingTooLarge);
    result.record = recordFrom(geometry, label, *grid, *paper, stock);
    if (!result.record.regionSizeInRange())
        return refuse(StockSkip::SizeOutOfRange);
    // Below a nanometre it is the arithmetic's own noise, not rounding.
    result.roundingMillimetres = geometry.worstShift < 1e-6L ? 0 : geometry.worstShift;
    return result;
}
