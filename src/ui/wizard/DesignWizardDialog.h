#pragma once
// "Design Wizard": a thin window over DesignWizardModel. Pages on the left
// (their tabs hidden; Back and Next move between them), the live preview on
// the right.

#include <QDialog>
#include <QHash>
#include <functional>
#include <optional>

#include "ui/wizard/DesignWizardModel.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabWidget;
class QVBoxLayout;
class QWidget;
class WizardPreview;

class DesignWizardDialog : public QDialog {
    // One box of a step-4 page: its field, caption, kind and object name.
    struct BoxRow {
        DesignWizardModel::Box box;
        QString caption;
        bool multiLine;
        const char* name;
    };

    Q_OBJECT
public:
    DesignWizardDialog(const DesignWizardModel::Folders& folders, bool metric, QWidget* parent = nullptr);
    ~DesignWizardDialog() override;

    DesignWizardModel& model() { return m_model; }
    QPushButton* nextButton() const { return m_next; }
    QPushButton* backButton() const { return m_back; }
    // The box of a step-4 field (a line or a text box); null for none.
    QWidget* boxWidget(DesignWizardModel::Box box) const { return m_boxes.value(box); }
    void typeInto(DesignWizardModel::Box box, const QString& text);

    // The picture editor for "Select Background"; tests replace it.
    std::function<std::optional<Picture>(QWidget*, const Picture&, const QString& folder)> pickBackground;

    void nextClicked();
    void backClicked();
    // Everything shown follows the model (after the model was changed directly).
    void showModel();

private:
    void addCategoryLists(QVBoxLayout* layout, QComboBox*& categories, QListWidget*& items,
                          const char* categoriesName, const char* itemsName,
                          void (DesignWizardModel::*chooseCategory)(int), void (DesignWizardModel::*chooseItem)(int));
    QWidget* makeOptionPage();
    QWidget* makeTemplatePage();
    QWidget* makeBackgroundPage();
    QWidget* makeAddressPage();
    QWidget* makeBusinessCardPage();
    QWidget* makeGreetingCardPage();
    QWidget* makeMediaPage();
    QWidget* makeFinishPage();
    QWidget* addBox(DesignWizardModel::Box box, bool multiLine, const char* objectName);
    QWidget* pickTextButton(DesignWizardModel::Box box);
    // The box under its label (and beside an optional button), remembered for showing and hiding.
    QWidget* addBoxRow(const BoxRow& row, QWidget* side = nullptr);

    void showLists();
    void showBoxes();
    void showPreview();

    DesignWizardModel m_model;
    bool m_showing = false;  // list and box changes made by showModel are not the user's
    QLabel* m_title;
    QStackedWidget* m_pages;
    WizardPreview* m_preview;
    QPushButton* m_back;
    QPushButton* m_next;
    QButtonGroup* m_choices;
    QRadioButton* m_a4;
    QRadioButton* m_standard;
    QComboBox* m_templateCategories;
    QListWidget* m_templates;
    QComboBox* m_backgroundCategories;
    QListWidget* m_backgroundFiles;
    QCheckBox* m_remember;
    QTabWidget* m_businessTabs;
    QComboBox* m_regions;
    QHash<int, QWidget*> m_boxes;
    QHash<int, QWidget*> m_boxRows;  // the box with its label
};
