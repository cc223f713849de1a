#pragma once
// The print job's own message texts.

#include <QString>

namespace PrintTexts {
inline QString startPositionRange(int elementsPerSheet)
{
    return QStringLiteral("Please enter a starting position between 1 and ") + QString::number(elementsPerSheet) +
           QStringLiteral(".");
}
inline const QString InvalidQuantity = QStringLiteral("Please enter a valid quatity to print.");
inline const QString DocumentTitle = QStringLiteral("Printout");
inline const QString HeaderFontFamily = QStringLiteral("Arial");

inline const QString CalibrationRange = QStringLiteral(
    "The printer calibration must keep its offsets within 50 mm and its scale between 80% and 120%.");

// The calibration sheet's own words.
inline const QString CalibrationCrossHair =
    QStringLiteral("Measure the centre of the cross-hair from the paper's left and top edges (20 mm each).");
inline const QString CalibrationReferenceLine = QStringLiteral("Measure this line (100 mm).");

inline const QString SingleSideInstructions = QStringLiteral(
    "\nSTEP 1: Insert the paper to print into your printer.\n"
    "\nSTEP 2: Select the appropriate options above.\n"
    "\nSTEP 3: Click the OK button to start printing.");

// Turning the paper over for the second side: a side flip or a top flip.
inline QString turnInstructions(bool sideFlip)
{
    return QStringLiteral("STEP 1: Wait for the page(s) to finish printing.\n\n"
                          "STEP 2: With the paper in your hands and the printed side facing you,\n") +
           (sideFlip ? QStringLiteral("flip the paper by bringing the side of the page towards you.\n")
                     : QStringLiteral("flip the paper by bringing the top of the page towards you.\n")) +
           QStringLiteral("\nSTEP 3: Insert the paper into the printer so the side now facing you is\n"
                          "printed on.  Insert each page in the order originally printed.\n\n"
                          "STEP 4: Click the OK button to print the second side of the paper.");
}
}

// Texts of the headless job for what the dialog's controls rule out.
namespace PrintTexts {
inline const QString NoSide = QStringLiteral("Choose at least one side to print.");
inline const QString NoBackSide = QStringLiteral("This layout cannot be printed on its second side.");
inline const QString EmptyLayout = QStringLiteral("The layout has no elements to print.");
inline const QString CannotStoreRegion = QStringLiteral("The design could not be prepared for printing.");
inline const QString PageRangeEmpty = QStringLiteral("The pages chosen are not part of this print.");
inline const QString Cancelled = QStringLiteral("Printing was cancelled.");
inline const QString CannotPrint = QStringLiteral("The pages could not be printed.");
inline const QString CannotComposePage = QStringLiteral("A page could not be drawn, so printing stopped.");
inline const QString LayoutDoesNotFitPaper =
    QStringLiteral("The rows and columns of this layout do not fit on its paper.");
inline QString paperTooLarge(int inches)
{
    return QStringLiteral("The paper of this layout is longer than ") + QString::number(inches) +
           QStringLiteral(" in on a side; it cannot be printed.");
}
inline QString tooManyElements(int limit)
{
    return QStringLiteral("A sheet of this layout holds more than ") + QString::number(limit) +
           QStringLiteral(" elements; it cannot be printed.");
}
inline const QString SecondSideStartsAtCellOne =
    QStringLiteral("The second side always starts at cell 1: leave out the starting position.");
inline QString startRecordRange(int recordCount)
{
    return QStringLiteral("Please enter a starting record between 0 and ") + QString::number(recordCount) +
           QStringLiteral(".");
}
inline QString noSuchPrinter(const QString& name) { return QStringLiteral("There is no printer named ") + name + "."; }
inline QString cannotOpenData(const QString& path)
{
    return QStringLiteral("The data source could not be opened: ") + path;
}
inline QString cannotWriteFile(const QString& path) { return QStringLiteral("Cannot write ") + path + "."; }
}
