#pragma once
// What the main window remembers between runs: its placement ("WS") and
// where each toolbar and the property editor were docked ("TS").

#include <QRect>
#include <QString>
#include <optional>

class SettingsStore;

struct WindowPlacement {
    QRect normal;  // the normal (not maximized) rectangle
    bool maximized = false;

    static std::optional<WindowPlacement> load(const SettingsStore& store);
    void save(SettingsStore& store) const;
};

// A saved rectangle is used only when at least 10 pixels of it lie inside
// the work area on every side; one left of or above the work area is moved
// inside, 5 pixels from the edge. nullopt: keep the default placement.
std::optional<QRect> placementWithin(const QRect& saved, const QRect& workArea);

struct BarPlacement {
    static constexpr int kRevision = 3;
    static constexpr char kFloating[] = "+";

    bool visible = true;
    QString dockedTo;  // "TopDock", "LeftDock", "BottomDock", "RightDock" or "+" when floating
    QString lastDock;
    int dockRow = 0;
    int dockPos = 0;
    int floatLeft = 0;
    int floatTop = 0;

    // nullopt when the bar was never stored or was stored by another revision.
    static std::optional<BarPlacement> load(const SettingsStore& store, const QString& barName);
    void save(SettingsStore& store, const QString& barName) const;
};
