#pragma once
// What the print dialog hands the print job, and the dialog's checks of it.

#include <QString>
#include <cstdint>

#include "print/PrinterCalibration.h"

// Which way the paper is turned for the second side decides where each back
// goes: a side flip mirrors the columns, a top flip mirrors the rows.
enum class BackMapping { MirrorColumns, MirrorRows };

struct PrintSettings {
    int32_t startCell = 1;    // 1-based cell of the first sheet for the first element
    int32_t startRecord = 0;  // 0-based record for the first element
    bool cycle = false;       // wrap round to the first record after the last
    int32_t quantity = 0;     // elements to print (0: one sheet)
    bool side1 = true;
    bool side2 = false;
    bool flip = false;        // flat cards: turn the paper over its side, not its top
    bool cropMarks = false;
    bool cornerMarks = false;
    bool header = false;      // the design's caption at the top of every page
    bool footer = false;      // and at the bottom
    bool setOrientation = true;  // the page takes the layout's paper size and orientation
    // Both sides in one document: each sheet's back right after its front.
    bool interleave = false;
    // Each pass is a document of its own (a printer job per side); otherwise
    // the passes follow each other in one document.
    bool documentPerPass = false;
    // The preview's print range: sheets firstPage to lastPage (1-based; 0: to
    // the last), each side's range printed copies times.
    int32_t firstPage = 1;
    int32_t lastPage = 0;
    int32_t copies = 1;
    // The printer's offset and scale, applied to every page.
    PrinterCalibration calibration;
};

// The most copies one job prints of its range.
constexpr int32_t kMaxCopies = 999;

// The dialog's checks, in its order; each returns the message to show, or an
// empty string when the text is good (the value is then set).
QString checkStartPosition(const QString& text, int32_t elementsPerSheet, int32_t* value);
QString checkQuantity(const QString& text, int32_t* value);
// "&Pages" turns a quantity of sheets into elements.
int32_t quantityInElements(int32_t quantity, bool pages, int32_t elementsPerSheet);

// The cells from the first cell of the first sheet to the last element,
// rounded up to whole sheets.
int32_t totalSlots(int32_t quantity, int32_t startCell, int32_t elementsPerSheet);

// The way the paper turns for the second side of a stock with this fold type.
BackMapping backMappingFor(uint8_t foldType, bool flip);
