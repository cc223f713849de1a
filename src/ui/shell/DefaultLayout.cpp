#include "ui/shell/DefaultLayout.h"

#include "files/LayoutFile.h"
#include "system/AppPaths.h"

namespace {
LayoutRecord builtInAddressLabel()
{
    LayoutRecord layout;
    layout.setName(QStringLiteral("Address 1 x 2 5/8 in<>30 per sheet, 3 across"));
    layout.rows = 10;
    layout.columns = 3;
    layout.elementWidth = 262;
    layout.elementHeight = 100;
    layout.topMargin = 50;
    layout.leftMargin = 19;
    layout.columnSpace = 12;
    layout.wizardType = 1;
    return layout;
}
}

LayoutRecord defaultLayout()
{
    const auto layouts = readLayoutFile(AppPaths::programFolder() + QStringLiteral("/Address Labels.LYT"));
    for (const LayoutRecord& layout : layouts)
        if (layoutSelectable(layout) && layout.regionSizeInRange())
            return layout;
    return builtInAddressLabel();
}
