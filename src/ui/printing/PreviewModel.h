#pragma once
// The preview's logic without widgets: one pass of a job composed page by
// page with the print engine, the zoom list and its factor, the page buttons
// and the status texts. Nothing is kept between pages: each is composed afresh.

#include <QPagedPaintDevice>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>

#include "print/PrintData.h"
#include "print/PrintJob.h"
#include "ui/printing/OpenDesignPrinting.h"

class DesignDocument;
class QPainter;

enum class PreviewZoom { FitToPage, FitToWidth, Custom, Percent };

class PreviewModel {
public:
    // The device decides the page and its printable area (a printer, or a
    // PDF writer for a file); with the "setOrientation" setting the layout's
    // paper is applied to it as printing would.
    PreviewModel(DesignDocument& document, const PrintSettings& settings, int32_t sheetSide,
                 QPagedPaintDevice& device);
    ~PreviewModel();

    // False when the design could not be prepared (nothing to show).
    bool ready() const { return m_pass.has_value(); }
    int pageCount() const;
    int currentPage() const { return m_page; }  // 0-based
    void goToPage(int page);
    void firstPage() { goToPage(0); }
    void previousPage() { goToPage(m_page - 1); }
    void nextPage() { goToPage(m_page + 1); }
    void lastPage() { goToPage(pageCount() - 1); }
    bool canGoBack() const { return m_page > 0; }
    bool canGoForward() const { return m_page < pageCount() - 1; }

    // The zoom list: index into PrintingTexts::ZoomItems.
    void chooseZoomItem(int index);
    int zoomItem() const { return m_zoomItem; }
    // z for a page area of this client size at this many screen pixels per inch.
    double zoomFactor(const QSize& client, double screenPpi) const;
    // Left click: +0.25 (not beyond 20); right click: -0.25 (not below 0.25). The list goes to "Custom".
    void zoomByClick(bool in, const QSize& client, double screenPpi);
    // The white panel the page is shown on, in screen pixels.
    QSize panelSize(const QSize& client, double screenPpi) const;

    QString pageText() const;
    QString zoomText(const QSize& client, double screenPpi) const;

    // Composes the current page (or any page) into a panel of the painter's device.
    bool paintPage(QPainter& painter, const QRect& panel, int page);
    bool paintPage(QPainter& painter, const QRect& panel) { return paintPage(painter, panel, m_page); }
    const DeviceMetrics& metrics() const;

private:
    PrintData m_data;
    std::unique_ptr<PrintRegions> m_regions;
    ObjectDrawing m_drawing;
    std::optional<PrintPass> m_pass;
    int m_page = 0;
    int m_zoomItem = 0;
    double m_custom = 1.0;
};
