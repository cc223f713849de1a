#include "ui/shell/Hooks.h"

#include <QFileDialog>

#include "model/Options.h"
#include "render/PictureFiles.h"

namespace Hooks {

PictureChooser& choosePicture()
{
    static PictureChooser chooser;
    return chooser;
}

std::optional<Picture> choosePictureOrFile(QWidget* parent, const Picture& current)
{
    if (choosePicture())
        return choosePicture()(parent, current);
    const QString path = QFileDialog::getOpenFileName(parent, QString(), Options::current().graphics);
    if (path.isEmpty())
        return std::nullopt;
    Picture picture = loadPictureFile(path, Options::current().reduceColor);
    if (picture.isEmpty())
        return std::nullopt;
    return picture;
}

TextPicker& pickText()
{
    static TextPicker picker;
    return picker;
}

LayoutChooser& chooseLayout()
{
    static LayoutChooser chooser;
    return chooser;
}

PrinterCalibration& calibratePrinter()
{
    static PrinterCalibration calibration;
    return calibration;
}

ScannerProbe& scannerAvailable()
{
    static ScannerProbe probe;
    return probe;
}

FieldBuilder& buildField()
{
    static FieldBuilder builder;
    return builder;
}

} // namespace Hooks
