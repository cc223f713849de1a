#include "ui/printing/PreviewModel.h"

#include <QLocale>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "print/SheetSetup.h"
#include "ui/printing/PrintingTexts.h"
#include "ui/shell/DesignDocument.h"

namespace {

constexpr int kCustomItem = 2;
constexpr int kFirstPercentItem = 3;
constexpr double kPercentFactors[] = {0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0};
constexpr double kClickStep = 0.25;
constexpr double kMaxZoom = 20;

} // namespace

PreviewModel::PreviewModel(DesignDocument& document, const PrintSettings& settings, int32_t sheetSide,
                           QPagedPaintDevice& device)
{
    if (!checkPrintSettings(settings, document.layout()).isEmpty() || !openDocumentData(document, m_data))
        return;
    if (!storeShownRegion(document))
        return;
    if (settings.setOrientation)
        applyLayoutPaper(device, document.layout());
    m_drawing = m_data.drawing();
    m_regions = std::make_unique<PrintRegions>(document.editor.manager(), document.layout());
    const PrintDesign design = printDesignOf(document);
    m_pass.emplace(*m_regions, document.layout(), settings, sheetSide, m_drawing, design.caption);
    const int32_t start = settings.side2 ? 1 : settings.startCell;
    m_pass->printer().setDevice(&device);
    m_pass->printer().beginRun(start, totalSlots(settings.quantity, start, document.layout().elementsPerSheet()));
    m_pass->printer().setDevice(nullptr);  // the preview never draws on the device
}

PreviewModel::~PreviewModel()
{
    // The pass draws from the regions: it goes first.
    m_pass.reset();
    m_regions.reset();
}

int PreviewModel::pageCount() const { return m_pass ? std::max(m_pass->printer().pageCount(), 0) : 0; }

void PreviewModel::goToPage(int page) { m_page = std::clamp(page, 0, std::max(pageCount() - 1, 0)); }

void PreviewModel::chooseZoomItem(int index)
{
    m_zoomItem = std::clamp(index, 0, int(PrintingTexts::ZoomItems.size()) - 1);
    if (m_zoomItem >= kFirstPercentItem)
        m_custom = kPercentFactors[m_zoomItem - kFirstPercentItem];
}

const DeviceMetrics& PreviewModel::metrics() const
{
    static const DeviceMetrics none;
    return m_pass ? m_pass->printer().deviceMetrics() : none;
}

double PreviewModel::zoomFactor(const QSize& client, double screenPpi) const
{
    const DeviceMetrics& m = metrics();
    switch (m_zoomItem) {
    case 0: return std::max(client.height() - 20, 1) / screenPpi / (double(m.pageHeight) / m.dpiY);
    case 1: return std::max(client.width() - 20, 1) / screenPpi / (double(m.pageWidth) / m.dpiX);
    default: return m_custom;
    }
}

void PreviewModel::zoomByClick(bool in, const QSize& client, double screenPpi)
{
    const double z = zoomFactor(client, screenPpi);
    m_custom = in ? std::min(z + kClickStep, kMaxZoom) : std::max(z - kClickStep, kClickStep);
    m_zoomItem = kCustomItem;
}

QSize PreviewModel::panelSize(const QSize& client, double screenPpi) const
{
    const DeviceMetrics& m = metrics();
    const double z = zoomFactor(client, screenPpi);
    return QSize(int(std::lround(screenPpi * z * m.pageWidth / m.dpiX)),
                 int(std::lround(screenPpi * z * m.pageHeight / m.dpiY)));
}

QString PreviewModel::pageText() const { return PrintingTexts::pageOfPages(m_page + 1, pageCount()); }

QString PreviewModel::zoomText(const QSize& client, double screenPpi) const
{
    return QLocale().toString(zoomFactor(client, screenPpi) * 100, 'f', 0) + QLatin1Char('%');
}

bool PreviewModel::paintPage(QPainter& painter, const QRect& panel, int page)
{
    if (!m_pass || page < 0 || page >= pageCount())
        return false;
    const DeviceMetrics& m = metrics();
    painter.save();
    painter.setWindow(0, 0, m.pageWidth, m.pageHeight);
    painter.setViewport(panel);
    const bool ok = m_pass->printer().drawPage(painter, page, true);
    painter.restore();
    return ok;
}
