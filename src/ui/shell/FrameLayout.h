#pragma once
// The frame's toolbars, its dock and its own placement, stored between runs
// and put back (the records themselves: WindowLayout.h).

#include <QList>

class QMainWindow;
class QWidget;
class SettingsStore;

// bars: the toolbars and dock widgets, each stored under its object name.
void storeFrameLayout(const QMainWindow& frame, const QList<QWidget*>& bars, SettingsStore& store);
void restoreFrameLayout(QMainWindow& frame, const QList<QWidget*>& bars, const SettingsStore& store);
