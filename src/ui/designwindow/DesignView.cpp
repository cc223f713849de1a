#include "ui/designwindow/DesignView.h"

#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>

#include "ui/designwindow/CardView.h"
#include "ui/designwindow/DesignSurface.h"
#include "ui/designwindow/Ruler.h"

namespace {
const QColor kWorkAreaGrey(128, 128, 128);
// Grey right of and below the card, as much as before it.
constexpr int kTrailingRoom = DesignView::kCardInset;
}

DesignView::DesignView(DesignSurface& surface, QWidget* parent)
    : QWidget(parent),
      m_surface(surface),
      m_unitPanel(new QLabel(this)),
      m_horzRuler(new Ruler(Qt::Horizontal, this)),
      m_vertRuler(new Ruler(Qt::Vertical, this)),
      m_scroll(new QScrollArea(this)),
      m_workArea(new QWidget),
      m_card(new CardView(surface, m_workArea))
{
    m_unitPanel->setObjectName(QStringLiteral("UnitPanel"));
    m_unitPanel->setAlignment(Qt::AlignCenter);
    m_unitPanel->setFixedSize(Ruler::kThickness, Ruler::kThickness);
    QFont unitFont(QStringLiteral("Arial"));
    unitFont.setPixelSize(9);
    m_unitPanel->setFont(unitFont);
    m_unitPanel->setAutoFillBackground(true);
    m_unitPanel->setStyleSheet(QStringLiteral("background: white; color: black;"));

    m_scroll->setObjectName(QStringLiteral("ScrollBox"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(false);
    m_workArea->setAutoFillBackground(true);
    QPalette grey = m_workArea->palette();
    grey.setColor(QPalette::Window, kWorkAreaGrey);
    m_workArea->setPalette(grey);
    m_scroll->setPalette(grey);
    m_scroll->setBackgroundRole(QPalette::Window);
    m_card->move(kCardInset, kCardInset);
    m_scroll->setWidget(m_workArea);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(m_unitPanel, 0, 0);
    grid->addWidget(m_horzRuler, 0, 1);
    grid->addWidget(m_vertRuler, 1, 0);
    grid->addWidget(m_scroll, 1, 1);

    connect(m_scroll->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int value) { m_horzRuler->setOffset(kCardInset - value); });
    connect(m_scroll->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int value) { m_vertRuler->setOffset(kCardInset - value); });
    connect(&surface, &DesignSurface::zoomChanged, this, &DesignView::followZoom);
    connect(&surface, &DesignSurface::optionsChanged, this, &DesignView::followOptions);
    // A region switch may bring a card of another size.
    connect(&surface, &DesignSurface::contentChanged, this, [this] {
        if (m_card->size() != m_card->sizeHint()) {
            m_card->updateSize();
            layoutWorkArea();
        }
    });

    followOptions();
    followZoom(surface.zoom());
}

void DesignView::followOptions()
{
    const bool metric = m_surface.options().metricUnits;
    m_unitPanel->setText(metric ? QStringLiteral("CM") : QStringLiteral("I"));
    m_horzRuler->setMetric(metric);
    m_vertRuler->setMetric(metric);
}

void DesignView::followZoom(int zoom)
{
    m_card->updateSize();
    layoutWorkArea();
    resetScrolling();
    m_horzRuler->setScale(zoom);
    m_vertRuler->setScale(zoom);
}

void DesignView::layoutWorkArea()
{
    m_workArea->resize(m_card->width() + kCardInset + kTrailingRoom, m_card->height() + kCardInset + kTrailingRoom);
}

void DesignView::resetScrolling()
{
    m_scroll->horizontalScrollBar()->setValue(0);
    m_scroll->verticalScrollBar()->setValue(0);
    // The rulers follow even when the bars were at 0 already.
    m_horzRuler->setOffset(kCardInset);
    m_vertRuler->setOffset(kCardInset);
}

void DesignView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    resetScrolling();
}
