#pragma once
// Named states of the windows for pictures of them (scripts/gallery.sh):
// the program sets one up, grabs the window and quits.

#include <QString>
#include <QStringList>

class MainWindow;
class QWidget;

QStringList galleryStates();
// Sets the state up; returns the widget to grab (the main window or a dialog
// over it), or null for an unknown state.
QWidget* prepareGalleryState(MainWindow& window, const QString& state);
