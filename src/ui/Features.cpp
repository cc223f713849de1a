#include "ui/Features.h"

#include "ui/pictures/PicturesFeature.h"
#include "ui/shell/MainWindow.h"
#include "ui/wizard/WizardFeature.h"

// One line per window family: its install function, and its gallery states.
void installFeatures(MainWindow& window)
{
    installPictures(window);
    installWizard(window);
}

void registerFeatureGalleryStates()
{
    registerPictureGalleryStates();
    registerWizardGalleryStates();
}
