#include "ui/Features.h"

#include "ui/calibration/CalibrationFeature.h"
#include "ui/data/DataDialogs.h"
#include "ui/editing/EditingCommands.h"
#include "ui/pictures/PicturesFeature.h"
#include "ui/printing/Printing.h"
#include "ui/shell/DesignWindowCommands.h"
#include "ui/shell/MainWindow.h"
#include "ui/wizard/WizardFeature.h"

// One line per window family: its install function, and its gallery states.
void installFeatures(MainWindow& window)
{
    FamilyServices& services = window.services();
    installDesignWindowCommands(window);
    installEditing(window);
    installDataDialogs(window, services);
    installPrinting(window, services);
    installPictures(window, services);
    installWizard(window, services);
    installCalibration(window, services);
    window.commands().check();
    window.enableCommands();
}

void registerFeatureGalleryStates()
{
    static const bool registered = [] {
        registerEditingGalleryStates();
        registerDataDialogGalleryStates();
        registerPrintingGalleryStates();
        registerPictureGalleryStates();
        registerWizardGalleryStates();
        registerCalibrationGalleryStates();
        return true;
    }();
    (void)registered;
}
