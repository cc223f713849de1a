#include "print/PrinterCalibration.h"

#include <QStringList>
#include <QUrl>

#include "system/SettingsStore.h"

namespace {

constexpr double kTenthsOfMillimetrePerInch = 254.0;

const QString kOffsetX = QStringLiteral("OffsetX");
const QString kOffsetY = QStringLiteral("OffsetY");
const QString kScale = QStringLiteral("Scale");

// One key per printer. Printer names may hold any character, among them the
// store's own separators, so the name is percent-encoded.
QString printerKey(const QString& printer)
{
    return SettingsStore::programKey() + QStringLiteral("\\Printer Calibration\\") +
           QString::fromLatin1(QUrl::toPercentEncoding(printer));
}

bool offsetInRange(int64_t value)
{
    return value >= -PrinterCalibration::kMaxOffset && value <= PrinterCalibration::kMaxOffset;
}

} // namespace

bool PrinterCalibration::inRange() const
{
    return offsetInRange(offsetX) && offsetInRange(offsetY) && scale >= kMinScale && scale <= kMaxScale;
}

QTransform PrinterCalibration::pageTransform(double dotsPerInchX, double dotsPerInchY) const
{
    QTransform transform;
    transform.translate(offsetX * dotsPerInchX / kTenthsOfMillimetrePerInch,
                        offsetY * dotsPerInchY / kTenthsOfMillimetrePerInch);
    transform.scale(scale / 1000.0, scale / 1000.0);
    return transform;
}

std::optional<PrinterCalibration> storedCalibration(const SettingsStore& store, const QString& printer)
{
    const QString key = printerKey(printer);
    const auto x = store.readInteger(key, kOffsetX);
    const auto y = store.readInteger(key, kOffsetY);
    const auto scale = store.readInteger(key, kScale);
    if (!x || !y || !scale)
        return std::nullopt;
    const PrinterCalibration calibration{*x, *y, *scale};
    if (!calibration.inRange())
        return std::nullopt;
    return calibration;
}

void storeCalibration(SettingsStore& store, const QString& printer, const PrinterCalibration& calibration)
{
    const QString key = printerKey(printer);
    store.writeInteger(key, kOffsetX, calibration.offsetX);
    store.writeInteger(key, kOffsetY, calibration.offsetY);
    store.writeInteger(key, kScale, calibration.scale);
}

void forgetCalibration(SettingsStore& store, const QString& printer) { store.removeKey(printerKey(printer)); }

std::optional<std::pair<int32_t, int32_t>> parseCalibrationOffset(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 2)
        return std::nullopt;
    bool xOk = false, yOk = false;
    const int x = parts[0].trimmed().toInt(&xOk);
    const int y = parts[1].trimmed().toInt(&yOk);
    if (!xOk || !yOk || !offsetInRange(x) || !offsetInRange(y))
        return std::nullopt;
    return std::pair{int32_t(x), int32_t(y)};
}
