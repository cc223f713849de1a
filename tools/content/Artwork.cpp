#include "content/Artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <random>

namespace Artwork {

namespace {

constexpr double kPi = 3.14159265358979;

QPainterPath starPath(const QPointF& c, double outer, double inner, int points)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double r = i % 2 ? inner : outer;
        const double a = -kPi / 2 + i * kPi / points;
        const QPointF p(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        i == 0 ? path.moveTo(p) : path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

QPainterPath heartPath(const QRectF& r)
{
    QPainterPath path;
    const double w = r.width(), h = r.height(), x = r.x(), y = r.y();
    path.moveTo(x + w / 2, y + h * 0.95);
    path.cubicTo(x - w * 0.05, y + h * 0.55, x + w * 0.05, y + h * 0.02, x + w / 2, y + h * 0.28);
    path.cubicTo(x + w * 0.95, y + h * 0.02, x + w * 1.05, y + h * 0.55, x + w / 2, y + h * 0.95);
    return path;
}

QPainterPath leafPath(const QRectF& r)
{
    QPainterPath path;
    path.moveTo(r.left(), r.bottom());
    path.cubicTo(r.left(), r.top() + r.height() * 0.2, r.left() + r.width() * 0.5, r.top(), r.right(), r.top());
    path.cubicTo(r.right(), r.top() + r.height() * 0.6, r.left() + r.width() * 0.6, r.bottom(), r.left(), r.bottom());
    return path;
}

void balloon(QPainter& p, const QPointF& c, double r, const QColor& colour)
{
    p.setPen(QPen(colour.darker(150), r * 0.05));
    p.drawLine(QPointF(c.x(), c.y() + r * 1.15), QPointF(c.x() + r * 0.2, c.y() + r * 2.4));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(c.x() - r * 0.85, c.y() - r, r * 1.7, r * 2.15));
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawEllipse(QRectF(c.x() - r * 0.5, c.y() - r * 0.7, r * 0.45, r * 0.6));
}

} // namespace

const std::vector<Motif>& allMotifs()
{
    static const std::vector<Motif> all = {Motif::Star,  Motif::Heart,    Motif::Leaf,  Motif::Flower,
                                           Motif::Balloons, Motif::Gift,  Motif::Disc,  Motif::Envelope,
                                           Motif::House, Motif::Snowflake, Motif::Cake, Motif::Note};
    return all;
}

QString motifName(Motif motif)
{
    static const char* const names[] = {"Star",  "Heart", "Leaf",  "Flower",    "Balloons", "Gift",
                                        "Disc",  "Envelope", "House", "Snowflake", "Cake",  "Note"};
    return QString::fromLatin1(names[int(motif)]);
}

void drawMotif(QPainter& p, Motif motif, const QRectF& area, const QColor& main, const QColor& second)
{
    const double s = std::min(area.width(), area.height());
    const QRectF r(area.center().x() - s / 2, area.center().y() - s / 2, s, s);
    const QPointF c = r.center();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    switch (motif) {
    case Motif::Star:
        p.setBrush(main);
        p.drawPath(starPath(c, s * 0.48, s * 0.2, 5));
        p.setBrush(second);
        p.drawPath(starPath(c, s * 0.2, s * 0.09, 5));
        break;
    case Motif::Heart:
        p.setBrush(main);
        p.drawPath(heartPath(r.adjusted(s * 0.04, s * 0.06, -s * 0.04, -s * 0.02)));
        p.setBrush(second);
        p.drawPath(heartPath(QRectF(r.x() + s * 0.22, r.y() + s * 0.22, s * 0.28, s * 0.28)));
        break;
    case Motif::Leaf: {
        p.setBrush(main);
        const QRectF leaf = r.adjusted(s * 0.1, s * 0.05, -s * 0.05, -s * 0.1);
        p.drawPath(leafPath(leaf));
        p.setPen(QPen(second, s * 0.035, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(leaf.bottomLeft() + QPointF(-s * 0.05, s * 0.05), leaf.center() + QPointF(s * 0.15, -s * 0.15));
        break;
    }
    case Motif::Flower:
        p.setBrush(main);
        for (int i = 0; i < 6; ++i) {
            p.save();
            p.translate(c);
            p.rotate(i * 60);
            p.drawEllipse(QRectF(-s * 0.12, -s * 0.48, s * 0.24, s * 0.36));
            p.restore();
        }
        p.setBrush(second);
        p.drawEllipse(c, s * 0.14, s * 0.14);
        break;
    case Motif::Balloons:
        balloon(p, QPointF(c.x() - s * 0.18, c.y() - s * 0.18), s * 0.2, main);
        balloon(p, QPointF(c.x() + s * 0.18, c.y() - s * 0.25), s * 0.18, second);
        break;
    case Motif::Gift: {
        const QRectF box(r.x() + s * 0.12, r.y() + s * 0.35, s * 0.76, s * 0.6);
        p.setBrush(main);
        p.drawRoundedRect(box, s * 0.03, s * 0.03);
        p.setBrush(main.darker(115));
        p.drawRect(QRectF(box.x() - s * 0.04, box.y() - s * 0.04, box.width() + s * 0.08, s * 0.16));
        p.setBrush(second);
        p.drawRect(QRectF(c.x() - s * 0.06, box.y() - s * 0.04, s * 0.12, box.height() + s * 0.04));
        p.drawEllipse(QRectF(c.x() - s * 0.26, r.y() + s * 0.12, s * 0.24, s * 0.2));
        p.drawEllipse(QRectF(c.x() + s * 0.02, r.y() + s * 0.12, s * 0.24, s * 0.2));
        break;
    }
    case Motif::Disc: {
        QRadialGradient shine(c, s * 0.48);
        shine.setColorAt(0, second.lighter(130));
        shine.setColorAt(1, main);
        p.setBrush(shine);
        p.drawEllipse(c, s * 0.48, s * 0.48);
        p.setBrush(Qt::white);
        p.drawEllipse(c, s * 0.1, s * 0.1);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 120), s * 0.02));
        p.drawEllipse(c, s * 0.3, s * 0.3);
        break;
    }
    case Motif::Envelope: {
        const QRectF e(r.x() + s * 0.05, r.y() + s * 0.2, s * 0.9, s * 0.6);
        p.setBrush(main);
        p.drawRoundedRect(e, s * 0.03, s * 0.03);
        p.setPen(QPen(second, s * 0.04, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({e.topLeft() + QPointF(s * 0.04, s * 0.04), QPointF(c.x(), c.y() + s * 0.02),
                                  e.topRight() + QPointF(-s * 0.04, s * 0.04)}));
        break;
    }
    case Motif::House:
        p.setBrush(second);
        p.drawPolygon(QPolygonF({QPointF(c.x(), r.y() + s * 0.06), QPointF(r.right() - s * 0.04, c.y()),
                                 QPointF(r.x() + s * 0.04, c.y())}));
        p.setBrush(main);
        p.drawRect(QRectF(r.x() + s * 0.16, c.y(), s * 0.68, s * 0.42));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(c.x() - s * 0.08, c.y() + s * 0.16, s * 0.16, s * 0.26));
        break;
    case Motif::Snowflake:
        p.setPen(QPen(main, s * 0.06, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 6; ++i) {
            p.save();
            p.translate(c);
            p.rotate(i * 60);
            p.drawLine(QPointF(0, 0), QPointF(0, -s * 0.46));
            p.drawLine(QPointF(0, -s * 0.28), QPointF(s * 0.12, -s * 0.4));
            p.drawLine(QPointF(0, -s * 0.28), QPointF(-s * 0.12, -s * 0.4));
            p.restore();
        }
        p.setPen(Qt::NoPen);
        p.setBrush(second);
        p.drawEllipse(c, s * 0.07, s * 0.07);
        break;
    case Motif::Cake: {
        p.setBrush(main);
        p.drawRoundedRect(QRectF(r.x() + s * 0.1, r.y() + s * 0.5, s * 0.8, s * 0.42), s * 0.05, s * 0.05);
        p.setBrush(second);
        p.drawRoundedRect(QRectF(r.x() + s * 0.08, r.y() + s * 0.44, s * 0.84, s * 0.14), s * 0.06, s * 0.06);
        for (int i = 0; i < 3; ++i) {
            const double x = r.x() + s * (0.3 + 0.2 * i);
            p.setBrush(main.darker(130));
            p.drawRect(QRectF(x - s * 0.025, r.y() + s * 0.26, s * 0.05, s * 0.18));
            p.setBrush(QColor(250, 190, 60));
            p.drawEllipse(QPointF(x, r.y() + s * 0.2), s * 0.035, s * 0.06);
        }
        break;
    }
    case Motif::Note:
        p.setBrush(main);
        p.drawEllipse(QRectF(r.x() + s * 0.12, r.y() + s * 0.64, s * 0.3, s * 0.24));
        p.drawEllipse(QRectF(r.x() + s * 0.56, r.y() + s * 0.56, s * 0.3, s * 0.24));
        p.drawRect(QRectF(r.x() + s * 0.36, r.y() + s * 0.14, s * 0.06, s * 0.62));
        p.drawRect(QRectF(r.x() + s * 0.8, r.y() + s * 0.06, s * 0.06, s * 0.62));
        p.setBrush(second);
        p.drawPolygon(QPolygonF({QPointF(r.x() + s * 0.36, r.y() + s * 0.14), QPointF(r.x() + s * 0.86, r.y() + s * 0.06),
                                 QPointF(r.x() + s * 0.86, r.y() + s * 0.2), QPointF(r.x() + s * 0.36, r.y() + s * 0.28)}));
        break;
    }
    p.restore();
}

QImage motifImage(Motif motif, int size, const QColor& main, const QColor& second, const QColor& ground)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(ground);
    QPainter p(&image);
    drawMotif(p, motif, QRectF(size * 0.06, size * 0.06, size * 0.88, size * 0.88), main, second);
    return image;
}

