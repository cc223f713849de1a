#pragma once
// The design window's client area: the unit box where the rulers meet, the
// two rulers and the scrolling grey work area holding the card.

#include <QWidget>

class CardView;
class DesignSurface;
class QLabel;
class QScrollArea;
class Ruler;

class DesignView : public QWidget {
    Q_OBJECT
public:
    // The card sits this far right of and below the work area's origin.
    static constexpr int kCardInset = 3;

    explicit DesignView(DesignSurface& surface, QWidget* parent = nullptr);

    DesignSurface& surface() const { return m_surface; }
    CardView* cardView() const { return m_card; }
    Ruler* horizontalRuler() const { return m_horzRuler; }
    Ruler* verticalRuler() const { return m_vertRuler; }
    QScrollArea* scrollBox() const { return m_scroll; }
    QLabel* unitPanel() const { return m_unitPanel; }

    // Both scroll positions back to 0, the rulers with them.
    void resetScrolling();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void followOptions();
    void followZoom(int zoom);
    void layoutWorkArea();

    DesignSurface& m_surface;
    QLabel* m_unitPanel;
    Ruler* m_horzRuler;
    Ruler* m_vertRuler;
    QScrollArea* m_scroll;
    QWidget* m_workArea;
    CardView* m_card;
};
