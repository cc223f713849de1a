#pragma once
// One document on a page device: the painter is started with the first page
// and every later page starts with newPage. Several passes of the engine can
// add their pages to the same document.

#include <QPainter>
#include <QString>

#include "print/PrinterCalibration.h"

class QPagedPaintDevice;

class PrintDocument {
public:
    // Every page is drawn through the calibration's transform.
    PrintDocument(QPagedPaintDevice& device, const QString& title, const PrinterCalibration& calibration = {});
    ~PrintDocument();
    PrintDocument(const PrintDocument&) = delete;
    PrintDocument& operator=(const PrintDocument&) = delete;

    // Starts the next page (the first one begins the document). False when the
    // device refuses; the document is then unusable.
    bool startPage();
    QPainter& painter() { return m_painter; }
    int pageCount() const { return m_pages; }
    bool failed() const { return m_failed; }
    // Ends the document; false when anything failed on the way.
    bool finish();

private:
    QPagedPaintDevice& m_device;
    PrinterCalibration m_calibration;
    QPainter m_painter;
    int m_pages = 0;
    bool m_failed = false;
};
