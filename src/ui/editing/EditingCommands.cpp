#include "ui/editing/EditingCommands.h"

#include <QAction>
#include <QComboBox>
#include <QTimer>

#include "model/Alignment.h"
#include "model/Options.h"
#include "ui/designwindow/DesignSurface.h"
#include "ui/editing/AlignmentDialog.h"
#include "ui/editing/Arrange.h"
#include "ui/editing/BackgroundDialog.h"
#include "ui/editing/MarginsDialog.h"
#include "ui/editing/PropertyEditor.h"
#include "ui/shell/CommandHost.h"
#include "ui/shell/DesignWindow.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/ProtectionCheck.h"

namespace {

// The alignment toolbar's buttons, the kinds they carry out and their places.
struct AlignButton {
    const char* action;
    int kind;
    const char* button;
    const char* hint;
    const char* icon;
    int order;
};

const AlignButton kAlignButtons[] = {
    {"AlignLeftBtnAction", Alignment::Left, "AlignLeftBtn", "Align Left", "stickwell-align-left", 10},
    {"AlignHCenterBtnAction", Alignment::HorizontalCenter, "AlignHCenterBtn", "Align Horizontal Center",
     "stickwell-align-hcenter", 20},
    {"AlignRightBtnAction", Alignment::Right, "AlignRightBtn", "Align Right", "stickwell-align-right", 30},
    {"AlignTopBtnAction", Alignment::Top, "AlignTopBtn", "Align Top", "stickwell-align-top", 110},
    {"AlignVCenterBtnAction", Alignment::VerticalCenter, "AlignVCenterBtn", "Align Vertical Center",
     "stickwell-align-vcenter", 120},
    {"AlignBottomBtnAction", Alignment::Bottom, "AlignBottomBtn", "Align Bottom", "stickwell-align-bottom", 130},
    {"AlignGroupLeftBtnAction", Alignment::GroupLeft, "AlignGroupLeftBtn", "Align Group Left", "stickwell-group-left",
     210},
    {"AlignGroupHCenterBtnAction", Alignment::GroupHorizontalCenter, "AlignGroupHCenterBtn",
     "Align Group Horizontal Center", "stickwell-group-hcenter", 220},
    {"AlignGroupRightBtnAction", Alignment::GroupRight, "AlignGroupRightBtn", "Align Group Right",
     "stickwell-group-right", 230},
    {"AlignGroupHSpaceBtnAction", Alignment::SpaceHorizontally, "AlignGroupHSpaceBtn", "Space Equally Horizontal",
     "stickwell-group-space-h", 240},
    {"AlignGroupTopBtnAction", Alignment::GroupTop, "AlignGroupTopBtn", "Align Group Top", "stickwell-group-top", 310},
    {"AlignGroupVCenterBtnAction", Alignment::GroupVerticalCenter, "AlignGroupVCenterBtn",
     "Align Group Vertical Center", "stickwell-group-vcenter", 320},
    {"AlignGroupBottomBtnAction", Alignment::GroupBottom, "AlignGroupBottomBtn", "Align Group Bottom",
     "stickwell-group-bottom", 330},
    {"AlignGroupVSpaceBtnAction", Alignment::SpaceVertically, "AlignGroupVSpaceBtn", "Space Equally Vertical",
     "stickwell-group-space-v", 340},
};

// The group kinds need at least two objects.
bool isGroupKind(int kind) { return kind >= Alignment::GroupLeft; }

void restackSelection(MainWindow& window, bool toFront)
{
    DesignWindow* design = window.activeDesignWindow();
    if (!design || !window.passesProtection(ProtectionKind::DesignChange))
        return;
    // A locked selection keeps its place in the stack.
    if (design->surface().selectionLocked())
        return;
    DesignEditor& editor = design->document().editor;
    toFront ? editor.bringToFront(editor.selection()) : editor.sendToBack(editor.selection());
}

} // namespace

