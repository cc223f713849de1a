#pragma once
// Printing an open design window's document: its linked data opened afresh
// for each run, the region being edited parked in its slot while every region
// prints, and put back on the card afterwards whatever happened.

#include <QString>
#include <memory>

#include "print/PrintData.h"
#include "print/PrintJob.h"

class DesignDocument;
class QPagedPaintDevice;

// Stores the live region in its slot for as long as it lives, then loads it
// back onto the card (with the document's control handlers).
class ParkedRegion {
public:
    explicit ParkedRegion(DesignDocument& document);
    ~ParkedRegion();
    ParkedRegion(const ParkedRegion&) = delete;
    ParkedRegion& operator=(const ParkedRegion&) = delete;
    bool stored() const { return m_stored; }

private:
    DesignDocument& m_document;
    int32_t m_side = -1;
    int32_t m_panel = -1;
    bool m_stored = false;
};

// The document's linked data, opened anew so its filter, sort and position
// start afresh. False (with the message shown) when it cannot be opened.
bool openDocumentData(const DesignDocument& document, PrintData& data);

// The job's view of the document; the caption is the window's title.
PrintDesign printDesignOf(DesignDocument& document);

// The whole job onto the device.
PrintJobResult printOpenDesign(DesignDocument& document, QPagedPaintDevice& device, const PrintSettings& settings,
                               const PrintJobCallbacks& callbacks = {});
