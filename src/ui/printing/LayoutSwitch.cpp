#include "ui/printing/LayoutSwitch.h"

#include <algorithm>

#include "model/Folds.h"
#include "model/ObjectManager.h"
#include "system/Messages.h"
#include "ui/printing/OpenDesignPrinting.h"
#include "ui/shell/DesignDocument.h"

namespace {

constexpr int kRegionsCarried = 3;

} // namespace

std::unique_ptr<DesignDocument> designOnLayout(DesignDocument& from, const LayoutRecord& layout, int untitledNumber)
{
    auto to = std::make_unique<DesignDocument>();
    if (!to->startBlank(layout, untitledNumber))
        return nullptr;
    if (!storeShownRegion(from))
        return nullptr;
    {
        const uint8_t fromFold = from.layout().foldType, toFold = layout.foldType;
        const int regions = std::min({int(regionCaptions(fromFold).size()), int(regionCaptions(toFold).size()),
                                      kRegionsCarried});
        for (int region = 0; region < regions; ++region) {
            int32_t fromSide = 0, fromPanel = 0, toSide = 0, toPanel = 0;
            if (regionSlotFor(fromFold, region, &fromSide, &fromPanel) &&
                regionSlotFor(toFold, region, &toSide, &toPanel))
                to->editor.manager().slot(toSide, toPanel) = from.editor.manager().slot(fromSide, fromPanel);
        }
    }
    // The new design shows its first region, now with the old one's content:
    // the blank card it showed is dropped, not stored over the copy.
    int32_t side = 0, panel = 0;
    regionSlotFor(layout.foldType, 0, &side, &panel);
    to->editor.manager().detachLiveRegion();
    if (!to->editor.showRegion(RegionId{side, panel})) {
        Messages::error(to->editor.manager().errorString());
        return nullptr;
    }
    to->editor.card().baseImage = layout.stockType <= 3 ? layout.stockType : 0;
    to->editor.markChanged();
    return to;
}

void applyEditedLayout(DesignDocument& document, const LayoutRecord& layout)
{
    document.setLayout(layout);
    int32_t width = 0, height = 0;
    layout.regionSize(&width, &height);
    document.editor.setCardShape(QSize(width, height), layout.stockType <= 3 ? layout.stockType : 0);
}
