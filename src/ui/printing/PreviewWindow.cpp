#include "ui/printing/PreviewWindow.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "ui/printing/PreviewModel.h"
#include "ui/printing/PrintingTexts.h"

namespace T = PrintingTexts;

// The white panel one page is composed on; grey around it.
class PreviewPage : public QWidget {
public:
    PreviewPage(PreviewWindow& window, QWidget* parent) : QWidget(parent), m_window(window)
    {
        setObjectName(QStringLiteral("PreviewPage"));
        setCursor(Qt::CrossCursor);
    }
    QRect pageRect() const { return m_pageRect; }
    void placePage(const QSize& panel, const QSize& client)
    {
        // Centred when smaller than the area, else 10 pixels in from the top-left.
        const int x = panel.width() < client.width() ? (client.width() - panel.width()) / 2 : 10;
        const int y = panel.height() < client.height() ? (client.height() - panel.height()) / 2 : 10;
        m_pageRect = QRect(QPoint(x, y), panel);
        resize(std::max(client.width(), panel.width() + 20), std::max(client.height(), panel.height() + 20));
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(0x80, 0x80, 0x80));
        p.fillRect(m_pageRect, Qt::white);
        p.setClipRect(m_pageRect);
        m_window.model().paintPage(p, m_pageRect);
        p.translate(m_pageRect.topLeft());
        if (m_window.gridShown())
            drawInchGrid(p);
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
            m_window.clickPage(event->position().toPoint(), event->button() == Qt::LeftButton);
    }

private:
    void drawInchGrid(QPainter& p) const
    {
        const DeviceMetrics& m = m_window.model().metrics();
        p.setPen(QColor(0xc0, 0xc0, 0xc0));
        const double sx = double(m_pageRect.width()) / m.pageWidth * m.dpiX;
        const double sy = double(m_pageRect.height()) / m.pageHeight * m.dpiY;
        for (double x = sx; x < m_pageRect.width() && sx > 1; x += sx)
            p.drawLine(QPointF(x, 0), QPointF(x, m_pageRect.height()));
        for (double y = sy; y < m_pageRect.height() && sy > 1; y += sy)
            p.drawLine(QPointF(0, y), QPointF(m_pageRect.width(), y));
    }

    PreviewWindow& m_window;
    QRect m_pageRect;
};

PreviewWindow::PreviewWindow(PreviewModel& model, QWidget* parent) : QDialog(parent), m_model(model)
{
    setWindowTitle(T::PreviewCaption);
    setSizeGripEnabled(true);
    resize(720, 800);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(createToolBar());
    m_area = new QScrollArea(this);
    m_area->setObjectName(QStringLiteral("PageArea"));
    m_area->setBackgroundRole(QPalette::Dark);
    m_page = new PreviewPage(*this, m_area);
    m_area->setWidget(m_page);
    // The page follows the area's own size, which settles after the window's.
    m_area->viewport()->installEventFilter(this);
    layout->addWidget(m_area, 1);
    auto* status = new QStatusBar(this);
    m_pageStatus = new QLabel(status);
    m_pageStatus->setObjectName(QStringLiteral("PageStatus"));
    m_zoomStatus = new QLabel(status);
    m_zoomStatus->setObjectName(QStringLiteral("ZoomStatus"));
    m_hintStatus = new QLabel(status);
    status->addWidget(m_pageStatus);
    status->addWidget(m_zoomStatus);
    status->addWidget(m_hintStatus, 1);
    layout->addWidget(status);
    setPrintAction({});
    relayout();
}

QAction* PreviewWindow::addTool(QToolBar* bar, const char* name, const QString& text, std::function<void()> run)
{
    QAction* action = bar->addAction(text);
    action->setObjectName(QLatin1String(name));
    action->setStatusTip(text);
    connect(action, &QAction::triggered, this, [this, run = std::move(run)] {
        run();
        relayout();
    });
    return action;
}

QToolBar* PreviewWindow::createToolBar()
{
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("PreviewToolBar"));
    m_grid = addTool(bar, "GridBtn", T::Grid, [] {});
    m_grid->setCheckable(true);
    addTool(bar, "FitToPageBtn", T::FitToPageButton, [this] { m_model.chooseZoomItem(0); });
    addTool(bar, "FitToWidthBtn", T::FitToWidthButton, [this] { m_model.chooseZoomItem(1); });
    m_printButton = addTool(bar, "PrintBtn", T::PrintHint, [this] {
        if (m_print)
            m_print();
    });
    bar->addSeparator();
    m_first = addTool(bar, "FirstPageBtn", T::FirstPage, [this] { m_model.firstPage(); });
    m_previous = addTool(bar, "PriorPageBtn", T::PreviousPage, [this] { m_model.previousPage(); });
    m_next = addTool(bar, "NextPageBtn", T::NextPage, [this] { m_model.nextPage(); });
    m_last = addTool(bar, "LastPageBtn", T::LastPage, [this] { m_model.lastPage(); });
    bar->addSeparator();
    m_zoomList = new QComboBox(bar);
    m_zoomList->setObjectName(QStringLiteral("ZoomCombo"));
    m_zoomList->addItems(T::ZoomItems);
    bar->addWidget(m_zoomList);
    connect(m_zoomList, &QComboBox::activated, this, [this](int index) {
        m_model.chooseZoomItem(index);
        relayout();
    });
    bar->addSeparator();
    QAction* close = bar->addAction(T::Close);
    close->setObjectName(QStringLiteral("CloseBtn"));
    connect(close, &QAction::triggered, this, &QDialog::accept);
    connect(bar, &QToolBar::actionTriggered, this, [this](QAction* a) { m_hintStatus->setText(a->statusTip()); });
    return bar;
}

void PreviewWindow::setPrintAction(std::function<void()> print)
{
    m_print = std::move(print);
    m_printButton->setVisible(bool(m_print));
}

bool PreviewWindow::gridShown() const { return m_grid->isChecked(); }

QSize PreviewWindow::clientSize() const { return m_area->viewport()->size(); }

double PreviewWindow::screenPpi() const { return std::max(logicalDpiX(), 1); }

void PreviewWindow::relayout()
{
    const QSize client = clientSize();
    m_page->placePage(m_model.panelSize(client, screenPpi()), client);
    m_zoomList->setCurrentIndex(m_model.zoomItem());
    m_first->setEnabled(m_model.canGoBack());
    m_previous->setEnabled(m_model.canGoBack());
    m_next->setEnabled(m_model.canGoForward());
    m_last->setEnabled(m_model.canGoForward());
    m_pageStatus->setText(m_model.pageText());
    m_zoomStatus->setText(m_model.zoomText(client, screenPpi()));
}

void PreviewWindow::clickPage(const QPoint& point, bool zoomIn)
{
    const QRect before = m_page->pageRect();
    if (before.width() <= 0 || before.height() <= 0)
        return;
    // Where on the page the click was, as a fraction, so it can be centred after.
    const double fx = double(point.x() - before.left()) / before.width();
    const double fy = double(point.y() - before.top()) / before.height();
    m_model.zoomByClick(zoomIn, clientSize(), screenPpi());
    relayout();
    const QRect after = m_page->pageRect();
    const QSize client = clientSize();
    m_area->horizontalScrollBar()->setValue(int(after.left() + fx * after.width() - client.width() / 2));
    m_area->verticalScrollBar()->setValue(int(after.top() + fy * after.height() - client.height() / 2));
}

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_area->viewport() && event->type() == QEvent::Resize && !m_relayingOut) {
        m_relayingOut = true;
        relayout();
        m_relayingOut = false;
    }
    return QDialog::eventFilter(watched, event);
}
