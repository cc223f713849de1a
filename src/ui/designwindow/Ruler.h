#pragma once
// A ruler along the card: 100 pixels per inch at zoom 100, quarter-inch ticks
// with whole inches numbered, or half-centimetre ticks with whole centimetres
// numbered. The offset follows the card's scrolling.

#include <QWidget>
#include <vector>

class Ruler : public QWidget {
    Q_OBJECT
public:
    static constexpr int kThickness = 20;
    static constexpr int kPixelsPerInch = 100;

    explicit Ruler(Qt::Orientation orientation, QWidget* parent = nullptr);

    Qt::Orientation orientation() const { return m_orientation; }
    void setScale(int zoom);
    int scale() const { return m_scale; }
    void setMetric(bool metric);
    bool metric() const { return m_metric; }
    // Pixels from the ruler's start to the card's left (or top) edge.
    void setOffset(int offset);
    int offset() const { return m_offset; }

    // One tick: where it lies along the ruler and the number it carries (0: none).
    struct Tick {
        int position;
        int number;
    };
    // The ticks from the offset up to the ruler's far end.
    std::vector<Tick> ticks(int length) const;
    // Pixels between ticks at the current scale and measure.
    int tickStep() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Qt::Orientation m_orientation;
    int m_scale = 100;
    bool m_metric = false;
    int m_offset = 0;
};
