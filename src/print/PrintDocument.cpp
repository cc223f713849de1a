#include "print/PrintDocument.h"

#include <QPagedPaintDevice>
#include <QPdfWriter>

PrintDocument::PrintDocument(QPagedPaintDevice& device, const QString& title, const PrinterCalibration& calibration)
    : m_device(device), m_calibration(calibration)
{
    // Printers take their job title from their own settings (the caller's business).
    if (auto* pdf = dynamic_cast<QPdfWriter*>(&device))
        pdf->setTitle(title);
}

PrintDocument::~PrintDocument()
{
    if (m_painter.isActive())
        m_painter.end();
}

bool PrintDocument::startPage()
{
    if (m_failed)
        return false;
    if (m_pages == 0) {
        if (!m_painter.begin(&m_device)) {
            m_failed = true;
            return false;
        }
    } else if (!m_device.newPage()) {
        m_failed = true;
        return false;
    }
    ++m_pages;
    m_painter.setTransform(m_calibration.pageTransform(m_device.logicalDpiX(), m_device.logicalDpiY()));
    return true;
}

bool PrintDocument::finish()
{
    if (m_painter.isActive() && !m_painter.end())
        m_failed = true;
    return !m_failed;
}
