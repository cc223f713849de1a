// A printer's calibration: every page moved by the offset and scaled about
// the paper's corner, kept per printer, and worked out from what the user
// measured on the calibration sheet.

#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "PrintFixtures.h"
#include "print/CalibrationSheet.h"
#include "print/PrinterCalibration.h"
#include "system/SettingsStore.h"

namespace {

constexpr double kPointsPerTenthMm = 72.0 / 254.0;

// Where the words of a three-label run land, printed with the calibration.
std::vector<PdfWord> printedWords(const PrinterCalibration& calibration, const QString& folder)
{
    TestDesign design(thirtyUpLayout());
    design.addText("Label#n");
    PrintSettings settings;
    settings.quantity = 3;
    settings.calibration = calibration;
    const PrintedPdf pdf = printToPdf(design, settings, folder);
    EXPECT_TRUE(pdf.result.printed) << pdf.result.error.toStdString();
    std::vector<PdfWord> words;
    for (const char* word : {"Label1", "Label2", "Label3"})
        words.push_back(pdf.text.find(word).value_or(PdfWord{}));
    return words;
}

} // namespace

TEST(PrinterCalibration, PagesMoveByExactlyTheOffsetAndScaleAboutTheCorner)
{
    QTemporaryDir dir;
    const std::vector<PdfWord> plain = printedWords({}, dir.path());
    const struct {
        PrinterCalibration calibration;
    } cases[] = {{{100, 50, 1000}}, {{-35, 0, 1000}}, {{0, -120, 1000}}, {{0, 0, 1100}}, {{20, 30, 950}}};
    for (const auto& c : cases) {
        const PrinterCalibration& k = c.calibration;
        SCOPED_TRACE(QStringLiteral("%1,%2 %3").arg(k.offsetX).arg(k.offsetY).arg(k.scale).toStdString());
        const std::vector<PdfWord> moved = printedWords(k, dir.path());
        for (size_t i = 0; i < plain.size(); ++i) {
            const double s = k.scale / 1000.0;
            EXPECT_NEAR(moved[i].left, k.offsetX * kPointsPerTenthMm + s * plain[i].left, 0.3);
            EXPECT_NEAR(moved[i].top, k.offsetY * kPointsPerTenthMm + s * plain[i].top, 0.3);
        }
    }
}

TEST(PrinterCalibration, OutOfRangeCalibrationIsRefusedByTheJob)
{
    QTemporaryDir dir;
    TestDesign design(thirtyUpLayout());
    design.addText("x");
    PrintSettings settings;
    settings.quantity = 1;
    for (const PrinterCalibration& bad : {PrinterCalibration{501, 0, 1000}, PrinterCalibration{0, -501, 1000},
                                          PrinterCalibration{0, 0, 799}, PrinterCalibration{0, 0, 1201}}) {
        settings.calibration = bad;
        const PrintedPdf pdf = printToPdf(design, settings, dir.path());
        EXPECT_FALSE(pdf.result.printed);
        EXPECT_FALSE(pdf.result.error.isEmpty());
    }
}

TEST(PrinterCalibration, KeptPerPrinterName)
{
    QTemporaryDir dir;
    SettingsStore store(dir.filePath("settings.ini"));
    const QString odd = QStringLiteral("Office/Back\\Room 50% [lpr]");
    EXPECT_FALSE(storedCalibration(store, odd));
    storeCalibration(store, odd, {12, -7, 1015});
    storeCalibration(store, "Label printer", {-3, 4, 990});
    EXPECT_EQ(storedCalibration(store, odd), (PrinterCalibration{12, -7, 1015}));
    EXPECT_EQ(storedCalibration(store, "Label printer"), (PrinterCalibration{-3, 4, 990}));
    EXPECT_FALSE(storedCalibration(store, "Office"));
    forgetCalibration(store, odd);
    EXPECT_FALSE(storedCalibration(store, odd));
    EXPECT_TRUE(storedCalibration(store, "Label printer"));
    // A hand-edited value out of range is not used.
    storeCalibration(store, "Edited", {9999, 0, 1000});
    EXPECT_FALSE(storedCalibration(store, "Edited"));
}

TEST(PrinterCalibration, OffsetTextIsTwoWholeNumbersInRange)
{
    const struct {
        const char* text;
        std::optional<std::pair<int32_t, int32_t>> offset;
    } cases[] = {
        {"12,-5", std::pair{12, -5}}, {" 0 , 0 ", std::pair{0, 0}}, {"-500,500", std::pair{-500, 500}},
        {"501,0", std::nullopt},      {"1", std::nullopt},          {"1,2,3", std::nullopt},
        {"1.5,2", std::nullopt},      {"a,b", std::nullopt},        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseCalibrationOffset(c.text), c.offset) << c.text;
}

TEST(PrinterCalibration, MeasurementGivesTheCalibrationThatUndoesThePrinter)
{
    // A printer that prints 1.5 % large and 1.2 mm right, 0.8 mm up: x → a + k·x.
    const double k = 1.015, ax = 1.2, ay = -0.8;
    CalibrationMeasurement measured;
    measured.crossHairX = ax + k * CalibrationSheet::kCrossHairMm;
    measured.crossHairY = ay + k * CalibrationSheet::kCrossHairMm;
    measured.referenceLength = k * CalibrationSheet::kReferenceMm;
    const std::optional<PrinterCalibration> c = calibrationFromMeasurement(measured);
    ASSERT_TRUE(c);
    // Printed through the calibration, every point lands where it belongs.
    for (double x : {0.0, 20.0, 100.0, 200.0}) {
        const double calibrated = c->offsetX / 10.0 + c->scale / 1000.0 * x;
        EXPECT_NEAR(ax + k * calibrated, x, 0.1) << x;
        const double calibratedY = c->offsetY / 10.0 + c->scale / 1000.0 * x;
        EXPECT_NEAR(ay + k * calibratedY, x, 0.1) << x;
    }
    EXPECT_EQ(calibrationFromMeasurement({}), PrinterCalibration());
    for (const CalibrationMeasurement& wild :
         {CalibrationMeasurement{20, 20, 0}, CalibrationMeasurement{20, 20, -100}, CalibrationMeasurement{90, 20, 100},
          CalibrationMeasurement{20, 20, 150}, CalibrationMeasurement{20, 20, std::nan("")}})
        EXPECT_FALSE(calibrationFromMeasurement(wild));
}

TEST(PrinterCalibration, TheSheetHasItsRulersCrossHairAndWords)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("sheet.pdf");
    {
        QPdfWriter writer(path);
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10)));
        ASSERT_TRUE(printCalibrationSheet(writer));
    }
    const PdfText text = readPdfText(path);
    EXPECT_EQ(text.pageCount, 1);
    // The ruler's "100" sits just right of the 100 mm tick along the top edge.
    const auto hundred = text.find("100");
    ASSERT_TRUE(hundred);
    EXPECT_NEAR(hundred->left, 100.5 * 72 / 25.4, 1.5);
    EXPECT_TRUE(text.find("(100"));
}
