#pragma once
// The "Save As Template" dialog: a thin widget over SaveAsTemplateForm.

#include <QDialog>
#include <functional>

#include "ui/printing/SaveAsTemplateForm.h"

class QLineEdit;
class QListWidget;
class QPushButton;

class SaveAsTemplateDialog : public QDialog {
    Q_OBJECT
public:
    explicit SaveAsTemplateDialog(SaveAsTemplateForm& form, QWidget* parent = nullptr);

    // Where the template's file name comes from; tests replace it.
    std::function<QString()> chooseFile;
    void fileChosen(const QString& path);

private:
    SaveAsTemplateForm& m_form;
    QListWidget* m_types = nullptr;
    QLineEdit* m_fileEdit = nullptr;
    QPushButton* m_ok = nullptr;
};
