#pragma once
// The property editor's pages as values, without widgets: which pages an
// object gets, what every control shows for it, which controls are on, and
// the object after the pages' values. The page widgets only copy these
// values in and out; the editor hands the new object to
// DesignEditor::changeObject as one undo step.

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "merge/VariableText.h"
#include "ui/editing/PropertyValues.h"

class DesignObject;
class ObjectManager;

namespace PropertyForm {

// The set of pages an object gets, by its kind.
enum class PageKind { None, Picture, Text, Shape };
enum class Tab { General, Text, TextProperties, Shape, Graphic };

PageKind pageKindOf(const DesignObject* object);
// The tabs of a kind of page in their order, and the one in front.
struct Tabs {
    std::vector<Tab> tabs;
    Tab front = Tab::General;
};
Tabs tabsOf(PageKind kind);
// The tabs shown stay (and so does the one the user is on) when they already
// belong to this kind of object, unless they are set up anew by force.
bool tabsStay(PageKind shown, PageKind wanted, bool force, bool anyTabShown);

// Selecting or changing an object makes it the pattern for new objects when
// the options say so (pictures never are).
void rememberDefaults(ObjectManager& manager, const DesignObject& object);

// --- General: the size and position boxes hold design units (hundredths of
// an inch), whatever the zoom.
struct GeneralValues {
    QString left;
    QString top;
    QString width;
    QString height;
    bool nonPrinting = false;
    bool locked = false;
};

// --- Text: the way the text varies and the boxes of each way.
using VariableText::TextChoice;
struct TextChoiceControls {
    bool textBox = false;
    bool pickText = false;
    bool symbol = false;
    bool listButton = false;
    bool counter = false;
    bool field = false;
    bool fieldFile = false;
    bool buildField = false;
    QString pickTextTip;
    QString buildFieldTip;
};
// Pick Text and the Field Wizard belong to other windows: without them their
// buttons stay off.
TextChoiceControls textChoiceControls(TextChoice choice, bool canPickText, bool canBuildField);

struct TextValues {
    TextChoice choice = TextChoice::SingleText;
    QString box;          // entry 0 with plain line ends
    QStringList entries;  // what the page works on: the object's entries, a list being edited
    QString counterLength;
    QString counterStart;
    QString counterIncrement;
    QString field;  // the field chosen in the list; empty: none

    // Another choice than the list erases a list of more than one entry;
    // the user is asked first.
    bool erasesList() const { return choice != TextChoice::VarText && entries.size() > 1; }
    // After a choice: the boxes of the other choices are emptied.
    void clearOtherChoices();
    // The counter or the chosen field becomes the text box's text, which
    // becomes entry 0.
    void composeText();
    // What the Field Wizard starts from: the box's code without "{-" and "-}".
    QString fieldWizardStart() const;
};

// --- Text Properties.
constexpr int kShadowRange = 10;
constexpr int kMaxLineSize = 6;
struct FontValues {
    QString face;  // empty: no face of the list chosen
    QString pointSize;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::optional<int32_t> textColor;
    std::optional<int32_t> shadowColor;
    std::optional<int> shadowX;  // within ±kShadowRange; nullopt: none chosen
    std::optional<int> shadowY;
    QString rotation;  // degrees, as the box says
    int justify = -1;  // -1: none chosen
    int style = -1;    // the style list's position; -1: a style the list does not know
    PropertyValues::StyleLists lists;
    std::array<int, 3> params{-1, -1, -1};  // the three parameter lists' positions

    // A newly chosen style starts with its own lists.
    void chooseStyle(int chosen);
};

// A rotated text has no justification; the rotation box's text decides.
inline bool justificationShown(const QString& rotation) { return rotation == QLatin1String("0"); }

// --- Shape: outlines and lines.
struct ShapeControls {
    bool styleGroup = false;
    bool background = false;
    bool lineTypeGroup = false;
};
struct ShapeValues {
    bool line = false;
    std::optional<int32_t> color;
    std::optional<int32_t> background;
    std::optional<int> lineSize;  // 1 to kMaxLineSize; nullopt: none chosen
    int lineType = -1;            // lines only; -1: none chosen
    int style = -1;               // other shapes only; -1: none chosen

    // The background colour fills and shadows: a plain outline and a line
    // have no use for it.
    ShapeControls controls() const;
};

// --- Graphic: what the picture is.
struct PictureValues {
    QString size;
    QString type;
    bool bitmap = false;  // only a bitmap tells its depth and stored size
    QString depth;
    QString storedSize;
};

// Everything the pages show for one object.
struct Values {
    PageKind kind = PageKind::None;
    GeneralValues general;
    TextValues text;
    FontValues font;
    ShapeValues shape;
    PictureValues picture;
};

// What the Text page needs of the design: whether a data source is linked,
// and the linked source's field names.
struct DesignContext {
    bool linkedSource = false;
    QStringList fieldNames;
};

Values fromObject(const DesignObject& object, const DesignContext& design = {});
// Writes the pages' values into object (a copy the editor then takes). A box
// that holds no integer, a list without a choice, leaves its field as it is;
// a locked place keeps the object's rectangle. The text entries are the
// page's as they are: composeText() first.
void applyTo(const Values& values, DesignObject& object, bool placeLocked);

} // namespace PropertyForm
