#pragma once
// The calibration sheet: rulers along the top and left edges, a cross-hair
// 20 mm in from the paper's top-left corner and a 100 mm line, printed without
// any calibration. What the user measures on it gives the printer's
// calibration (calibrationFromMeasurement).

#include <QString>
#include <optional>

#include "print/PrinterCalibration.h"

class QPagedPaintDevice;
class QPainter;

namespace CalibrationSheet {
constexpr double kCrossHairMm = 20.0;   // from the paper's left and top edges
constexpr double kReferenceMm = 100.0;  // the length of the reference line
}

// Draws the sheet on a painter whose device has these resolutions, with
// (0, 0) at the paper's top-left corner.
void drawCalibrationSheet(QPainter& painter, double dotsPerInchX, double dotsPerInchY);
// One page onto the device (a printer, or a PDF writer); false when it refuses.
bool printCalibrationSheet(QPagedPaintDevice& device);

// What was measured on the printed sheet, in millimetres: where the cross-hair
// landed from the paper's left and top edges, and how long the reference line is.
struct CalibrationMeasurement {
    double crossHairX = CalibrationSheet::kCrossHairMm;
    double crossHairY = CalibrationSheet::kCrossHairMm;
    double referenceLength = CalibrationSheet::kReferenceMm;
};

// The calibration that puts the cross-hair where it belongs and the line at
// its length; none when the measurement is implausible (out of the ranges a
// calibration can take).
std::optional<PrinterCalibration> calibrationFromMeasurement(const CalibrationMeasurement& measured);
