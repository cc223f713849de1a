#pragma once

#include "model/LayoutRecord.h"

// 30 per Letter sheet: 3 across, 10 down, 2.62 × 1 in — the common address stock.
inline LayoutRecord thirtyUpLayout(const QString& name = QStringLiteral("Address 1 x 2 5/8 in<>30 per sheet"))
{
    LayoutRecord l = thirtyUpAddressLayout();
    l.setName(name);
    l.wizardType = 0;
    return l;
}
