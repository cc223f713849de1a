#pragma once
// The "Field Wizard": a thin window over FieldWizardModel.

#include <QDialog>
#include <optional>

#include "ui/data/FieldWizardModel.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;

class FieldWizardDialog : public QDialog {
    Q_OBJECT
public:
    FieldWizardDialog(const QString& linkPath, const QString& startSpec, QWidget* parent = nullptr);

    FieldWizardModel& model() { return m_model; }
    void nextClicked();
    void backClicked();
    void refresh();

    // Runs the wizard; the constructed spec after Finish.
    static std::optional<QString> run(QWidget* parent, const QString& linkPath, const QString& startSpec);

private:
    QWidget* introductionPage();
    QWidget* constructionPage();
    void act(void (FieldWizardModel::*action)());

    FieldWizardModel m_model;
    bool m_refreshing = false;
    QStackedWidget* m_pages = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_next = nullptr;
    QComboBox* m_fieldCombo = nullptr;
    QPushButton* m_addField = nullptr;
    QLineEdit* m_textEdit = nullptr;
    QPushButton* m_addText = nullptr;
    QPlainTextEdit* m_specEdit = nullptr;
};
