#pragma once
// The Calibrate dialog's texts.

#include <QString>

namespace CalibrationTexts {
inline const QString Title = QStringLiteral("Calibrate Printer");
inline QString printerCaption(const QString& printer) { return QStringLiteral("Printer: ") + printer; }
inline const QString Steps = QStringLiteral(
    "STEP 1: Print the calibration sheet (or save it as a PDF and print that at actual size).\n"
    "STEP 2: Measure with a ruler, in millimetres, where the centre of the cross-hair lies from the "
    "paper's left and top edges, and how long the reference line is.\n"
    "STEP 3: Enter the measurements and click OK.");
inline const QString PrintSheet = QStringLiteral("&Print Calibration Sheet");
inline const QString SaveSheet = QStringLiteral("&Save Sheet as PDF...");
inline const QString CrossHairX = QStringLiteral("Cross-hair from the &left edge (mm):");
inline const QString CrossHairY = QStringLiteral("Cross-hair from the &top edge (mm):");
inline const QString ReferenceLength = QStringLiteral("Reference &line length (mm):");
inline const QString Reset = QStringLiteral("&Reset");
inline const QString PdfFilter = QStringLiteral("PDF files (*.pdf)");
inline QString current(double offsetXmm, double offsetYmm, double scalePercent)
{
    return QStringLiteral("Current calibration: %1 mm right, %2 mm down, %3 %")
        .arg(offsetXmm, 0, 'f', 1)
        .arg(offsetYmm, 0, 'f', 1)
        .arg(scalePercent, 0, 'f', 1);
}
inline QString notANumber(const QString& field)
{
    return QStringLiteral("Please enter a number of millimetres for \"%1\"").arg(field);
}
inline const QString Implausible = QStringLiteral(
    "These measurements would move the print more than 50 mm or scale it beyond 80% to 120%. Please measure "
    "again.");
inline const QString CannotPrintSheet = QStringLiteral("The calibration sheet could not be printed.");
} // namespace CalibrationTexts
