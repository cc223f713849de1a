#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "PdfProbe.h"
#include "TestSupport.h"
#include "system/SettingsStore.h"
#include "ui/calibration/CalibrationDialog.h"
#include "ui/calibration/CalibrationForm.h"
#include "ui/calibration/CalibrationTexts.h"

namespace {

class Calibration : public testing::Test {
protected:
    QTemporaryDir dir;
    SettingsStore store{dir.filePath("settings.ini")};
};

} // namespace

TEST_F(Calibration, MeasurementsBecomeThePrintersStoredCalibration)
{
    CalibrationForm form(store, "Office Laser");
    EXPECT_EQ(form.current(), PrinterCalibration());
    // Printed 1 % large, 1.5 mm right and 1 mm down.
    form.crossHairXText = "21.7";
    form.crossHairYText = "21,2";  // a decimal comma is taken too
    form.referenceLengthText = "101";
    ASSERT_TRUE(form.accept());
    const PrinterCalibration expected{-15, -10, 990};
    EXPECT_EQ(form.current(), expected);
    EXPECT_EQ(storedCalibration(store, "Office Laser"), expected);
    EXPECT_FALSE(storedCalibration(store, "Other"));
    // A new dialog for the printer starts from it; Reset forgets it.
    CalibrationForm again(store, "Office Laser");
    EXPECT_EQ(again.current(), expected);
    again.reset();
    EXPECT_FALSE(storedCalibration(store, "Office Laser"));
}

TEST_F(Calibration, BadMeasurementsAreRefusedWithAMessage)
{
    const struct {
        const char* x;
        const char* y;
        const char* length;
        QString message;
    } cases[] = {
        {"abc", "20", "100", "Please enter a number of millimetres for \"Cross-hair from the left edge (mm)\""},
        {"20", "", "100", "Please enter a number of millimetres for \"Cross-hair from the top edge (mm)\""},
        {"20", "20", "inf", "Please enter a number of millimetres for \"Reference line length (mm)\""},
        {"20", "20", "0", CalibrationTexts::Implausible},
        {"90", "20", "100", CalibrationTexts::Implausible},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.x + QString("|") + c.y + "|" + c.length).toStdString());
        MessageRecorder recorder;
        CalibrationForm form(store, "P");
        form.crossHairXText = c.x;
        form.crossHairYText = c.y;
        form.referenceLengthText = c.length;
        EXPECT_FALSE(form.accept());
        EXPECT_EQ(recordedMessages().texts(), QStringList{c.message});
        EXPECT_FALSE(storedCalibration(store, "P"));
    }
}

TEST_F(Calibration, TheSheetIsSavedAsAPdf)
{
    const QString path = dir.filePath("sheet.pdf");
    ASSERT_TRUE(CalibrationForm::saveSheet(path));
    EXPECT_EQ(readPdfText(path).pageCount, 1);
    MessageRecorder recorder;
    EXPECT_FALSE(CalibrationForm::saveSheet(dir.filePath("missing/folder/sheet.pdf")));
    EXPECT_EQ(recordedMessages().texts().size(), 1);
}

TEST_F(Calibration, TheDialogStoresWhatIsTypedOnOk)
{
    CalibrationDialog dialog(store, "Label Printer");
    dialog.findChild<QLineEdit*>("CrossHairXEdit")->setText("19.5");
    dialog.findChild<QLineEdit*>("CrossHairYEdit")->setText("20.5");
    dialog.findChild<QLineEdit*>("ReferenceLengthEdit")->setText("100");
    dialog.findChild<QPushButton*>("OKBtn")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(storedCalibration(store, "Label Printer"), (PrinterCalibration{5, -5, 1000}));
    dialog.findChild<QPushButton*>("ResetBtn")->click();
    EXPECT_FALSE(storedCalibration(store, "Label Printer"));
}
