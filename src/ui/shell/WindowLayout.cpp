#include "ui/shell/WindowLayout.h"

#include "system/SettingsStore.h"

namespace {
const QString kPlacementKey = SettingsStore::programKey() + QStringLiteral("\\WS");
QString barKey(const QString& barName) { return SettingsStore::programKey() + QStringLiteral("\\TS\\") + barName; }
constexpr int kMinVisible = 10;
constexpr int kEdgeGap = 5;
}

std::optional<WindowPlacement> WindowPlacement::load(const SettingsStore& store)
{
    const auto left = store.readInteger(kPlacementKey, "Left");
    const auto top = store.readInteger(kPlacementKey, "Top");
    const auto right = store.readInteger(kPlacementKey, "Right");
    const auto bottom = store.readInteger(kPlacementKey, "Bottom");
    if (!left || !top || !right || !bottom)
        return std::nullopt;
    WindowPlacement placement;
    placement.normal = QRect(QPoint(*left, *top), QPoint(*right - 1, *bottom - 1));
    placement.maximized = store.readInteger(kPlacementKey, "Maximized").value_or(0) != 0;
    return placement;
}

void WindowPlacement::save(SettingsStore& store) const
{
    store.writeInteger(kPlacementKey, "Left", normal.left());
    store.writeInteger(kPlacementKey, "Top", normal.top());
    store.writeInteger(kPlacementKey, "Right", normal.left() + normal.width());
    store.writeInteger(kPlacementKey, "Bottom", normal.top() + normal.height());
    store.writeInteger(kPlacementKey, "Maximized", maximized ? 1 : 0);
}

std::optional<QRect> placementWithin(const QRect& saved, const QRect& workArea)
{
    if (saved.width() <= 0 || saved.height() <= 0)
        return std::nullopt;
    const QRect visible = saved.intersected(workArea);
    if (visible.width() < kMinVisible || visible.height() < kMinVisible)
        return std::nullopt;
    QRect placed = saved;
    if (placed.left() < workArea.left())
        placed.moveLeft(workArea.left() + kEdgeGap);
    if (placed.top() < workArea.top())
        placed.moveTop(workArea.top() + kEdgeGap);
    return placed;
}

std::optional<BarPlacement> BarPlacement::load(const SettingsStore& store, const QString& barName)
{
    const QString key = barKey(barName);
    if (store.readInteger(key, "Rev").value_or(0) != kRevision)
        return std::nullopt;
    BarPlacement bar;
    bar.visible = store.readInteger(key, "Visible").value_or(1) != 0;
    bar.dockedTo = store.readString(key, "DockedTo").value_or(QString());
    bar.lastDock = store.readString(key, "LastDock").value_or(QString());
    bar.dockRow = store.readInteger(key, "DockRow").value_or(0);
    bar.dockPos = store.readInteger(key, "DockPos").value_or(0);
    bar.floatLeft = store.readInteger(key, "FloatLeft").value_or(0);
    bar.floatTop = store.readInteger(key, "FloatTop").value_or(0);
    return bar;
}

void BarPlacement::save(SettingsStore& store, const QString& barName) const
{
    const QString key = barKey(barName);
    store.writeInteger(key, "Rev", kRevision);
    store.writeInteger(key, "Visible", visible ? 1 : 0);
    store.writeString(key, "DockedTo", dockedTo);
    store.writeString(key, "LastDock", lastDock);
    store.writeInteger(key, "DockRow", dockRow);
    store.writeInteger(key, "DockPos", dockPos);
    store.writeInteger(key, "FloatLeft", floatLeft);
    store.writeInteger(key, "FloatTop", floatTop);
}