namespace EditingCommands {

void align(MainWindow& window, int kind, bool fromMenu)
{
    DesignWindow* design = window.activeDesignWindow();
    if (!design || design->document().editor.selection().empty())
        return;
    if (fromMenu && !window.passesProtection(ProtectionKind::DesignChange))
        return;
    alignObjects(design->document().editor, kind, design->surface().selectionLocked());
}

void alignDialog(MainWindow& window)
{
    DesignWindow* design = window.activeDesignWindow();
    if (!design || design->document().editor.selection().empty() ||
        !window.passesProtection(ProtectionKind::DesignChange))
        return;
    AlignmentDialog dialog(design->document().editor.selection().size() > 1, &window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // Every choice of the dialog, undone together.
    alignObjects(design->document().editor, dialog.kinds(), design->surface().selectionLocked());
}

void alignAllToGrid(MainWindow& window)
{
    DesignWindow* design = window.activeDesignWindow();
    if (!design || !window.passesProtection(ProtectionKind::DesignChange))
        return;
    design->surface().selectAll();
    align(window, Alignment::Grid, false);
}

void fitToMargins(MainWindow& window)
{
    DesignWindow* design = window.activeDesignWindow();
    if (!design || design->document().editor.selection().empty() ||
        !window.passesProtection(ProtectionKind::DesignChange))
        return;
    fitObjectsToMargins(design->document().editor, design->surface().selectionLocked());
}

void margins(MainWindow& window)
{
    DesignWindow* design = window.activeDesignWindow();
    if (!design)
        return;
    DesignEditor& editor = design->document().editor;
    MarginsDialog dialog(MarginValues::of(editor.card()), Options::current().metricUnits, &window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    editor.setMargins(dialog.margins().toArray());
}

void background(MainWindow& window, bool fromCommand)
{
    DesignWindow* design = window.activeDesignWindow();
    if (!design)
        return;
    if (fromCommand && !window.passesProtection(ProtectionKind::DesignChange))
        return;
    DesignEditor& editor = design->document().editor;
    BackgroundDialog dialog(editor.card().backImage, &window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    editor.setBackground(dialog.picture());
}

} // namespace EditingCommands

void installEditing(MainWindow& window)
{
    new PropertyEditor(window);
    installEditMenu(window);

    using R = CommandRule;
    MainWindow* w = &window;
    CommandHost& commands = window.commands();
    commands.add({.name = "MarginsMI", .caption = "&Margins...", .rule = R::Window,
                  .shortcut = QKeySequence(Qt::CTRL | Qt::Key_M), .menu = {Menu::Alignment, 10},
                  .run = [w] { EditingCommands::margins(*w); }});
    commands.add({.name = "AlignMI", .caption = "&Align...", .rule = R::Selected, .menu = {Menu::Alignment, 110},
                  .popup = {Menu::AlignPopup, 10, "Align..."}, .run = [w] { EditingCommands::alignDialog(*w); }});
    commands.add({.name = "AlignSelectedToGridMI", .caption = "Align Selected to &Grid", .rule = R::Selected,
                  .shortcut = QKeySequence(Qt::CTRL | Qt::Key_G), .menu = {Menu::Alignment, 120},
                  .popup = {Menu::AlignPopup, 20, "Align Selected To Grid"},
                  .run = [w] { EditingCommands::align(*w, Alignment::Grid, true); }});
    commands.add({.name = "AlignAllToGridMI", .caption = "Align A&ll to Grid", .rule = R::RegionHasObjects,
                  .menu = {Menu::Alignment, 130}, .popup = {Menu::AlignPopup, 30, "Align All To Grid"},
                  .run = [w] { EditingCommands::alignAllToGrid(*w); }});
    commands.add({.name = "BringToFrontMI", .caption = "Bring to &Front", .rule = R::Selected,
                  .menu = {Menu::Alignment, 210},
                  .button = {Bar::Alignment, 410, "BringtoFrontBtn", "Bring To Front", "stickwell-bring-to-front"},
                  .popup = {Menu::AlignPopup, 50, "Bring To Front"}, .run = [w] { restackSelection(*w, true); }});
    commands.add({.name = "SendToBackMI", .caption = "Send to &Back", .rule = R::Selected,
                  .menu = {Menu::Alignment, 220},
                  .button = {Bar::Alignment, 420, "SendtoBackBtn", "Send To Back", "stickwell-send-to-back"},
                  .popup = {Menu::AlignPopup, 60, "Send To Back"}, .run = [w] { restackSelection(*w, false); }});
    commands.add({.name = "FitToMarginsMI", .caption = "F&it to Margins", .rule = R::Selected,
                  .menu = {Menu::Alignment, 310}, .popup = {Menu::AlignPopup, 40, "Fit To Margins"},
                  .run = [w] { EditingCommands::fitToMargins(*w); }});
    for (const AlignButton& entry : kAlignButtons) {
        const int kind = entry.kind;
        // The toolbar buttons skip the protection check.
        commands.add({.name = entry.action, .caption = QString::fromLatin1(entry.hint),
                      .rule = isGroupKind(kind) ? R::GroupSelected : R::Selected,
                      .button = {Bar::Alignment, entry.order, entry.button, entry.hint, entry.icon},
                      .run = [w, kind] { EditingCommands::align(*w, kind, false); }});
    }

    QObject::connect(&window, &MainWindow::designWindowOpened, &window, [&window](DesignWindow* design) {
        QObject::connect(&design->surface(), &DesignSurface::cardDoubleClicked, &window, [&window, design] {
            if (design == window.activeDesignWindow())
                EditingCommands::background(window, false);
        });
    });
}
