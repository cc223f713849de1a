#pragma once
// Writing a painted card to a picture file: an enhanced metafile of vector
// records, a 24-bit bitmap file, a JPEG (quality, progressive), a PNG, or an
// SVG or PDF of vector graphics (VectorExport.h).

#include <QPainter>
#include <QSize>
#include <QString>
#include <functional>

#include "export/ExportFormat.h"

struct ExportOptions {
    int quality = 75;
    bool progressive = false;
    // The zoom the card is painted at: SVG and PDF files take the region's
    // true size from it (zoom pixels make an inch).
    int zoom = 100;
};

// paint draws the card at (0, 0) on a surface of pixelSize. Wmf writes the
// same enhanced metafile as Emf (the file keeps the name it was given).
// Returns false when the surface cannot be made or painted on, or the file
// cannot be written (then *error, when given, says why); a failed write
// leaves the previous file as it was and no partial file behind.
bool exportPicture(const QString& path, ExportFormat format, QSize pixelSize,
                   const std::function<void(QPainter&)>& paint, const ExportOptions& options,
                   QString* error = nullptr);
