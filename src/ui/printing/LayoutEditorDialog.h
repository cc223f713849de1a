#pragma once
// The layout editor ("Layout"): a thin widget over LayoutEditorForm.

#include <QDialog>

#include "ui/printing/LayoutEditorForm.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

class LayoutEditorDialog : public QDialog {
    Q_OBJECT
public:
    LayoutEditorDialog(LayoutEditorForm& form, LayoutRecord& record, QWidget* parent = nullptr);

    // OK: rewrites the record, or shows why not and stays.
    void tryAccept();
    // Ctrl+Shift click on the region group unlocks its controls.
    void unlockRegionGroup();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* addField(class QGridLayout* grid, int row, const QString& caption, const char* name,
                        const QString& value);
    void readControls();
    void showPaperSize();

    LayoutEditorForm& m_form;
    LayoutRecord& m_record;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_rows = nullptr;
    QLineEdit* m_columns = nullptr;
    QLineEdit* m_width = nullptr;
    QLineEdit* m_height = nullptr;
    QLineEdit* m_top = nullptr;
    QLineEdit* m_left = nullptr;
    QLineEdit* m_columnSpace = nullptr;
    QLineEdit* m_rowSpace = nullptr;
    QComboBox* m_paper = nullptr;
    QLineEdit* m_paperLength = nullptr;
    QLineEdit* m_paperWidth = nullptr;
    QLabel* m_paperLengthLabel = nullptr;
    QLabel* m_paperWidthLabel = nullptr;
    QGroupBox* m_regionGroup = nullptr;
    QComboBox* m_fold = nullptr;
    QCheckBox* m_back = nullptr;
    QComboBox* m_stock = nullptr;
};
