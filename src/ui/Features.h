#pragma once
// Where each window family plugs into the frame. Every family (a sub-folder
// of src/ui/) offers one install function that declares the commands it
// carries out and sets the services it offers, and one that adds its named
// states to the window gallery; this file calls them all, so no family
// depends on another. The program's main and the tests call installFeatures
// on a new frame.

class MainWindow;

// Installs every family, then reports any command used but never declared
// or declared but never carried out (CommandHost::check).
void installFeatures(MainWindow& window);
// Once per program; later calls do nothing.
void registerFeatureGalleryStates();
