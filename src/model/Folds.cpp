#include "model/Folds.h"

#include "model/ModelTexts.h"
#include "model/Units.h"

RegionGeometry regionGeometry(uint8_t layoutUnit, uint32_t foldType, int32_t sheetSide, int32_t elementWidth,
                              int32_t elementHeight)
{
    RegionGeometry geometry;
    if (foldType > 8)
        return geometry;
    geometry.flat = foldType == 0;
    geometry.sideFold = foldType == 1 || foldType == 3 || foldType == 5 || foldType == 7;
    int32_t w = elementWidth;
    int32_t h = elementHeight;
    if (!geometry.flat) {
        if (geometry.sideFold)
            w /= 2;
        else
            h /= 2;
    }
    geometry.width = layoutToDesignUnits(layoutUnit, w);
    geometry.height = layoutToDesignUnits(layoutUnit, h);
    geometry.regionCount = geometry.flat || sheetSide != 0 ? 1 : 2;
    return geometry;
}

QStringList regionCaptions(uint32_t foldType)
{
    if (foldType > 8)
        return {};
    using namespace ModelTexts;
    if (foldType == 0)
        return {FrontRegion, BackRegion};
    const bool business = foldType <= 4;
    if (business)
        return {InsideRegion, InsideCoverRegion, CoverRegion};
    return {CoverRegion, InsideCoverRegion, InsideRegion};
}

bool regionSlotFor(uint32_t foldType, int32_t regionIndex, int32_t* side, int32_t* panel)
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

QString foldTypeName(uint32_t foldType)
{
    return foldType < uint32_t(ModelTexts::FoldTypeNames.size()) ? ModelTexts::FoldTypeNames[foldType] : QString();
}

bool regionSizeAllowed(int32_t width, int32_t height)
{
    return width >= kMinRegionSize && width <= kMaxRegionSize && height >= kMinRegionSize &&
           height <= kMaxRegionSize;
}

QString regionSizeMessage(bool metricDisplay)
{
    return ModelTexts::regionSizeLimits(formatFixed(unitsToDisplay(kMinRegionSize, metricDisplay, 0), 2),
                                        formatFixed(unitsToDisplay(kMaxRegionSize, metricDisplay, 0), 2),
                                        metricDisplay);
}
