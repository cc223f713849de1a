#pragma once
// The layout editor's logic without widgets: one LayoutRecord shown in the
// display unit, and read back on OK with its checks.

#include <QString>

#include "model/LayoutRecord.h"

class LayoutEditorForm {
public:
    LayoutEditorForm(const LayoutRecord& record, bool metric);

    QString name;
    QString rows, columns;
    QString width, height;
    QString topMargin, leftMargin, columnSpace, rowSpace;
    int paperType = 0;
    QString paperLength, paperWidth;
    int foldType = 0;
    bool backPrintable = false;
    int stockType = 0;

    bool metric() const { return m_metric; }
    bool paperSizeShown() const;
    // Which unit the record holds its lengths in.
    QString storedUnitNote() const;

    // OK: the message to show (the record then stays as it was), or empty
    // with the record rewritten in the display unit.
    QString accept(LayoutRecord& record) const;

private:
    LayoutRecord m_original;
    bool m_metric = false;
};
