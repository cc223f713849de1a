#pragma once
// Where each window family plugs into the frame. Every family (a sub-folder
// of src/ui/) offers one install function that connects the commands it
// carries out and one that adds its named states to the window gallery;
// this file calls them all, so no family depends on another.

class MainWindow;

void installFeatures(MainWindow& window);
void registerFeatureGalleryStates();
