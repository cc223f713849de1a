#pragma once
// What the Calibrate dialog edits, without widgets: the printer's stored
// calibration, the three measurements typed from the printed sheet, and
// what OK and Reset make of them.

#include <QString>
#include <optional>

#include "print/CalibrationSheet.h"
#include "print/PrinterCalibration.h"

class QPagedPaintDevice;
class SettingsStore;

class CalibrationForm {
public:
    CalibrationForm(SettingsStore& store, const QString& printer);

    const QString& printer() const { return m_printer; }
    const PrinterCalibration& current() const { return m_current; }
    QString currentText() const;

    // Typed text in millimetres ("20.4" or "20,4"); starts at the sheet's own values.
    QString crossHairXText;
    QString crossHairYText;
    QString referenceLengthText;

    // The calibration the measurements give; none (with the message shown)
    // when a field is no number or the result is out of range.
    std::optional<PrinterCalibration> measuredCalibration() const;
    // OK: stores the measured calibration for the printer; false (nothing stored) when refused.
    bool accept();
    // Reset: forgets the printer's calibration.
    void reset();

    // The sheet, printed without any calibration; false (with the message shown) when it cannot be.
    static bool printSheet(QPagedPaintDevice& device);
    // The sheet as a PDF file (A4 or Letter by the units option), written atomically.
    static bool saveSheet(const QString& path);

private:
    std::optional<double> millimetres(const QString& text, const QString& field) const;

    SettingsStore& m_store;
    QString m_printer;
    PrinterCalibration m_current;
};
