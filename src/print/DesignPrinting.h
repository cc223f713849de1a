#pragma once
// Printing a design file without a window: the design read into a headless
// editor, its linked data source found, and the job run onto a page device.

#include <QString>

#include "print/PrintJob.h"
#include "model/LayoutRecord.h"
#include "model/DesignEditor.h"

struct DesignForPrinting {
    QString path;
    DesignEditor editor;
    LayoutRecord layout;
    QString linkedPath;  // as stored in the file

    // DesignFileResult code (1 on success).
    int32_t load(const QString& fileName);
    // The job's view of it; the caption is the file's name.
    PrintDesign printDesign();
};

// A relative linked path is taken from the design file's folder, so a design
// and its data travel together; an absolute one is used as it is.
QString resolveLinkedPath(const QString& designPath, const QString& linkedPath);
