#pragma once
// Printers feed paper a little off and some print a little large or small.
// A printer's calibration moves every page by an offset and scales it about
// the paper's top-left corner; it is kept in the settings under the
// printer's name and applied by the print job to every page.

#include <QString>
#include <QTransform>
#include <cstdint>
#include <optional>

class SettingsStore;

struct PrinterCalibration {
    static constexpr int32_t kMaxOffset = 500;  // tenths of a millimetre: 5 cm either way
    static constexpr int32_t kMinScale = 800;   // per mille
    static constexpr int32_t kMaxScale = 1200;

    int32_t offsetX = 0;  // tenths of a millimetre; positive moves the print right
    int32_t offsetY = 0;  // positive moves it down
    int32_t scale = 1000; // per mille

    bool isIdentity() const { return offsetX == 0 && offsetY == 0 && scale == 1000; }
    bool inRange() const;
    // Device coordinates at these resolutions: x' = offset + scale · x.
    QTransform pageTransform(double dotsPerInchX, double dotsPerInchY) const;

    bool operator==(const PrinterCalibration&) const = default;
};

// The stored calibration of a printer (none when it has none, or a stored
// value is out of range).
std::optional<PrinterCalibration> storedCalibration(const SettingsStore& store, const QString& printer);
void storeCalibration(SettingsStore& store, const QString& printer, const PrinterCalibration& calibration);
void forgetCalibration(SettingsStore& store, const QString& printer);

// "X,Y" in tenths of a millimetre ("-12,5"); none when malformed or out of range.
std::optional<std::pair<int32_t, int32_t>> parseCalibrationOffset(const QString& text);
