#include "ui/Features.h"

#include "ui/calibration/CalibrationFeature.h"
#include "ui/data/DataDialogs.h"
#include "ui/editing/EditingCommands.h"
#include "ui/printing/Printing.h"
#include "ui/pictures/PicturesFeature.h"
#include "ui/shell/MainWindow.h"
#include "ui/wizard/WizardFeature.h"

// One line per window family: its install function, and its gallery states.
void installFeatures(MainWindow& window)
{
    installEditing(window);
    installDataDialogs(window);
    installPrinting(window);
    installPictures(window);
    installWizard(window);
    installCalibration(window);
}

void registerFeatureGalleryStates()
{
    registerEditingGalleryStates();
    registerDataDialogGalleryStates();
    registerPrintingGalleryStates();
    registerPictureGalleryStates();
    registerWizardGalleryStates();
    registerCalibrationGalleryStates();
}
