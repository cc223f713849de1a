#pragma once
// What one window family offers the others, owned by the main window and
// handed to each family's install function. A family that provides a
// service sets it when it installs; callers use it when set and fall back
// (or disable the control) when it is not. Families reach each other only
// through here, so none depends on another.

#include <QString>
#include <functional>
#include <optional>

#include "imaging/Picture.h"
#include "model/LayoutRecord.h"

class QWidget;
class DataReader;

struct FamilyServices {
    // The picture chooser (the picture editor); choosePictureOrFile falls back to an open-file dialog.
    using PictureChooser = std::function<std::optional<Picture>(QWidget* parent, const Picture& current)>;
    PictureChooser choosePicture;

    // A text picked from the personal databases (Pick Text); unset: not available.
    using TextPicker = std::function<std::optional<QString>(QWidget* parent)>;
    TextPicker pickText;

    // A layout chosen from the layout files (the layout chooser); unset: the default layout.
    using LayoutChooser = std::function<std::optional<LayoutRecord>(QWidget* parent, const LayoutRecord* current)>;
    LayoutChooser chooseLayout;

    // Printer calibration for the print dialog's Calibrate button; unset: the button is hidden.
    using PrinterCalibration = std::function<void(QWidget* parent, const QString& printerName)>;
    PrinterCalibration calibratePrinter;

    // Whether a scanner source can be chosen (View ▸ TWAIN Source Manager...); unset: no scanner layer.
    using ScannerProbe = std::function<bool()>;
    ScannerProbe scannerAvailable;

    // The Field Wizard: a composite field built on the design's linked data
    // source, starting from the given one; unset: the Text page's "..." button is off.
    using FieldBuilder =
        std::function<std::optional<QString>(QWidget* parent, DataReader& source, const QString& start)>;
    FieldBuilder buildField;

    std::optional<Picture> choosePictureOrFile(QWidget* parent, const Picture& current) const;
    bool hasScanner() const { return scannerAvailable && scannerAvailable(); }

    // The services of the main window a widget lives in (through its
    // parents); none offered for a widget outside one.
    static const FamilyServices& of(const QWidget* widget);
};
