#pragma once
// The print dialog's logic without widgets: what it starts with, which
// controls are on, the checks on OK in their order, the two passes'
// instructions and the picture of the sheet that picks the start cell.

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <cstdint>

#include "print/PrintSettings.h"

struct LayoutRecord;

enum class PrintFormField { None, StartPosition, Quantity };

class PrintForm {
public:
    // recordCount: records of the linked data (0 without one).
    PrintForm(const LayoutRecord& layout, int32_t recordCount, bool cropMarks, bool cornerMarks);

    // What the controls hold; the widget keeps them in step.
    QString startPosition = QStringLiteral("1");
    QString quantity;
    bool quantityInPages = false;
    int32_t startRecord = 0;
    bool cycle = false;
    bool cropMarks = false;
    bool cornerMarks = false;
    bool header = false;
    bool footer = false;
    bool side1 = true;
    bool side2 = false;
    bool flip = false;

    int32_t elementsPerSheet() const { return m_perSheet; }
    int32_t recordCount() const { return m_recordCount; }
    int32_t rows() const { return m_rows; }
    int32_t columns() const { return m_columns; }

    bool databaseShown() const { return m_recordCount > 0; }
    bool side2Enabled() const { return m_backPrintable && !m_secondPass; }
    bool flipShown() const { return m_backPrintable && m_foldType == 0; }
    // Side 2 always starts at the first cell; the second pass keeps the first's.
    bool startPositionEnabled() const { return !side2 && !m_secondPass; }
    bool passControlsEnabled() const { return !m_secondPass; }
    bool okEnabled() const { return side1 || side2; }
    bool secondPass() const { return m_secondPass; }

    void setSide2(bool on);
    // "Calc &DB Qty": the records from the start record to the end, as elements.
    void calculateDatabaseQuantity();
    // The text under the controls: loading the paper, or turning it over.
    QString instructions() const;

    // OK: the message to show and the field to focus, or the settings.
    struct Outcome {
        QString message;
        PrintFormField field = PrintFormField::None;
        PrintSettings settings;
    };
    Outcome accept() const;
    // Between the passes: only the marks and the flip box are read again.
    void enterSecondPass() { m_secondPass = true; }
    // Whether the paper turns over its side (columns mirrored) for the second side.
    bool sideFlip() const;

    // The start-cell picture: the sheet's cells fitted into a box; a click
    // picks the cell under it (0 outside every cell).
    QRectF cellRect(int32_t cell, const QSizeF& box) const;
    int32_t cellAt(const QPointF& point, const QSizeF& box) const;

private:
    QRectF sheetRect(const QSizeF& box) const;

    int32_t m_perSheet = 0;
    int32_t m_rows = 0;
    int32_t m_columns = 0;
    int32_t m_recordCount = 0;
    uint8_t m_foldType = 0;
    bool m_backPrintable = false;
    bool m_secondPass = false;
    double m_cellAspect = 1;  // element width ÷ height
};
