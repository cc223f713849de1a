#pragma once
// The card widget: shows the editor's card with the selection handles and,
// while dragging, the outline; passes mouse and keys to the DesignSurface.

#include <QImage>
#include <QWidget>

class DesignSurface;

class CardView : public QWidget {
    Q_OBJECT
public:
    explicit CardView(DesignSurface& surface, QWidget* parent = nullptr);

    DesignSurface& surface() const { return m_surface; }
    // Follows the card's pixel size (after a zoom or a region switch).
    void updateSize();
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The card without the selection, drawn again only when the card changed.
    const QImage& cardImage();
    void paintSelection(QPainter& painter) const;

    DesignSurface& m_surface;
    QImage m_cache;
    quint64 m_cacheRevision = 0;
    bool m_cacheValid = false;
};
