#pragma once
// Runs a print job from the window: onto a CUPS printer or a PDF file, behind
// a progress dialog whose Cancel stops the job within the page being drawn.
// A cancelled or failed PDF leaves no file under the target's name (the
// previous one stays); a cancelled printer job is aborted.

#include <functional>

#include "print/PrintJob.h"
#include "ui/printing/PrintDialog.h"

class DesignDocument;
class QPrinter;
class QWidget;

struct PrintRun {
    DesignDocument* document = nullptr;
    PrintSettings settings;
    PrintTarget target;
    QPrinter* printer = nullptr;  // the shared printer, used for a printer target
    // Between the passes (the second-pass dialog); false skips the second pass.
    std::function<bool(PrintSettings& back)> turnPaper;
};

// Shows what went wrong itself; a cancelled job says nothing.
PrintJobResult runPrintWithProgress(QWidget* parent, const PrintRun& run);
