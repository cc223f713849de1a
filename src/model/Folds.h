#pragma once
// Folds: how a layout's fold type divides an element into regions, which
// side and panel each region occupies, and the limits of a region's size.

#include <QString>
#include <QStringList>
#include <cstdint>

struct RegionGeometry {
    int32_t regionCount = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool sideFold = false;
    bool flat = false;
};
int32_t regionGeometry(uint8_t layoutUnit, uint32_t foldType, int32_t sheetSide, int32_t elementWidth,
                          int32_t elementHeight, QStringList* captions = nullptr, int32_t* regionWidth = nullptr,
                          int32_t* regionHeight = nullptr, bool* sideFold = nullptr, bool* flat = nullptr);
bool regionSlotFor(uint32_t foldType, int32_t regionIndex, int32_t* side, int32_t* panel);

const char* foldTypeName(uint32_t foldType);  // "None", "Side Fold Tall Business Card", …

constexpr int32_t kMinRegionSize = 10;
constexpr int32_t kMaxRegionSize = 1700;
bool regionSizeAllowed(int32_t width, int32_t height);
QString regionSizeMessage(bool metricDisplay);