namespace {

void gradient(QPainter& p, const QSize& s, const QColor& a, const QColor& b, bool diagonal)
{
    QLinearGradient g(0, 0, diagonal ? s.width() : 0, s.height());
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    p.fillRect(QRect(QPoint(0, 0), s), g);
}

void glow(QPainter& p, const QSize& s, const QColor& inner, const QColor& outer)
{
    QRadialGradient g(QPointF(s.width() * 0.3, s.height() * 0.3), std::max(s.width(), s.height()));
    g.setColorAt(0, inner);
    g.setColorAt(1, outer);
    p.fillRect(QRect(QPoint(0, 0), s), g);
}

void dots(QPainter& p, const QSize& s, const QColor& ground, const QColor& dot, double step)
{
    p.fillRect(QRect(QPoint(0, 0), s), ground);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(dot);
    for (double y = step / 2, row = 0; y < s.height() + step; y += step * 0.87, ++row)
        for (double x = int(row) % 2 ? step : step / 2; x < s.width() + step; x += step)
            p.drawEllipse(QPointF(x, y), step * 0.16, step * 0.16);
}

void stripes(QPainter& p, const QSize& s, const QColor& ground, const QColor& stripe, double width, double angle)
{
    p.fillRect(QRect(QPoint(0, 0), s), ground);
    p.save();
    p.translate(s.width() / 2.0, s.height() / 2.0);
    p.rotate(angle);
    const double reach = s.width() + s.height();
    for (double x = -reach; x < reach; x += width * 2)
        p.fillRect(QRectF(x, -reach, width, reach * 2), stripe);
    p.restore();
}

void checks(QPainter& p, const QSize& s, const QColor& ground, const QColor& check, int cell)
{
    p.fillRect(QRect(QPoint(0, 0), s), ground);
    for (int y = 0; y < s.height(); y += cell)
        for (int x = 0; x < s.width(); x += cell)
            if ((x / cell + y / cell) % 2)
                p.fillRect(QRect(x, y, cell, cell), check);
    QColor over = check;
    over.setAlpha(70);
    for (int y = 0; y < s.height(); y += cell * 2)
        p.fillRect(QRect(0, y + cell / 2 - 2, s.width(), 4), over);
}

void waves(QPainter& p, const QSize& s, const QColor& top, const QColor& bottom, int bands)
{
    gradient(p, s, top, top.lighter(115), false);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < bands; ++i) {
        const double t = double(i + 1) / (bands + 1);
        QColor c = QColor::fromRgbF(top.redF() + (bottom.redF() - top.redF()) * t,
                                    top.greenF() + (bottom.greenF() - top.greenF()) * t,
                                    top.blueF() + (bottom.blueF() - top.blueF()) * t);
        QPainterPath path;
        const double base = s.height() * (0.25 + 0.7 * t);
        path.moveTo(0, s.height());
        for (int x = 0; x <= s.width(); x += 8)
            path.lineTo(x, base + std::sin(x / double(s.width()) * 2 * kPi * 1.5 + i) * s.height() * 0.04);
        path.lineTo(s.width(), s.height());
        path.closeSubpath();
        p.setBrush(c);
        p.drawPath(path);
    }
}

