#pragma once
// Where the user guide (HTML pages) is, and opening it in the desktop's browser.

#include <QString>

// The guide's index.html: first the installed copy
// (<folder of the program>/../share/doc/quillon-stickwell/guide/), then the
// copy in the source tree the program was built from. Empty when neither exists.
QString userGuideIndexPath();
// The same search for a program in programDir.
QString userGuideIndexPath(const QString& programDir);

// Opens the guide's index page with the desktop's handler for HTML files.
// False when the guide is not found or the desktop could not open it.
bool openUserGuide();
