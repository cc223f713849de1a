#pragma once
// The preview's print button: which sheets to print and how many copies.

#include <QDialog>

class QSpinBox;

class PrintRangeDialog : public QDialog {
    Q_OBJECT
public:
    PrintRangeDialog(int pageCount, QWidget* parent = nullptr);

    int firstPage() const;
    int lastPage() const;
    int copies() const;
    // OK: the first sheet must not come after the last.
    void tryAccept();

private:
    QSpinBox* m_from = nullptr;
    QSpinBox* m_to = nullptr;
    QSpinBox* m_copies = nullptr;
};
