#pragma once
// Which field each edit box of a personal database page shows, tab by tab.

#include <QString>
#include <vector>

#include "pdb/CategoryStore.h"

struct PdbFieldControl {
    QString tab;      // empty: the page has no tabs (Texts)
    QString caption;  // empty: the box has no caption
    QString field;
    bool multiLine = false;
};

std::vector<PdbFieldControl> pdbFieldControls(PdbKind kind);
// The tab an insert switches to and the field it focuses.
QString firstField(PdbKind kind);