void scatter(QPainter& p, const QSize& s, const QColor& ground, Motif motif, const std::vector<QColor>& colours,
             int count, unsigned seed, double minSize, double maxSize)
{
    p.fillRect(QRect(QPoint(0, 0), s), ground);
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int i = 0; i < count; ++i) {
        const double size = minSize + (maxSize - minSize) * unit(rng);
        const QRectF r(unit(rng) * s.width() - size / 2, unit(rng) * s.height() - size / 2, size, size);
        const QColor a = colours[size_t(i) % colours.size()];
        p.save();
        p.translate(r.center());
        p.rotate(unit(rng) * 40 - 20);
        p.translate(-r.center());
        drawMotif(p, motif, r, a, a.lighter(130));
        p.restore();
    }
}

void confetti(QPainter& p, const QSize& s, const QColor& ground, const std::vector<QColor>& colours, unsigned seed)
{
    p.fillRect(QRect(QPoint(0, 0), s), ground);
    p.setRenderHint(QPainter::Antialiasing);
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 220; ++i) {
        p.setBrush(colours[size_t(i) % colours.size()]);
        p.save();
        p.translate(unit(rng) * s.width(), unit(rng) * s.height());
        p.rotate(unit(rng) * 180);
        if (i % 3)
            p.drawRect(QRectF(-5, -2, 10, 4));
        else
            p.drawEllipse(QPointF(0, 0), 3.5, 3.5);
        p.restore();
    }
}

