#pragma once
// The widgets of the property editor's pages. Each page builds its controls
// (under the object names the tests and the gallery find them by), shows the
// form's values and reads them back; what the values mean is
// PropertyForm's, and the PropertyEditor connects the signals.

#include <QString>
#include <QStringList>

#include "ui/editing/PropertyForm.h"

class ColorCombo;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QToolButton;
class QWidget;

namespace PropertyPages {

// --- What every page builds with.
template <typename W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}
QLabel* buddyLabel(const QString& text, QWidget* buddy, QWidget* parent);
// A column of radio buttons named prefix0, prefix1, ... with those ids.
QButtonGroup* radioColumn(QGroupBox* box, const QStringList& items, const char* prefix);
// A box being typed into keeps its cursor when it already says the same.
void setTextIfDifferent(QLineEdit* edit, const QString& text);
// Checks the button of this id, or none when the group has no such button.
void checkId(QButtonGroup* group, int id);

struct GeneralPage {
    QWidget* page = nullptr;
    QLineEdit* left = nullptr;
    QLineEdit* top = nullptr;
    QLineEdit* width = nullptr;
    QLineEdit* height = nullptr;
    QCheckBox* nonPrinting = nullptr;
    QCheckBox* locked = nullptr;

    void build();
    void show(const PropertyForm::GeneralValues& values);
    void read(PropertyForm::GeneralValues& values) const;
};

struct TextPage {
    QWidget* page = nullptr;
    QButtonGroup* choice = nullptr;
    QPlainTextEdit* lines = nullptr;
    QPushButton* pickText = nullptr;
    QPushButton* symbol = nullptr;
    QPushButton* listButton = nullptr;
    QLineEdit* counterLength = nullptr;
    QLineEdit* counterStart = nullptr;
    QLineEdit* counterIncrement = nullptr;
    QPushButton* fieldFile = nullptr;
    QComboBox* field = nullptr;
    QPushButton* buildField = nullptr;

    void build();
    // The box being typed into keeps its text (and cursor) when it already says the same.
    void show(const PropertyForm::TextValues& values);
    // The choice, the counter boxes and the field list's selection, after
    // another choice.
    void showChoice(const PropertyForm::TextValues& values);
    void read(PropertyForm::TextValues& values) const;
    void enable(const PropertyForm::TextChoiceControls& on);
    // The text box's text without telling anyone.
    void setBoxQuietly(const QString& text);
    void setFieldNames(const QStringList& names);
    // No design at all: every box empty.
    void clear();
};

struct TextPropertiesPage {
    QWidget* page = nullptr;
    QLabel* fontLabel = nullptr;
    QComboBox* fontList = nullptr;
    QToolButton* fontButton = nullptr;
    QComboBox* fontSize = nullptr;
    QCheckBox* bold = nullptr;
    QCheckBox* italic = nullptr;
    QCheckBox* underline = nullptr;
    QCheckBox* strikeout = nullptr;
    ColorCombo* textColor = nullptr;
    ColorCombo* shadowColor = nullptr;
    QComboBox* textStyle = nullptr;
    QLabel* paramLabels[3] = {};
    QComboBox* params[3] = {};
    QComboBox* shadowX = nullptr;
    QComboBox* shadowY = nullptr;
    QSpinBox* rotation = nullptr;
    QGroupBox* justifyGroup = nullptr;
    QButtonGroup* justify = nullptr;

    void build();
    void show(const PropertyForm::FontValues& values);
    void showStyleLists(const PropertyValues::StyleLists& lists);
    void showJustification();
    void read(PropertyForm::FontValues& values) const;
    // The face chosen in the list; empty when there is none.
    QString chosenFace() const;
    void chooseFace(const QString& face);
};

struct ShapePage {
    QWidget* page = nullptr;
    ColorCombo* color = nullptr;
    ColorCombo* background = nullptr;
    QLabel* backgroundLabel = nullptr;
    QComboBox* lineSize = nullptr;
    QGroupBox* lineTypeGroup = nullptr;
    QButtonGroup* lineType = nullptr;
    QGroupBox* styleGroup = nullptr;
    QButtonGroup* style = nullptr;

    void build();
    void show(const PropertyForm::ShapeValues& values);
    void enable(const PropertyForm::ShapeControls& on);
    void read(PropertyForm::ShapeValues& values) const;
};

struct GraphicPage {
    QWidget* page = nullptr;
    QLabel* size = nullptr;
    QLabel* type = nullptr;
    QLabel* depthCaption = nullptr;
    QLabel* depth = nullptr;
    QLabel* storedCaption = nullptr;
    QLabel* stored = nullptr;
    QPushButton* picture = nullptr;
    QToolButton* aspectWidth = nullptr;
    QToolButton* aspectHeight = nullptr;
    QToolButton* actualSize = nullptr;

    void build();
    void show(const PropertyForm::PictureValues& values);
};

} // namespace PropertyPages
