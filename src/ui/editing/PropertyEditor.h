#pragma once
// The property editor's pages: General, Text, Text Properties, Shape and
// Graphic, in the main window's page area. They show the one selected object
// and write every change back at once, through the design editor as one
// undo step; the editor's changed() brings the pages and the window along.

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <optional>

#include "ui/editing/PropertyValues.h"

class MainWindow;
class DesignWindow;
class DesignObject;
class ColorCombo;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QToolButton;
class QWidget;

class PropertyEditor : public QObject {
    Q_OBJECT
public:
    enum class PageKind { None, Picture, Text, Shape };
    enum TextChoiceId { SingleTextId, VarTextId, CounterId, DatabaseFieldId };

    explicit PropertyEditor(MainWindow& window);
    ~PropertyEditor() override;

    // Fills the pages from the selection; forced: the pages are set up anew
    // even when the kind of object did not change.
    void refresh(bool force);
    // Writes every box into the one selected object.
    void apply();

    // What the buttons open; the program's dialogs unless replaced (tests).
    std::function<std::optional<QFont>(QWidget* parent, const QFont& initial)> fontDialog;
    std::function<std::optional<QStringList>(QWidget* parent, const QStringList& entries)> textListDialog;
    // The symbol dialog: the chosen font and character.
    std::function<std::optional<std::pair<QString, QChar>>(QWidget* parent, const QString& currentFont)> symbolDialog;

    static PropertyEditor* of(MainWindow& window);

private:
    DesignWindow* activeWindow() const;
    DesignObject* selectedObject() const;
    void connectWindow(DesignWindow* window);
    void setUpPages(PageKind kind, bool force);
    void clearPages();

    QWidget* buildGeneralPage();
    QWidget* buildTextPage();
    QWidget* buildTextPropertiesPage();
    QWidget* buildShapePage();
    QWidget* buildGraphicPage();

    void showGeneral(const DesignObject& object);
    void showText(const DesignObject& object);
    void showShape(const DesignObject& object);
    void showPicture(const DesignObject& object);
    void fillFieldList();
    void showStyleLists(const PropertyValues::StyleLists& lists);
    void showTextChoice(int choice);
    void enableTextChoice();
    void textChoiceClicked(int choice);
    void styleChosen();
    void rotationEdited();
    void shapeStyleChosen();

    void editTextList();
    void pickText();
    void buildField();
    void chooseSymbol();
    void chooseFont();
    void choosePicture();
    // The aspect and actual-size buttons: the object's new size in design units.
    void resizePicture(const std::function<QSize(QSize object, QSize picture)>& size);
    // Runs a change on a copy of the selected object and hands the copy to
    // the editor as one step.
    bool changeObject(const std::function<void(DesignObject&)>& change);

    MainWindow& m_window;
    bool m_busy = false;
    PropertyValues::StyleLists m_styleLists;
    QStringList m_workingList;

    QWidget* m_generalPage = nullptr;
    QWidget* m_textPage = nullptr;
    QWidget* m_textPropertiesPage = nullptr;
    QWidget* m_shapePage = nullptr;
    QWidget* m_graphicPage = nullptr;

    // General
    QLineEdit* m_left = nullptr;
    QLineEdit* m_top = nullptr;
    QLineEdit* m_width = nullptr;
    QLineEdit* m_height = nullptr;
    QCheckBox* m_nonPrinting = nullptr;
    QCheckBox* m_locked = nullptr;

    // Text
    QButtonGroup* m_textChoice = nullptr;
    QPlainTextEdit* m_textLines = nullptr;
    QPushButton* m_pickText = nullptr;
    QPushButton* m_symbol = nullptr;
    QPushButton* m_varTextEdit = nullptr;
    QLineEdit* m_counterLength = nullptr;
    QLineEdit* m_counterStart = nullptr;
    QLineEdit* m_counterInc = nullptr;
    QPushButton* m_dbFile = nullptr;
    QComboBox* m_dbField = nullptr;
    QPushButton* m_buildField = nullptr;

    // Text Properties
    QLabel* m_fontLabel = nullptr;
    QComboBox* m_fontList = nullptr;
    QToolButton* m_fontButton = nullptr;
    QComboBox* m_fontSize = nullptr;
    QCheckBox* m_bold = nullptr;
    QCheckBox* m_italic = nullptr;
    QCheckBox* m_underline = nullptr;
    QCheckBox* m_strikeout = nullptr;
    ColorCombo* m_textColor = nullptr;
    ColorCombo* m_shadowColor = nullptr;
    QComboBox* m_textStyle = nullptr;
    QLabel* m_paramLabels[3] = {};
    QComboBox* m_params[3] = {};
    QComboBox* m_shadowX = nullptr;
    QComboBox* m_shadowY = nullptr;
    QSpinBox* m_rotation = nullptr;
    QGroupBox* m_justifyGroup = nullptr;
    QButtonGroup* m_justify = nullptr;

    // Shape
    ColorCombo* m_shapeColor = nullptr;
    ColorCombo* m_shapeBackground = nullptr;
    QLabel* m_shapeBackgroundLabel = nullptr;
    QComboBox* m_lineSize = nullptr;
    QGroupBox* m_lineTypeGroup = nullptr;
    QButtonGroup* m_lineType = nullptr;
    QGroupBox* m_shapeStyleGroup = nullptr;
    QButtonGroup* m_shapeStyle = nullptr;

    // Graphic
    QLabel* m_picSize = nullptr;
    QLabel* m_picType = nullptr;
    QLabel* m_picDepthCaption = nullptr;
    QLabel* m_picDepth = nullptr;
    QLabel* m_picStoreCaption = nullptr;
    QLabel* m_picStore = nullptr;
};
