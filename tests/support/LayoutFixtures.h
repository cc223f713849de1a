#pragma once

#include "model/LayoutRecord.h"

// 30 per Letter sheet: 3 across, 10 down, 2.62 × 1 in — the common address stock.
inline LayoutRecord thirtyUpLayout(const QString& name = QStringLiteral("Address 1 x 2 5/8 in<>30 per sheet"))
{
    LayoutRecord l;
    l.setName(name);
    l.rows = 10;
    l.columns = 3;
    l.elementWidth = 262;
    l.elementHeight = 100;
    l.topMargin = 50;
    l.leftMargin = 19;
    l.columnSpace = 12;
    l.paperType = 0;
    return l;
}
