#include "ui/Features.h"

#include "ui/pictures/PicturesFeature.h"
#include "ui/shell/MainWindow.h"

// One line per window family: its install function, and its gallery states.
void installFeatures(MainWindow& window)
{
    installPictures(window);
}

void registerFeatureGalleryStates()
{
    registerPictureGalleryStates();
}
