#pragma once
// Design files (".lpd") and templates (".cct"): a 528-byte header, the
// LayoutRecord, then one block per non-empty region slot.

#include <QString>
#include <cstdint>
#include <utility>
#include <vector>

#include "model/LayoutRecord.h"

class ObjectManager;

namespace DesignFileResult {
constexpr int32_t Success = 1;
constexpr int32_t LoadError = 1000;
constexpr int32_t BadVersion = 1002;
constexpr int32_t SaveError = 1003;
// The layout's regions lie outside the region size limits (Folds.h).
constexpr int32_t RegionSize = 1004;
constexpr int32_t OutOfMemory = 1100;
}
// The text of a result; the region size limits are given in millimetres when
// metricUnits, else in inches (the caller's "Metric units" option).
QString designFileResultText(int32_t code, bool metricUnits);

constexpr int32_t kDesignFileVersion = 700;
constexpr uint32_t kDesignFileSignature = 0x7B34DEA1;
constexpr int kDesignHeaderSize = 528;
constexpr int kLinkedPathOffset = 272;
constexpr int kLinkedPathSize = 256;
constexpr int kRegionRecordSize = 140;

// True when bytes start the way every design file does (any version): a
// file without it is no design file at all.
bool hasDesignFileSignature(QByteArrayView bytes);

struct DesignFileInfo {
    int32_t version = 0;
    uint32_t signature = 0;
    int32_t zoom = 100;
    int32_t regionCount = 0;
    // (side, panel) of each region block, in file order.
    std::vector<std::pair<int, int>> blockSlots;
};

// Stores the live region into its slot first (the card keeps it), then
// writes atomically: the previous file survives a failed save. On failure
// *error (when given) says why. What a save means to the history is the
// editor's business, not this layer's.
bool writeDesignFile(ObjectManager& manager, const QString& fileName, const LayoutRecord& layout,
                     const QString& linkedDatabasePath, int32_t zoom, QString* error = nullptr);
QByteArray buildDesignFile(ObjectManager& manager, const LayoutRecord& layout, const QString& linkedDatabasePath,
                           int32_t zoom);

// The manager must be new and empty. On success the first region is live.
// A layout whose regions break the size limits gives RegionSize before any
// region is read or sized.
int32_t readDesignFile(ObjectManager& manager, const QString& fileName, LayoutRecord& layout,
                       QString& linkedDatabasePath, int32_t& zoom, DesignFileInfo* info = nullptr);
int32_t parseDesignFile(ObjectManager& manager, QByteArrayView bytes, LayoutRecord& layout,
                        QString& linkedDatabasePath, int32_t& zoom, DesignFileInfo* info = nullptr);
