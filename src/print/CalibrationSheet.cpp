#include "print/CalibrationSheet.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

#include "print/PrintTexts.h"

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kRulerMm = 150.0;

struct MmScale {
    double x;  // device units per millimetre
    double y;
    QPointF at(double mmX, double mmY) const { return QPointF(mmX * x, mmY * y); }
};

void drawRulers(QPainter& painter, const MmScale& mm)
{
    for (int tick = 0; tick <= int(kRulerMm); ++tick) {
        const double length = tick % 10 == 0 ? 6.0 : tick % 5 == 0 ? 4.0 : 2.0;
        painter.drawLine(mm.at(tick, 0), mm.at(tick, length));  // along the top edge
        painter.drawLine(mm.at(0, tick), mm.at(length, tick));  // along the left edge
        if (tick % 10 == 0 && tick > 0) {
            painter.drawText(mm.at(tick + 0.5, 9.0), QString::number(tick));
            painter.drawText(mm.at(7.0, tick - 0.5), QString::number(tick));
        }
    }
}

void drawCrossHair(QPainter& painter, const MmScale& mm)
{
    const double c = CalibrationSheet::kCrossHairMm;
    painter.drawLine(mm.at(c - 8, c), mm.at(c + 8, c));
    painter.drawLine(mm.at(c, c - 8), mm.at(c, c + 8));
    painter.drawEllipse(mm.at(c, c), 3 * mm.x, 3 * mm.y);
}

void drawReferenceLine(QPainter& painter, const MmScale& mm)
{
    const double y = 60.0, left = 30.0, right = left + CalibrationSheet::kReferenceMm;
    painter.drawLine(mm.at(left, y), mm.at(right, y));
    for (double x : {left, right})
        painter.drawLine(mm.at(x, y - 4), mm.at(x, y + 4));
    painter.drawText(mm.at(left, y - 6), PrintTexts::CalibrationReferenceLine);
    painter.drawText(mm.at(30.0, 30.0), PrintTexts::CalibrationCrossHair);
}

} // namespace

void drawCalibrationSheet(QPainter& painter, double dotsPerInchX, double dotsPerInchY)
{
    const MmScale mm{dotsPerInchX / kMmPerInch, dotsPerInchY / kMmPerInch};
    painter.save();
    painter.setPen(QPen(Qt::black, 0.2 * mm.x));
    painter.setBrush(Qt::NoBrush);
    QFont font(PrintTexts::HeaderFontFamily);
    font.setPixelSize(int(std::lround(3.0 * mm.y)));
    painter.setFont(font);
    drawRulers(painter, mm);
    drawCrossHair(painter, mm);
    drawReferenceLine(painter, mm);
    painter.restore();
}

bool printCalibrationSheet(QPagedPaintDevice& device)
{
    // No margins, so (0, 0) is the paper's corner (a printer is also set to
    // full page by the caller, which knows it is one).
    device.setPageMargins(QMarginsF(), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    drawCalibrationSheet(painter, device.logicalDpiX(), device.logicalDpiY());
    return painter.end();
}

std::optional<PrinterCalibration> calibrationFromMeasurement(const CalibrationMeasurement& measured)
{
    if (!(measured.referenceLength > 0))
        return std::nullopt;
    // The printer puts x at a + k·x; printing x' = o + c·x instead lands x.
    const double c = CalibrationSheet::kReferenceMm / measured.referenceLength;
    const auto offset = [c](double measuredAt) {
        return (CalibrationSheet::kCrossHairMm - measuredAt * c) * 10.0;  // tenths of a millimetre
    };
    const double x = offset(measured.crossHairX), y = offset(measured.crossHairY), scale = c * 1000.0;
    if (!std::isfinite(x) || !std::isfinite(y) || std::abs(x) > PrinterCalibration::kMaxOffset ||
        std::abs(y) > PrinterCalibration::kMaxOffset || scale < PrinterCalibration::kMinScale ||
        scale > PrinterCalibration::kMaxScale)
        return std::nullopt;
    return PrinterCalibration{int32_t(std::lround(x)), int32_t(std::lround(y)), int32_t(std::lround(scale))};
}
