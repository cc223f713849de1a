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
#include "ui/shell/DesignWindow.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/ProtectionCheck.h"

namespace {

// The alignment toolbar's actions and the kinds they carry out.
const std::pair<const char*, int> kAlignActions[] = {
    {"AlignLeftBtnAction", Alignment::Left},
    {"AlignHCenterBtnAction", Alignment::HorizontalCenter},
    {"AlignRightBtnAction", Alignment::Right},
    {"AlignTopBtnAction", Alignment::Top},
    {"AlignVCenterBtnAction", Alignment::VerticalCenter},
    {"AlignBottomBtnAction", Alignment::Bottom},
    {"AlignGroupLeftBtnAction", Alignment::GroupLeft},
    {"AlignGroupHCenterBtnAction", Alignment::GroupHorizontalCenter},
    {"AlignGroupRightBtnAction", Alignment::GroupRight},
    {"AlignGroupHSpaceBtnAction", Alignment::SpaceHorizontally},
    {"AlignGroupTopBtnAction", Alignment::GroupTop},
    {"AlignGroupVCenterBtnAction", Alignment::GroupVerticalCenter},
    {"AlignGroupBottomBtnAction", Alignment::GroupBottom},
    {"AlignGroupVSpaceBtnAction", Alignment::SpaceVertically},
};

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
    for (const auto& [name, kind] : kAlignActions) {
        const int alignKind = kind;
        // The toolbar buttons skip the protection check.
        window.onCommand(name, [&window, alignKind] { EditingCommands::align(window, alignKind, false); });
    }
    window.onCommand("AlignMI", [&window] { EditingCommands::alignDialog(window); });
    window.onCommand("AlignSelectedToGridMI",
                   [&window] { EditingCommands::align(window, Alignment::Grid, true); });
    window.onCommand("AlignAllToGridMI", [&window] { EditingCommands::alignAllToGrid(window); });
    window.onCommand("FitToMarginsMI", [&window] { EditingCommands::fitToMargins(window); });
    window.onCommand("MarginsMI", [&window] { EditingCommands::margins(window); });
    window.onCommand("BackgroundMI", [&window] { EditingCommands::background(window, true); });

    QObject::connect(&window, &MainWindow::designWindowOpened, &window, [&window](DesignWindow* design) {
        QObject::connect(&design->surface(), &DesignSurface::cardDoubleClicked, &window, [&window, design] {
            if (design == window.activeDesignWindow())
                EditingCommands::background(window, false);
        });
    });
}
