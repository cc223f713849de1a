#include "print/PrintSettings.h"

#include <limits>

#include "print/PrintTexts.h"

namespace {
// Whole numbers only, as the dialog's edit fields read them.
bool readInteger(const QString& text, int32_t* value)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (ok)
        *value = v;
    return ok;
}
} // namespace

QString checkStartPosition(const QString& text, int32_t elementsPerSheet, int32_t* value)
{
    int32_t v = 0;
    if (!readInteger(text, &v) || v < 1 || v > elementsPerSheet)
        return PrintTexts::startPositionRange(elementsPerSheet);
    *value = v;
    return {};
}

QString checkQuantity(const QString& text, int32_t* value)
{
    int32_t v = 0;
    if (!readInteger(text, &v) || v <= 0)
        return PrintTexts::InvalidQuantity;
    *value = v;
    return {};
}

int32_t quantityInElements(int32_t quantity, bool pages, int32_t elementsPerSheet)
{
    if (!pages)
        return quantity;
    const int64_t elements = int64_t(quantity) * elementsPerSheet;
    return elements > std::numeric_limits<int32_t>::max() ? std::numeric_limits<int32_t>::max()
                                                          : int32_t(elements);
}

int32_t totalSlots(int32_t quantity, int32_t startCell, int32_t elementsPerSheet)
{
    if (elementsPerSheet <= 0)
        return 0;
    const int64_t used = int64_t(quantity) + startCell - 1;
    const int64_t sheets = (used + elementsPerSheet - 1) / elementsPerSheet;
    const int64_t total = sheets * elementsPerSheet;
    return total > std::numeric_limits<int32_t>::max() ? 0 : int32_t(total);
}

BackMapping backMappingFor(uint8_t foldType, bool flip)
{
    const bool sideFold = foldType == 1 || foldType == 3 || foldType == 5 || foldType == 7;
    return sideFold || (foldType == 0 && flip) ? BackMapping::MirrorColumns : BackMapping::MirrorRows;
}
