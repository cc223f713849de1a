#pragma once
// Folds: how a layout's fold type divides an element into regions, which
// side and panel each region occupies, and the limits of a region's size.

#include <QString>
#include <QStringList>
#include <cstdint>

// How a fold type divides an element on one side of the sheet. All zero for
// an unknown fold type.
struct RegionGeometry {
    int32_t regionCount = 0;  // regions printed on this sheet side
    int32_t width = 0;        // one region, in design units
    int32_t height = 0;
    bool sideFold = false;
    bool flat = false;
};
// elementWidth and elementHeight are in the layout's unit (layoutUnit).
RegionGeometry regionGeometry(uint8_t layoutUnit, uint32_t foldType, int32_t sheetSide, int32_t elementWidth,
                              int32_t elementHeight);
// The names of a fold type's regions in region order ("Front", "Back" for a
// flat design); empty for an unknown fold type.
QStringList regionCaptions(uint32_t foldType);
bool regionSlotFor(uint32_t foldType, int32_t regionIndex, int32_t* side, int32_t* panel);

QString foldTypeName(uint32_t foldType);  // "None", "Side Fold Tall Business Card", …

constexpr int32_t kMinRegionSize = 10;
constexpr int32_t kMaxRegionSize = 1700;
bool regionSizeAllowed(int32_t width, int32_t height);
QString regionSizeMessage(bool metricDisplay);
