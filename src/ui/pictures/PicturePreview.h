#pragma once
// The editor's white preview panel: the picture stretched over the image
// area, the crop rectangle over it and, once clicked, its selection frame.

#include <QWidget>

class PictureEditor;

class PicturePreview : public QWidget {
    Q_OBJECT
public:
    PicturePreview(PictureEditor& editor, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    PictureEditor& m_editor;
};
