#pragma once
// The "Margins" dialog over a MarginsForm.

#include <QDialog>

#include "ui/editing/MarginsForm.h"

class QLineEdit;

class MarginsDialog : public QDialog {
    Q_OBJECT
public:
    MarginsDialog(const MarginValues& margins, bool metric, QWidget* parent = nullptr);
    const MarginValues& margins() const { return m_form.values(); }
    void accept() override;

private:
    MarginsForm m_form;
    QLineEdit* m_edits[4] = {};
};
