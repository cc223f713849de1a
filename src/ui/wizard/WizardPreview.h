#pragma once
// The wizard's live preview: one region of the design being made, fitted
// into the panel and centred.

#include <QWidget>

class DesignWizardModel;

class WizardPreview : public QWidget {
    Q_OBJECT
public:
    explicit WizardPreview(const DesignWizardModel& model, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {320, 320}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const DesignWizardModel& m_model;
};