void hills(QPainter& p, const QSize& s, const QColor& sky, const QColor& far, const QColor& near, bool sun)
{
    gradient(p, s, sky, sky.lighter(135), false);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    if (sun) {
        p.setBrush(QColor(255, 236, 160));
        p.drawEllipse(QPointF(s.width() * 0.78, s.height() * 0.28), s.height() * 0.1, s.height() * 0.1);
    }
    const auto ridge = [&](const QColor& colour, double base, double height, double phase) {
        QPainterPath path;
        path.moveTo(0, s.height());
        for (int x = 0; x <= s.width(); x += 6)
            path.lineTo(x, s.height() * base - std::sin(x / double(s.width()) * kPi * 1.3 + phase) * s.height() * height);
        path.lineTo(s.width(), s.height());
        path.closeSubpath();
        p.setBrush(colour);
        p.drawPath(path);
    };
    ridge(far, 0.62, 0.12, 0.3);
    ridge(near, 0.8, 0.1, 2.0);
}

void noise(QPainter& p, const QSize& s, const QColor& ground, int strength, unsigned seed, bool fibres)
{
    p.fillRect(QRect(QPoint(0, 0), s), ground);
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> x(0, s.width()), y(0, s.height()), v(-strength, strength);
    for (int i = 0; i < s.width() * s.height() / 6; ++i) {
        const int d = v(rng);
        p.setPen(QColor(std::clamp(ground.red() + d, 0, 255), std::clamp(ground.green() + d, 0, 255),
                        std::clamp(ground.blue() + d, 0, 255)));
        const int px = x(rng), py = y(rng);
        if (fibres)
            p.drawLine(px, py, px + 6, py + (d > 0 ? 1 : 0));
        else
            p.drawPoint(px, py);
    }
}

