#pragma once
// Named states of the windows for pictures of them (scripts/gallery.sh):
// the program sets one up, grabs the window and quits.

#include <QString>
#include <QStringList>
#include <functional>

class MainWindow;
class QWidget;

// Window families add their states (registerFeatureGalleryStates, called by
// the program and the tests); the prepare function returns the widget
// to grab, or null when the state cannot be set up.
using GalleryPrepare = std::function<QWidget*(MainWindow&)>;
void addGalleryState(const QString& name, GalleryPrepare prepare);

QStringList galleryStates();
// Sets the state up; returns the widget to grab (the main window or a dialog
// over it), or null for an unknown state.
QWidget* prepareGalleryState(MainWindow& window, const QString& state);
