#include "model/Paper.h"

#include <algorithm>

namespace {
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

} // namespace

const PaperInfo& paperTableEntry(int index) { return kPapers[std::clamp(index, 0, kPaperTypeCount - 1)]; }

bool paperForIndex(uint32_t paperIndex, int32_t* paperCode, int32_t* width, int32_t* height)
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

