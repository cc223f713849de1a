#include "ui/calibration/CalibrationForm.h"

#include <cmath>

#include <QPageLayout>
#include <QPdfWriter>

#include "base/AtomicFile.h"
#include "model/Options.h"
#include "system/Messages.h"
#include "system/SettingsStore.h"
#include "ui/calibration/CalibrationTexts.h"

namespace {

QString millimetreText(double value) { return QString::number(value, 'f', 1); }

// The field's caption without its accelerator and colon, as the message names it.
QString fieldName(const QString& caption)
{
    QString name = caption;
    return name.remove(QLatin1Char('&')).remove(QLatin1Char(':'));
}

} // namespace

CalibrationForm::CalibrationForm(SettingsStore& store, const QString& printer)
    : crossHairXText(millimetreText(CalibrationSheet::kCrossHairMm)),
      crossHairYText(millimetreText(CalibrationSheet::kCrossHairMm)),
      referenceLengthText(millimetreText(CalibrationSheet::kReferenceMm)),
      m_store(store),
      m_printer(printer),
      m_current(storedCalibration(store, printer).value_or(PrinterCalibration()))
{
}

QString CalibrationForm::currentText() const
{
    return CalibrationTexts::current(m_current.offsetX / 10.0, m_current.offsetY / 10.0, m_current.scale / 10.0);
}

std::optional<double> CalibrationForm::millimetres(const QString& text, const QString& field) const
{
    QString number = text.trimmed();
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        Messages::error(CalibrationTexts::notANumber(fieldName(field)));
        return std::nullopt;
    }
    return value;
}

std::optional<PrinterCalibration> CalibrationForm::measuredCalibration() const
{
    const auto x = millimetres(crossHairXText, CalibrationTexts::CrossHairX);
    const auto y = x ? millimetres(crossHairYText, CalibrationTexts::CrossHairY) : std::nullopt;
    const auto length = y ? millimetres(referenceLengthText, CalibrationTexts::ReferenceLength) : std::nullopt;
    if (!length)
        return std::nullopt;
    const auto calibration = calibrationFromMeasurement({*x, *y, *length});
    if (!calibration)
        Messages::error(CalibrationTexts::Implausible);
    return calibration;
}

bool CalibrationForm::accept()
{
    const auto calibration = measuredCalibration();
    if (!calibration)
        return false;
    storeCalibration(m_store, m_printer, *calibration);
    m_store.sync();
    m_current = *calibration;
    return true;
}

void CalibrationForm::reset()
{
    forgetCalibration(m_store, m_printer);
    m_store.sync();
    m_current = {};
}

bool CalibrationForm::printSheet(QPagedPaintDevice& device)
{
    if (printCalibrationSheet(device))
        return true;
    Messages::error(CalibrationTexts::CannotPrintSheet);
    return false;
}

bool CalibrationForm::saveSheet(const QString& path)
{
    AtomicFile file(path);
    bool printed = false;
    if (file.open()) {
        QPdfWriter writer(&file);
        writer.setResolution(600);
        const QPageSize page(Options::current().metricUnits ? QPageSize::A4 : QPageSize::Letter);
        writer.setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF()));
        printed = printCalibrationSheet(writer);
    }
    if (printed && file.commit())
        return true;
    Messages::error(CalibrationTexts::CannotPrintSheet + QLatin1Char('\n') + file.errorString());
    return false;
}
