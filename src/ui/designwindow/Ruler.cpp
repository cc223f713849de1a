#include "ui/designwindow/Ruler.h"

#include <QPainter>
#include <cmath>

namespace {
constexpr int kTickInset = 4;   // a tick leaves this much at each edge of the ruler
constexpr int kFontPixels = 9;
// Quarter inches: every fourth tick is a whole inch. Half centimetres: every second.
constexpr int kInchDivisions = 4;
constexpr int kCentimetreDivisions = 2;
constexpr double kCentimetresPerInch = 2.54;
}

Ruler::Ruler(Qt::Orientation orientation, QWidget* parent) : QWidget(parent), m_orientation(orientation)
{
    setObjectName(orientation == Qt::Horizontal ? QStringLiteral("HorzRuler") : QStringLiteral("VertRuler"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (orientation == Qt::Horizontal)
        setFixedHeight(kThickness);
    else
        setFixedWidth(kThickness);
}

QSize Ruler::sizeHint() const { return QSize(kThickness, kThickness); }

void Ruler::setScale(int zoom)
{
    m_scale = zoom;
    update();
}

void Ruler::setMetric(bool metric)
{
    m_metric = metric;
    update();
}

void Ruler::setOffset(int offset)
{
    m_offset = offset;
    update();
}

int Ruler::tickStep() const
{
    const double pixelsPerInch = m_scale / 100.0 * kPixelsPerInch;
    const double step = m_metric ? pixelsPerInch / (kCentimetreDivisions * kCentimetresPerInch)
                                 : pixelsPerInch / kInchDivisions;
    return std::max(1, int(std::trunc(step)));
}

std::vector<Ruler::Tick> Ruler::ticks(int length) const
{
    const int step = tickStep();
    const int divisions = m_metric ? kCentimetreDivisions : kInchDivisions;
    std::vector<Tick> result;
    // Ticks scrolled off the start are skipped without walking them.
    int index = m_offset < 0 ? (-m_offset + step - 1) / step : 0;
    for (int at = m_offset + index * step; at < length; at = m_offset + ++index * step)
        result.push_back({at, index % divisions == 0 ? index / divisions : 0});
    return result;
}

void Ruler::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::black);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kFontPixels);
    painter.setFont(font);
    const bool horizontal = m_orientation == Qt::Horizontal;
    const int length = horizontal ? width() : height();
    const int across = horizontal ? height() : width();
    const int step = tickStep();
    for (const Tick& tick : ticks(length)) {
        if (tick.number > 0) {
            // Centred on the tick, in a box one step wide.
            const QRect box = horizontal ? QRect(tick.position - step / 2, 0, step, across)
                                         : QRect(0, tick.position - step / 2, across, step);
            painter.drawText(box, Qt::AlignCenter, QString::number(tick.number));
        } else if (tick.position != m_offset) {  // nothing at 0
            if (horizontal)
                painter.drawLine(tick.position, kTickInset, tick.position, across - 1 - kTickInset);
            else
                painter.drawLine(kTickInset, tick.position, across - 1 - kTickInset, tick.position);
        }
    }
}
