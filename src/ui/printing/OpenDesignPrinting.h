#pragma once
// Printing an open design window's document: its linked data opened afresh
// for each run, and the region being edited copied into its slot first.

#include <QString>

#include "print/PrintData.h"
#include "print/PrintJob.h"

class DesignDocument;
class QPagedPaintDevice;

// Copies the region being edited into its slot, so every region can be
// drawn from the slots; the card, its selection and undo history stay as they
// are. False after showing why the region could not be stored.
bool storeShownRegion(DesignDocument& document);

// The document's linked data, opened anew so its filter, sort and position
// start afresh. False (with the message shown) when it cannot be opened.
bool openDocumentData(const DesignDocument& document, PrintData& data);

// The job's view of the document; the caption is the window's title.
PrintDesign printDesignOf(DesignDocument& document);

// The whole job onto the device.
PrintJobResult printOpenDesign(DesignDocument& document, QPagedPaintDevice& device, const PrintSettings& settings,
                               const PrintJobCallbacks& callbacks = {});
