#include "ui/printing/Printing.h"

void registerPrintingGalleryStates() {}
