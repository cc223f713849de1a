#pragma once
// The paper table: captions, printer paper codes and sizes in design units.

#include <cstdint>

struct PaperInfo {
    const char* caption;
    int32_t code;
    int32_t width;
    int32_t height;
};
constexpr int kPaperTypeCount = 19;
constexpr int kPaperUserDefined = 17;
constexpr int kPaperNone = 18;
const PaperInfo& paperTableEntry(int index);  // index 0..18
bool paperForIndex(uint32_t paperIndex, int32_t* paperCode, int32_t* width, int32_t* height);

