#include "ui/shell/DefaultLayout.h"

#include "files/LayoutFile.h"
#include "system/AppPaths.h"

LayoutRecord defaultLayout()
{
    const auto layouts = readLayoutFile(AppPaths::programFolder() + QStringLiteral("/Address Labels.LYT"));
    for (const LayoutRecord& layout : layouts)
        if (layoutSelectable(layout) && layout.regionSizeInRange())
            return layout;
    return thirtyUpAddressLayout();
}
