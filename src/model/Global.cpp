#include "Global.h"

#include <cmath>

namespace {
constexpr long double kInchesPerMillimetre = 0.039370078740157482516L;

constexpr PaperInfo kPapers[kPaperTypeCount] = {
    {"Letter (8 1/2 x 11 in)", 1, 850, 1100},
    {"Legal (8 1/2 x 14 in)", 5, 850, 1400},
    {"Executive (7 1/4 x 10 1/2 in)", 7, 725, 1050},
    {"A3 (297 x 420 mm)", 8, 1169, 1654},
    {"A4 (210 x 297 mm)", 9, 827, 1169},
    {"A5 (148 x 210 mm)", 11, 583, 827},
    {"#9 Envelope (3 7/7 x 8 7/8 in)", 19, 388, 888},
    {"#10 Envelope (4 1/8 x 9 1/2 in)", 20, 413, 950},
    {"#11 Envelope (4 1/2 10 3/8 in)", 21, 450, 1038},
    {"#12 Envelope (4 3/4 x 11 in)", 22, 475, 1100},
    {"Monarch Envelope (3 7/8 x 7 1/2 in)", 37, 388, 750},
    {"6 3/4 Envelope (3 5/8 x 6 1/2 in)", 38, 363, 650},
    {"DL Envelope (110 x 220 mm)", 27, 433, 866},
    {"C4 Envelope (229 x 324 mm)", 30, 902, 1276},
    {"C5 Envelope (162 x 229 mm)", 28, 638, 902},
    {"C6 Envelope (114 x 162 mm)", 31, 449, 638},
    {"C65 Envelope (114 x 229 mm)", 32, 449, 902},
    {"User Defined", -1, 0, 0},
    {"<<None>>", -2, 0, 0},
};

constexpr const char* kFoldNames[9] = {
    "None",
    "Side Fold Tall Business Card",
    "Top Fold Wide Business Card",
    "Side Fold Wide Business Card",
    "Top Fold Tall Business Card",
    "Side Fold Tall Occasion Card",
    "Top Fold Wide Occasion Card",
    "Side Fold Wide Occasion Card",
    "Top Fold Tall Occasion Card",
};

int32_t truncToInt(long double value)
{
    if (!(value == value))
        return 0;
    if (value >= 2147483647.0L)
        return INT32_MAX;
    if (value <= -2147483648.0L)
        return INT32_MIN;
    return int32_t(std::trunc(value));
}
} // namespace

long double UnitsToDisplay(int32_t value, bool metricDisplay, uint8_t valueUnit)
{
    if (valueUnit == 1)
        return metricDisplay ? value * 0.01L : value / 2540.0L;
    return metricDisplay ? value * 0.254L : value * 0.01L;
}

int32_t DisplayToUnits(long double number, bool fromMillimetres)
{
    number += number > 0 ? 0.00001L : -0.00001L;
    number *= 100;
    if (fromMillimetres)
        number *= kInchesPerMillimetre;
    return truncToInt(number);
}

int32_t LayoutToDesignUnits(uint8_t layoutUnit, int32_t value)
{
    return layoutUnit == 1 ? truncToInt(value * kInchesPerMillimetre) : value;
}

int32_t UnitsToPixels(int32_t units, int32_t zoom) { return truncToInt(units * (long double)zoom * 0.01L); }

int32_t PixelsToUnits(int32_t pixels, int32_t zoom)
{
    if (zoom == 0)
        return 0;
    return truncToInt(pixels * 100.0L / zoom);
}

const PaperInfo& PaperTableEntry(int index) { return kPapers[std::clamp(index, 0, kPaperTypeCount - 1)]; }

bool GetPaperType(uint32_t paperIndex, int32_t* paperCode, int32_t* width, int32_t* height)
{
    const bool known = paperIndex < uint32_t(kPaperTypeCount);
    const PaperInfo& paper = kPapers[known ? paperIndex : 0];
    if (paperCode)
        *paperCode = paper.code;
    if (width)
        *width = paper.width;
    if (height)
        *height = paper.height;
    return known;
}

int32_t GetRegionGeometry(uint8_t layoutUnit, uint32_t foldType, int32_t sheetSide, int32_t elementWidth,
                          int32_t elementHeight, QStringList* captions, int32_t* regionWidth,
                          int32_t* regionHeight, bool* sideFold, bool* flat)
{
    if (captions)
        captions->clear();
    if (foldType > 8)
        return 0;
    const bool isFlat = foldType == 0;
    const bool isSideFold = foldType == 1 || foldType == 3 || foldType == 5 || foldType == 7;
    const bool business = foldType >= 1 && foldType <= 4;
    int32_t w = elementWidth;
    int32_t h = elementHeight;
    if (!isFlat) {
        if (isSideFold)
            w /= 2;
        else
            h /= 2;
    }
    if (captions) {
        if (isFlat)
            *captions << "Front" << "Back";
        else if (business)
            *captions << "Inside" << "Inside Cover" << "Cover";
        else
            *captions << "Cover" << "Inside Cover" << "Inside";
    }
    if (regionWidth)
        *regionWidth = LayoutToDesignUnits(layoutUnit, w);
    if (regionHeight)
        *regionHeight = LayoutToDesignUnits(layoutUnit, h);
    if (sideFold)
        *sideFold = isSideFold;
    if (flat)
        *flat = isFlat;
    if (isFlat)
        return 1;
    return sheetSide == 0 ? 2 : 1;
}

bool GetRegionSlot(uint32_t foldType, int32_t regionIndex, int32_t* side, int32_t* panel)
{
    int32_t s = 0, p = 0;
    if (foldType == 0) {
        s = regionIndex >= 1 ? 1 : 0;
        p = 0;
    } else if (foldType <= 4) {
        if (regionIndex <= 0) { s = 0; p = 1; }
        else if (regionIndex == 1) { s = 0; p = 0; }
        else { s = 1; p = 0; }
    } else if (foldType <= 8) {
        if (regionIndex <= 0) { s = 1; p = 0; }
        else if (regionIndex == 1) { s = 0; p = 0; }
        else { s = 0; p = 1; }
    } else {
        return true;
    }
    if (side)
        *side = s;
    if (panel)
        *panel = p;
    return true;
}

const char* FoldTypeName(uint32_t foldType) { return foldType <= 8 ? kFoldNames[foldType] : ""; }

bool RegionSizeAllowed(int32_t width, int32_t height)
{
    return width >= kMinRegionSize && width <= kMaxRegionSize && height >= kMinRegionSize &&
           height <= kMaxRegionSize;
}

QString FormatFixed(long double value, int decimals) { return QString::number(double(value), 'f', decimals); }

QString RegionSizeMessage(bool metricDisplay)
{
    return QStringLiteral("The width and height or each region must be between ") +
           FormatFixed(UnitsToDisplay(kMinRegionSize, metricDisplay, 0), 2) + " and " +
           FormatFixed(UnitsToDisplay(kMaxRegionSize, metricDisplay, 0), 2) + (metricDisplay ? " mm" : " in");
}
