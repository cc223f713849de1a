#include "ui/printing/PrintForm.h"

#include <algorithm>

#include "model/LayoutRecord.h"
#include "print/PrintTexts.h"

PrintForm::PrintForm(const LayoutRecord& layout, int32_t recordCount, bool crop, bool corner)
    : cropMarks(crop),
      cornerMarks(corner),
      m_perSheet(layout.elementsPerSheet()),
      m_rows(layout.rows),
      m_columns(layout.columns),
      m_recordCount(std::max(recordCount, 0)),
      m_foldType(layout.foldType),
      m_backPrintable(layout.backPrintable == 1)
{
    quantity = QString::number(m_perSheet);
    if (layout.elementWidth > 0 && layout.elementHeight > 0)
        m_cellAspect = double(layout.elementWidth) / layout.elementHeight;
}

void PrintForm::setSide2(bool on)
{
    side2 = on;
    if (on)
        startPosition = QStringLiteral("1");
}

void PrintForm::calculateDatabaseQuantity()
{
    quantityInPages = false;
    quantity = QString::number(std::max(m_recordCount - startRecord, 0));
}

QString PrintForm::instructions() const
{
    return m_secondPass ? PrintTexts::turnInstructions(sideFlip()) : PrintTexts::SingleSideInstructions;
}

bool PrintForm::sideFlip() const { return backMappingFor(m_foldType, flip) == BackMapping::MirrorColumns; }

PrintForm::Outcome PrintForm::accept() const
{
    Outcome out;
    PrintSettings& s = out.settings;
    if (startPositionEnabled()) {
        out.message = checkStartPosition(startPosition, m_perSheet, &s.startCell);
        if (!out.message.isEmpty()) {
            out.field = PrintFormField::StartPosition;
            return out;
        }
    }
    int32_t q = 0;
    out.message = checkQuantity(quantity, &q);
    if (!out.message.isEmpty()) {
        out.field = PrintFormField::Quantity;
        return out;
    }
    s.quantity = quantityInElements(q, quantityInPages, m_perSheet);
    s.startRecord = std::clamp(startRecord, 0, m_recordCount);
    s.cycle = cycle;
    s.cropMarks = cropMarks;
    s.cornerMarks = cornerMarks;
    s.header = header;
    s.footer = footer;
    s.side1 = side1;
    s.side2 = side2 && m_backPrintable;
    s.flip = flip;
    if (s.side2)
        s.startCell = 1;
    return out;
}

QRectF PrintForm::sheetRect(const QSizeF& box) const
{
    if (m_rows <= 0 || m_columns <= 0 || box.isEmpty())
        return {};
    // The cells keep their proportions; the sheet is centred in the box.
    const double sheetAspect = m_columns * m_cellAspect / m_rows;
    double w = box.width(), h = box.height();
    if (w / h > sheetAspect)
        w = h * sheetAspect;
    else
        h = w / sheetAspect;
    return QRectF((box.width() - w) / 2, (box.height() - h) / 2, w, h);
}

QRectF PrintForm::cellRect(int32_t cell, const QSizeF& box) const
{
    const QRectF sheet = sheetRect(box);
    if (sheet.isEmpty() || cell < 1 || cell > m_perSheet)
        return {};
    const double cw = sheet.width() / m_columns, ch = sheet.height() / m_rows;
    const int32_t row = (cell - 1) / m_columns, column = (cell - 1) % m_columns;
    return QRectF(sheet.left() + column * cw, sheet.top() + row * ch, cw, ch);
}

int32_t PrintForm::cellAt(const QPointF& point, const QSizeF& box) const
{
    const QRectF sheet = sheetRect(box);
    if (sheet.isEmpty() || !sheet.contains(point))
        return 0;
    const int32_t column = std::min(int32_t((point.x() - sheet.left()) / (sheet.width() / m_columns)), m_columns - 1);
    const int32_t row = std::min(int32_t((point.y() - sheet.top()) / (sheet.height() / m_rows)), m_rows - 1);
    return row * m_columns + column + 1;
}
