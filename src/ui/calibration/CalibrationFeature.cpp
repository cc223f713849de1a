#include "ui/calibration/CalibrationFeature.h"

#include "system/SettingsStore.h"
#include "ui/calibration/CalibrationDialog.h"
#include "ui/shell/Gallery.h"
#include "ui/shell/FamilyServices.h"
#include "ui/shell/MainWindow.h"

void installCalibration(MainWindow&, FamilyServices& services) { services.calibratePrinter = runCalibrationDialog; }

void registerCalibrationGalleryStates()
{
    addGalleryState(QStringLiteral("calibration-dialog"), [](MainWindow& window) -> QWidget* {
        auto* dialog = new CalibrationDialog(SettingsStore::instance(), QStringLiteral("Office Laser"), &window);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
        return dialog;
    });
}
