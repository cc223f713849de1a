#pragma once
// The property editor's pages: General, Text, Text Properties, Shape and
// Graphic, in the main window's page area. They show the one selected object
// and write every change back at once, through the design editor as one
// undo step; the editor's changed() brings the pages and the window along.

#include <QFont>
#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>
#include <utility>

#include "ui/editing/PropertyForm.h"
#include "ui/editing/PropertyPages.h"

class MainWindow;
class DesignWindow;
class DesignObject;
class QWidget;

class PropertyEditor : public QObject {
    Q_OBJECT
public:
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
    void connectPages();
    void setUpPages(PropertyForm::PageKind kind, bool force);
    void clearPages();
    std::pair<QWidget*, QString> tab(PropertyForm::Tab tab) const;

    PropertyForm::DesignContext designContext() const;
    void fillFieldList();
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
    // What the pages show; between refreshes also the list being edited.
    PropertyForm::Values m_form;

    PropertyPages::GeneralPage m_general;
    PropertyPages::TextPage m_text;
    PropertyPages::TextPropertiesPage m_font;
    PropertyPages::ShapePage m_shape;
    PropertyPages::GraphicPage m_graphic;
};
