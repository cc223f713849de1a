#pragma once
// Units, the paper table and the fold model: pure functions the whole program shares.
// A design unit is one hundredth of an inch.

#include <QString>
#include <QStringList>
#include <cstdint>

long double UnitsToDisplay(int32_t value, bool metricDisplay, uint8_t valueUnit);
int32_t DisplayToUnits(long double number, bool fromMillimetres);
int32_t LayoutToDesignUnits(uint8_t layoutUnit, int32_t value);

// Surface scale: design units → pixels at zoom Z and back, both truncating.
int32_t UnitsToPixels(int32_t units, int32_t zoom);
int32_t PixelsToUnits(int32_t pixels, int32_t zoom);

struct PaperInfo {
    const char* caption;
    int32_t code;
    int32_t width;
    int32_t height;
};
constexpr int kPaperTypeCount = 19;
constexpr int kPaperUserDefined = 17;
constexpr int kPaperNone = 18;
const PaperInfo& PaperTableEntry(int index);  // index 0..18
bool GetPaperType(uint32_t paperIndex, int32_t* paperCode, int32_t* width, int32_t* height);

struct RegionGeometry {
    int32_t regionCount = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool sideFold = false;
    bool flat = false;
};
int32_t GetRegionGeometry(uint8_t layoutUnit, uint32_t foldType, int32_t sheetSide, int32_t elementWidth,
                          int32_t elementHeight, QStringList* captions = nullptr, int32_t* regionWidth = nullptr,
                          int32_t* regionHeight = nullptr, bool* sideFold = nullptr, bool* flat = nullptr);
bool GetRegionSlot(uint32_t foldType, int32_t regionIndex, int32_t* side, int32_t* panel);

const char* FoldTypeName(uint32_t foldType);  // "None", "Side Fold Tall Business Card", …

constexpr int32_t kMinRegionSize = 10;
constexpr int32_t kMaxRegionSize = 1700;
bool RegionSizeAllowed(int32_t width, int32_t height);
QString RegionSizeMessage(bool metricDisplay);
QString FormatFixed(long double value, int decimals);
