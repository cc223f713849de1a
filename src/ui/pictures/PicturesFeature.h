#pragma once
// The picture editor and the scanner in the frame: the program's picture
// chooser, the scanner probe and View ▸ "TWAIN Source Manager...".

class MainWindow;
struct FamilyServices;

void installPictures(MainWindow& window, FamilyServices& services);
void registerPictureGalleryStates();
