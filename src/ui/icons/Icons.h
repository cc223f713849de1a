#pragma once
// The program's icons. Every icon is one of our own SVG drawings compiled into
// the program (resource folder :/stickwell/icons/). For the standard
// freedesktop names (document-open, edit-undo, zoom-in, ...) the desktop's
// icon theme may supply its own look; our drawing is the fallback, so an icon
// is there whatever theme is installed. Names of our own (stickwell-...,
// quillon-stickwell) always give our drawing.

#include <QIcon>
#include <QString>
#include <QStringList>

// The icon called name; a null icon for a name the program does not know.
QIcon stickwellIcon(const QString& name);

// Our own drawing for name, never the theme's (null for an unknown name).
QIcon stickwellOwnIcon(const QString& name);

// Every icon name the program draws: the standard names first, then ours.
QStringList stickwellIconNames();

// Whether name is a standard freedesktop icon name the theme may supply.
bool isStandardIconName(const QString& name);
