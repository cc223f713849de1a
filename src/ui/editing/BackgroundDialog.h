#pragma once
// The background of the shown region: the picture as it stands, a button
// that chooses another one (the picture chooser, or a file) and Clear.

#include <QDialog>

#include "imaging/Picture.h"

class QLabel;
class QPushButton;

class BackgroundDialog : public QDialog {
    Q_OBJECT
public:
    explicit BackgroundDialog(const Picture& current, QWidget* parent = nullptr);
    const Picture& picture() const { return m_picture; }

    void choosePicture();
    void clearPicture();

private:
    void showPicture();

    Picture m_picture;
    QLabel* m_preview = nullptr;
    QLabel* m_info = nullptr;
    QPushButton* m_clear = nullptr;
};
