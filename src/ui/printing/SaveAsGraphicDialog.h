#pragma once
// The "Save As Graphic" dialog: a thin widget over SaveAsGraphicForm.

#include <QDialog>
#include <functional>

#include "ui/printing/SaveAsGraphicForm.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

class SaveAsGraphicDialog : public QDialog {
    Q_OBJECT
public:
    explicit SaveAsGraphicDialog(SaveAsGraphicForm& form, QWidget* parent = nullptr);

    // Where the file name comes from: (name, chosen filter); tests replace it.
    std::function<QString()> chooseFile;
    void fileChosen(const QString& path);

private:
    void readControls();

    SaveAsGraphicForm& m_form;
    QLineEdit* m_fileEdit = nullptr;
    QGroupBox* m_jpeg = nullptr;
    QSpinBox* m_quality = nullptr;
    QCheckBox* m_progressive = nullptr;
    QPushButton* m_ok = nullptr;
};
