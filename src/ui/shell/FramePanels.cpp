// The frame's panels and lists: the region list, the property dock with
// its object list, the status bar, and how they show the active window.

#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "model/DesignObject.h"
#include "ui/designwindow/DesignSurface.h"
#include "ui/shell/DesignWindow.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/ShellTexts.h"

namespace {

constexpr int kRegionListWidth = 225;

} // namespace

void MainWindow::createRegionsBar()
{
    m_regionsBar = new QToolBar(ShellTexts::RegionBar, this);
    m_regionsBar->setObjectName(QStringLiteral("RegionsBar"));
    m_regionCombo = new QComboBox(m_regionsBar);
    m_regionCombo->setObjectName(QStringLiteral("RegionCombo"));
    m_regionCombo->setFixedWidth(kRegionListWidth);
    m_regionsBar->addWidget(m_regionCombo);
    addToolBar(Qt::BottomToolBarArea, m_regionsBar);
    connect(m_regionCombo, &QComboBox::currentIndexChanged, this, [this](int index) {
        DesignWindow* window = activeDesignWindow();
        if (m_activating || !window || index < 0 || index == window->document().regionIndex())
            return;
        // The editor's changed() redraws the card and its lists; a region that
        // did not come up leaves the list on the one still shown.
        if (!window->document().showRegion(index))
            rebuildRegionList();
        enableCommands();
    });
}

void MainWindow::createPropertyDock()
{
    m_propertyEditor = new QDockWidget(ShellTexts::PropertyEditor, this);
    m_propertyEditor->setObjectName(QStringLiteral("PropertyEditor"));
    auto* content = new QWidget(m_propertyEditor);
    auto* layout = new QVBoxLayout(content);
    m_objectCombo = new QComboBox(content);
    m_objectCombo->setObjectName(QStringLiteral("ObjectCombo"));
    layout->addWidget(m_objectCombo);
    m_pages = new QTabWidget(content);
    m_pages->setObjectName(QStringLiteral("PropertyEditorPageControl"));
    layout->addWidget(m_pages, 1);
    layout->addStretch();
    m_propertyEditor->setWidget(content);
    m_propertyEditor->setMinimumWidth(220);
    addDockWidget(Qt::RightDockWidgetArea, m_propertyEditor);
    connect(m_objectCombo, &QComboBox::activated, this, [this](int index) {
        DesignWindow* window = activeDesignWindow();
        if (!window)
            return;
        auto* object = static_cast<DesignObject*>(m_objectCombo->itemData(index).value<void*>());
        window->surface().selectOnly(window->document().editor.card().contains(object) ? object : nullptr);
        enableCommands();
    });
}

void MainWindow::createStatusBar()
{
    const int widths[3] = {75, 75, 50};
    for (int i = 0; i < 3; ++i) {
        m_statusPanels[i] = new QLabel(statusBar());
        m_statusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        m_statusPanels[i]->setMinimumWidth(widths[i]);
        m_statusPanels[i]->setFrameShape(QFrame::Panel);
        m_statusPanels[i]->setFrameShadow(QFrame::Sunken);
        if (i < 2)
            m_statusPanels[i]->setAlignment(Qt::AlignCenter);
        // The layout name is longer than its panel's width: it takes the rest of the bar.
        statusBar()->addWidget(m_statusPanels[i], i == 2 ? 1 : 0);
    }
}

QLabel* MainWindow::statusPanel(int index) const { return index >= 0 && index < 3 ? m_statusPanels[index] : nullptr; }

void MainWindow::showActiveWindowState()
{
    DesignWindow* window = activeDesignWindow();
    if (!window)
        return;
    m_activating = true;
    showZoom(window->surface().zoom());
    m_statusPanels[2]->setText(layoutShownName(window->document().layout()));
    rebuildRegionList();
    rebuildObjectList();
    m_activating = false;
}

void MainWindow::rebuildObjectList()
{
    DesignWindow* window = activeDesignWindow();
    m_objectCombo->clear();
    if (!window)
        return;
    const DesignEditor& editor = window->document().editor;
    QList<DesignObject*> objects;
    for (const auto& object : editor.card().objects())
        objects.append(object.get());
    std::sort(objects.begin(), objects.end(),
              [](const DesignObject* a, const DesignObject* b) { return a->name < b->name; });
    for (DesignObject* object : objects)
        m_objectCombo->addItem(object->name, QVariant::fromValue(static_cast<void*>(object)));
    const auto& selection = editor.selection();
    const int selected =
        selection.size() == 1 ? m_objectCombo->findData(QVariant::fromValue(static_cast<void*>(selection.front()))) : -1;
    m_objectCombo->setCurrentIndex(selected);
}

void MainWindow::rebuildRegionList()
{
    DesignWindow* window = activeDesignWindow();
    const bool wasActivating = m_activating;
    m_activating = true;
    m_regionCombo->clear();
    if (window) {
        m_regionCombo->addItems(window->document().regionCaptions());
        m_regionCombo->setCurrentIndex(window->document().regionIndex());
    }
    m_activating = wasActivating;
}

void MainWindow::showZoom(int zoom)
{
    m_zoomCombo->setEditText(QString::number(zoom));
    m_statusPanels[1]->setText(QString::number(zoom) + QLatin1Char('%'));
}
