#include "ui/Features.h"

#include "ui/data/DataDialogs.h"
#include "ui/shell/MainWindow.h"

// One line per window family: its install function, and its gallery states.
void installFeatures(MainWindow& window)
{
    installDataDialogs(window);
}

void registerFeatureGalleryStates()
{
    registerDataDialogGalleryStates();
}
