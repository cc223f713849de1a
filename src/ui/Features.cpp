#include "ui/Features.h"

#include "ui/calibration/CalibrationFeature.h"
#include "ui/shell/MainWindow.h"

// One line per window family: its install function, and its gallery states.
void installFeatures(MainWindow& window)
{
    (void)window;
    installCalibration(window);
}

void registerFeatureGalleryStates()
{
    registerCalibrationGalleryStates();
}
