#include "ui/printing/LayoutEditorForm.h"

#include <QLocale>
#include <cmath>
#include <optional>

#include "model/Folds.h"
#include "model/Paper.h"
#include "model/Units.h"
#include "ui/printing/LayoutTexts.h"

namespace {

QString shownLength(int32_t value, bool metric, uint8_t unit)
{
    return formatFixed(unitsToDisplay(value, metric, unit), 2);
}

QString shownCount(int32_t value) { return value == 0 ? QString() : QString::number(value); }

std::optional<long double> readNumber(const QString& text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > 1e7)
        return std::nullopt;
    return value;
}

std::optional<int32_t> readCount(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    // A grid needs a row and a column; printing refuses more than a sheet can hold anyway.
    if (!ok || value <= 0 || value > 100000)
        return std::nullopt;
    return value;
}

} // namespace

LayoutEditorForm::LayoutEditorForm(const LayoutRecord& record, bool metric) : m_original(record), m_metric(metric)
{
    name = record.displayName();
    rows = shownCount(record.rows);
    columns = shownCount(record.columns);
    width = record.elementWidth == 0 ? QString() : shownLength(record.elementWidth, metric, record.unit);
    height = record.elementHeight == 0 ? QString() : shownLength(record.elementHeight, metric, record.unit);
    topMargin = shownLength(record.topMargin, metric, record.unit);
    leftMargin = shownLength(record.leftMargin, metric, record.unit);
    columnSpace = shownLength(record.columnSpace, metric, record.unit);
    rowSpace = shownLength(record.rowSpace, metric, record.unit);
    paperType = record.paperType < kPaperTypeCount ? record.paperType : 0;
    paperLength = shownLength(record.paperLength, metric, record.unit);
    paperWidth = shownLength(record.paperWidth, metric, record.unit);
    foldType = record.foldType;
    backPrintable = record.backPrintable == 1;
    stockType = record.stockType < LayoutTexts::StockTypes.size() ? record.stockType : 0;
}

bool LayoutEditorForm::paperSizeShown() const { return paperType == kPaperUserDefined; }

QString LayoutEditorForm::storedUnitNote() const
{
    return m_original.unit == 1 ? LayoutTexts::StoredInMm : LayoutTexts::StoredInInches;
}

QString LayoutEditorForm::accept(LayoutRecord& record) const
{
    // Lengths are stored in hundredths of the unit shown.
    const auto length = [](const QString& text) -> std::optional<int32_t> {
        const std::optional<long double> number = readNumber(text);
        return number ? std::optional(displayToUnits(*number, false)) : std::nullopt;
    };
    LayoutRecord out = record;
    out.setName(name.left(LayoutRecord::kNameSize - 1));
    out.paperType = uint8_t(std::clamp(paperType, 0, kPaperTypeCount - 1));
    if (paperSizeShown()) {
        const auto l = length(paperLength), w = length(paperWidth);
        if (!l || !w)
            return LayoutTexts::InvalidSettings;
        out.paperLength = *l;
        out.paperWidth = *w;
    }
    out.unit = m_metric ? 1 : 0;
    const auto w = length(width), h = length(height);
    if (!w || !h)
        return LayoutTexts::InvalidSettings;
    out.elementWidth = *w;
    out.elementHeight = *h;
    const RegionGeometry region = regionGeometry(out.unit, uint32_t(foldType), 0, out.elementWidth, out.elementHeight);
    if (!regionSizeAllowed(region.width, region.height))
        return regionSizeMessage(m_metric);
    const auto r = readCount(rows), c = readCount(columns);
    const auto top = length(topMargin), left = length(leftMargin), cs = length(columnSpace), rs = length(rowSpace);
    if (!r || !c || !top || !left || !cs || !rs)
        return LayoutTexts::InvalidSettings;
    out.rows = *r;
    out.columns = *c;
    out.topMargin = *top;
    out.leftMargin = *left;
    out.columnSpace = *cs;
    out.rowSpace = *rs;
    out.foldType = uint8_t(std::clamp(foldType, 0, 8));
    out.backPrintable = backPrintable ? 1 : 0;
    out.stockType = uint8_t(std::clamp(stockType, 0, 3));
    record = out;
    return {};
}
