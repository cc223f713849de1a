#pragma once
// The Calibrate dialog: a thin window over CalibrationForm.

#include <QDialog>

#include "ui/calibration/CalibrationForm.h"

class QLabel;
class QLineEdit;

class CalibrationDialog : public QDialog {
    Q_OBJECT
public:
    CalibrationDialog(SettingsStore& store, const QString& printer, QWidget* parent = nullptr);

    CalibrationForm& form() { return m_form; }

    void accept() override;

private:
    void printSheet();
    void saveSheet();
    void reset();
    void takeFields();

    CalibrationForm m_form;
    QLabel* m_current = nullptr;
    QLineEdit* m_crossHairX = nullptr;
    QLineEdit* m_crossHairY = nullptr;
    QLineEdit* m_referenceLength = nullptr;
};

// Shows the dialog for the printer (the print dialog's Calibrate button).
void runCalibrationDialog(QWidget* parent, const QString& printer);
