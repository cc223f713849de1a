#include "ui/shell/FrameLayout.h"

#include <QApplication>
#include <QDockWidget>
#include <QMainWindow>
#include <QScreen>
#include <QToolBar>
#include <optional>

#include "system/SettingsStore.h"
#include "ui/shell/WindowLayout.h"

namespace {

const std::pair<Qt::DockWidgetArea, const char*> kDockNames[] = {
    {Qt::TopDockWidgetArea, "TopDock"},
    {Qt::LeftDockWidgetArea, "LeftDock"},
    {Qt::BottomDockWidgetArea, "BottomDock"},
    {Qt::RightDockWidgetArea, "RightDock"},
};

QString dockName(Qt::DockWidgetArea area)
{
    for (const auto& [dock, name] : kDockNames)
        if (dock == area)
            return QString::fromLatin1(name);
    return QString::fromLatin1(BarPlacement::kFloating);
}

std::optional<Qt::DockWidgetArea> dockArea(const QString& name)
{
    for (const auto& [dock, dockName] : kDockNames)
        if (name == QLatin1String(dockName))
            return dock;
    return std::nullopt;
}

} // namespace

void storeFrameLayout(const QMainWindow& frame, const QList<QWidget*>& bars, SettingsStore& store)
{
    for (QWidget* widget : bars) {
        BarPlacement bar;
        // Before the frame is shown, a bar counts as visible unless it was hidden.
        bar.visible = widget->isVisible() || (!frame.isVisible() && !widget->isHidden());
        const bool floating = widget->isWindow();
        Qt::DockWidgetArea area = Qt::NoDockWidgetArea;
        if (auto* toolBar = qobject_cast<QToolBar*>(widget))
            area = Qt::DockWidgetArea(int(frame.toolBarArea(toolBar)));
        else if (auto* dock = qobject_cast<QDockWidget*>(widget))
            area = frame.dockWidgetArea(dock);
        bar.lastDock = dockName(area);
        bar.dockedTo = floating ? QString::fromLatin1(BarPlacement::kFloating) : bar.lastDock;
        const bool horizontal = area == Qt::TopDockWidgetArea || area == Qt::BottomDockWidgetArea;
        bar.dockRow = horizontal ? widget->y() : widget->x();
        bar.dockPos = horizontal ? widget->x() : widget->y();
        bar.floatLeft = widget->mapToGlobal(QPoint()).x();
        bar.floatTop = widget->mapToGlobal(QPoint()).y();
        bar.save(store, widget->objectName());
    }
    WindowPlacement placement;
    placement.normal = frame.isMaximized() ? frame.normalGeometry() : frame.geometry();
    placement.maximized = frame.isMaximized();
    placement.save(store);
}

void restoreFrameLayout(QMainWindow& frame, const QList<QWidget*>& bars, const SettingsStore& store)
{
    for (QWidget* widget : bars) {
        const auto bar = BarPlacement::load(store, widget->objectName());
        if (!bar)
            continue;
        widget->setVisible(bar->visible);
        const bool floating = bar->dockedTo == QLatin1String(BarPlacement::kFloating);
        const auto area = dockArea(floating ? bar->lastDock : bar->dockedTo);
        if (auto* toolBar = qobject_cast<QToolBar*>(widget); toolBar && area)
            frame.addToolBar(Qt::ToolBarArea(int(*area)), toolBar);
        if (auto* dock = qobject_cast<QDockWidget*>(widget)) {
            if (area)
                frame.addDockWidget(*area, dock);
            if (floating) {
                dock->setFloating(true);
                dock->move(bar->floatLeft, bar->floatTop);
            }
        }
    }
    const auto placement = WindowPlacement::load(store);
    QScreen* screen = QApplication::primaryScreen();
    if (placement && screen) {
        if (const auto rect = placementWithin(placement->normal, screen->availableGeometry()))
            frame.setGeometry(*rect);
        if (placement->maximized)
            frame.setWindowState(frame.windowState() | Qt::WindowMaximized);
    }
}
