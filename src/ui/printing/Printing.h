#pragma once
// The printing family: Print, Print Preview, Printer Setup and Save As
// Graphic (and the layout and template commands), plugged into the frame.

#include <QDialog>
#include <functional>

class MainWindow;
struct FamilyServices;
class QPrinter;

void installPrinting(MainWindow& window, FamilyServices& services);
void registerPrintingGalleryStates();

// The one printer the print dialog, the preview and the printer set-up share.
QPrinter& printingPrinter();

// How the family's dialogs are run (exec); tests replace it to fill a dialog
// in and answer it without showing it.
using DialogRunner = std::function<int(QDialog&)>;
DialogRunner& printingDialogRunner();
