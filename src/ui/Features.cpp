#include "ui/Features.h"

#include "ui/printing/Printing.h"
#include "ui/shell/MainWindow.h"

// One line per window family: its install function, and its gallery states.
void installFeatures(MainWindow& window)
{
    installPrinting(window);
}

void registerFeatureGalleryStates()
{
    registerPrintingGalleryStates();
}
