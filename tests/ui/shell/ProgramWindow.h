#pragma once
// The main window as the program builds it: the frame with every window
// family installed, and the families' gallery states registered.

#include "ui/Features.h"
#include "ui/shell/MainWindow.h"

class ProgramWindow : public MainWindow {
public:
    ProgramWindow()
    {
        installFeatures(*this);
        registerFeatureGalleryStates();
    }
};
