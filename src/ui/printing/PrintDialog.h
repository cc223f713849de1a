#pragma once
// The print dialog: a thin widget over PrintForm. Shown once before the job
// and again between the passes of two-sided stock (the second-pass dialog).

#include <QDialog>
#include <functional>

#include "ui/printing/PrintForm.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// Where the pages go: a CUPS printer by name, or a PDF file.
struct PrintTarget {
    QString printerName;
    QString pdfPath;
    bool toFile() const { return printerName.isEmpty(); }
};

class PrintDialog : public QDialog {
    Q_OBJECT
public:
    PrintDialog(PrintForm& form, const PrintTarget& target, QWidget* parent = nullptr);

    const PrintTarget& target() const { return m_target; }
    // What OK produced.
    const PrintSettings& settings() const { return m_settings; }

    // Where the PDF file name and the printer set-up come from; tests replace them.
    std::function<QString()> choosePdfFile;
    std::function<void(const QString& printerName)> setUpPrinter;

    // For the preview a PDF file need not be chosen yet.
    void setForPreview(bool preview) { m_forPreview = preview; }
    // Checks the fields in order; on a fault shows its message and focuses the field.
    void tryAccept();

private:
    QWidget* createSheetGroup();
    QWidget* createQuantityGroup();
    QWidget* createDatabaseGroup();
    QWidget* createOptionsGroup();
    QWidget* createTargetRow();
    void readControls();
    void controlsChanged();
    void showForm();
    void targetChanged();

    PrintForm& m_form;
    PrintTarget m_target;
    PrintSettings m_settings;
    QWidget* m_picture = nullptr;
    QLineEdit* m_startEdit = nullptr;
    QLineEdit* m_quantityEdit = nullptr;
    QRadioButton* m_elements = nullptr;
    QRadioButton* m_pages = nullptr;
    QGroupBox* m_database = nullptr;
    QSpinBox* m_startRecord = nullptr;
    QPushButton* m_calcQty = nullptr;
    QCheckBox* m_cycle = nullptr;
    QCheckBox* m_crop = nullptr;
    QCheckBox* m_corner = nullptr;
    QCheckBox* m_header = nullptr;
    QCheckBox* m_footer = nullptr;
    QCheckBox* m_side1 = nullptr;
    QCheckBox* m_side2 = nullptr;
    QCheckBox* m_flip = nullptr;
    QLabel* m_instructions = nullptr;
    QComboBox* m_printers = nullptr;
    QLineEdit* m_fileEdit = nullptr;
    QPushButton* m_fileButton = nullptr;
    QPushButton* m_ok = nullptr;
    bool m_showing = false;
    bool m_forPreview = false;
};
