#pragma once
// Ways one window family reaches another without depending on it. A family
// that provides a service sets its hook in its install function; callers use
// the hook when set and fall back (or disable the control) when it is not.

#include <QString>
#include <functional>
#include <optional>

#include "imaging/Picture.h"
#include "model/LayoutRecord.h"

class QWidget;
class DataReader;

namespace Hooks {

// The picture chooser (the picture editor). Falls back to an open-file dialog.
using PictureChooser = std::function<std::optional<Picture>(QWidget* parent, const Picture& current)>;
PictureChooser& choosePicture();
std::optional<Picture> choosePictureOrFile(QWidget* parent, const Picture& current);

// A text picked from the personal databases (Pick Text); unset: not available.
using TextPicker = std::function<std::optional<QString>(QWidget* parent)>;
TextPicker& pickText();

// A layout chosen from the layout files (the layout chooser); unset: the default layout.
using LayoutChooser = std::function<std::optional<LayoutRecord>(QWidget* parent, const LayoutRecord* current)>;
LayoutChooser& chooseLayout();

// Printer calibration for the print dialog's Calibrate button; unset: the button is hidden.
using PrinterCalibration = std::function<void(QWidget* parent, const QString& printerName)>;
PrinterCalibration& calibratePrinter();

// Whether a scanner source can be chosen (View ▸ TWAIN Source Manager...); unset: no scanner layer.
using ScannerProbe = std::function<bool()>;
ScannerProbe& scannerAvailable();

// The Field Wizard: a composite field spec built on the design's linked data
// source, starting from startSpec; unset: the Text page's "..." button is off.
using FieldBuilder =
    std::function<std::optional<QString>(QWidget* parent, DataReader& source, const QString& startSpec)>;
FieldBuilder& buildField();

} // namespace Hooks