void wash(QPainter& p, const QSize& s, const QColor& ground, const std::vector<QColor>& colours, unsigned seed)
{
    p.fillRect(QRect(QPoint(0, 0), s), ground);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int i = 0; i < 14; ++i) {
        QColor c = colours[size_t(i) % colours.size()];
        const QPointF at(unit(rng) * s.width(), unit(rng) * s.height());
        const double r = s.height() * (0.25 + unit(rng) * 0.35);
        QRadialGradient g(at, r);
        c.setAlpha(110);
        g.setColorAt(0, c);
        c.setAlpha(0);
        g.setColorAt(1, c);
        p.setBrush(g);
        p.drawEllipse(at, r, r);
    }
}

} // namespace

const std::vector<Background>& backgrounds()
{
    using S = const QSize&;
    static const std::vector<Background> all = {
        {"Soft Gradients", "Morning Sky", [](QPainter& p, S s) { gradient(p, s, QColor(190, 220, 245), QColor(250, 252, 255), false); }},
        {"Soft Gradients", "Peach", [](QPainter& p, S s) { gradient(p, s, QColor(253, 226, 206), QColor(255, 246, 238), true); }},
        {"Soft Gradients", "Mint", [](QPainter& p, S s) { gradient(p, s, QColor(214, 240, 226), QColor(248, 253, 250), true); }},
        {"Soft Gradients", "Lavender", [](QPainter& p, S s) { gradient(p, s, QColor(228, 220, 245), QColor(252, 250, 255), false); }},
        {"Soft Gradients", "Sand", [](QPainter& p, S s) { glow(p, s, QColor(255, 250, 236), QColor(236, 222, 190)); }},
        {"Soft Gradients", "Silver", [](QPainter& p, S s) { glow(p, s, QColor(255, 255, 255), QColor(214, 220, 228)); }},
        {"Soft Gradients", "Rose", [](QPainter& p, S s) { glow(p, s, QColor(255, 248, 250), QColor(242, 206, 218)); }},
        {"Patterns", "Polka Dots", [](QPainter& p, S s) { dots(p, s, QColor(250, 246, 236), QColor(236, 196, 120), 34); }},
        {"Patterns", "Blue Dots", [](QPainter& p, S s) { dots(p, s, QColor(240, 246, 252), QColor(160, 196, 230), 26); }},
        {"Patterns", "Candy Stripes", [](QPainter& p, S s) { stripes(p, s, QColor(255, 250, 250), QColor(250, 214, 222), 18, 45); }},
        {"Patterns", "Pinstripe", [](QPainter& p, S s) { stripes(p, s, QColor(248, 249, 251), QColor(226, 231, 238), 3, 0); }},
        {"Patterns", "Gingham", [](QPainter& p, S s) { checks(p, s, QColor(252, 252, 248), QColor(206, 228, 206), 24); }},
        {"Patterns", "Sea Green Checks", [](QPainter& p, S s) { checks(p, s, QColor(246, 251, 251), QColor(196, 230, 228), 40); }},
        {"Patterns", "Soft Waves", [](QPainter& p, S s) { waves(p, s, QColor(236, 244, 252), QColor(150, 190, 226), 4); }},
        {"Nature", "Green Hills", [](QPainter& p, S s) { hills(p, s, QColor(168, 206, 240), QColor(140, 190, 130), QColor(90, 150, 90), true); }},
        {"Nature", "Evening Hills", [](QPainter& p, S s) { hills(p, s, QColor(240, 180, 140), QColor(170, 120, 140), QColor(100, 80, 110), true); }},
        {"Nature", "Blue Mountains", [](QPainter& p, S s) { hills(p, s, QColor(210, 226, 240), QColor(150, 170, 200), QColor(100, 125, 165), false); }},
        {"Nature", "Sea", [](QPainter& p, S s) { waves(p, s, QColor(214, 236, 248), QColor(40, 100, 150), 5); }},
        {"Nature", "Autumn Leaves", [](QPainter& p, S s) { scatter(p, s, QColor(252, 246, 232), Motif::Leaf, {QColor(214, 120, 50), QColor(190, 70, 40), QColor(220, 170, 60)}, 40, 11, 28, 60); }},
        {"Nature", "Spring Flowers", [](QPainter& p, S s) { scatter(p, s, QColor(246, 252, 240), Motif::Flower, {QColor(240, 170, 200), QColor(250, 210, 110), QColor(190, 170, 240)}, 45, 23, 22, 48); }},
        {"Nature", "Snowfall", [](QPainter& p, S s) { scatter(p, s, QColor(226, 238, 250), Motif::Snowflake, {QColor(255, 255, 255), QColor(200, 220, 245)}, 55, 37, 14, 40); }},
        {"Celebration", "Confetti", [](QPainter& p, S s) { confetti(p, s, QColor(255, 253, 248), {QColor(240, 90, 90), QColor(250, 190, 60), QColor(80, 170, 220), QColor(120, 200, 120)}, 5); }},
        {"Celebration", "Gold Confetti", [](QPainter& p, S s) { confetti(p, s, QColor(40, 44, 60), {QColor(230, 190, 90), QColor(250, 230, 160), QColor(200, 160, 80)}, 9); }},
        {"Celebration", "Balloons", [](QPainter& p, S s) { scatter(p, s, QColor(240, 248, 255), Motif::Balloons, {QColor(240, 100, 110), QColor(90, 160, 230), QColor(250, 200, 70)}, 18, 41, 50, 90); }},
        {"Celebration", "Hearts", [](QPainter& p, S s) { scatter(p, s, QColor(255, 244, 246), Motif::Heart, {QColor(230, 110, 140), QColor(250, 180, 200)}, 40, 43, 20, 44); }},
        {"Celebration", "Starry Night", [](QPainter& p, S s) { scatter(p, s, QColor(30, 40, 80), Motif::Star, {QColor(250, 230, 150), QColor(255, 255, 255)}, 60, 47, 8, 26); }},
        {"Celebration", "Gifts", [](QPainter& p, S s) { scatter(p, s, QColor(250, 248, 242), Motif::Gift, {QColor(200, 60, 60), QColor(50, 120, 90), QColor(60, 90, 170)}, 22, 53, 36, 60); }},
        {"Paper and Texture", "Linen", [](QPainter& p, S s) { noise(p, s, QColor(244, 240, 230), 10, 61, true); }},
        {"Paper and Texture", "Kraft", [](QPainter& p, S s) { noise(p, s, QColor(200, 170, 130), 14, 67, true); }},
        {"Paper and Texture", "Parchment", [](QPainter& p, S s) { glow(p, s, QColor(252, 246, 228), QColor(226, 206, 160)); }},
        {"Paper and Texture", "Watercolour Blue", [](QPainter& p, S s) { wash(p, s, QColor(252, 253, 255), {QColor(120, 170, 220), QColor(160, 210, 230)}, 71); }},
        {"Paper and Texture", "Watercolour Warm", [](QPainter& p, S s) { wash(p, s, QColor(255, 252, 248), {QColor(240, 150, 120), QColor(250, 200, 120)}, 73); }},
        {"Paper and Texture", "Granite", [](QPainter& p, S s) { noise(p, s, QColor(214, 216, 220), 30, 79, false); }},
    };
    return all;
}

QImage backgroundImage(const Background& background, const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    background.draw(p, size);
    return image;
}

} // namespace Artwork
