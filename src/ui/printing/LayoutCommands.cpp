#include "ui/printing/LayoutCommands.h"

#include <QAction>

#include "model/Options.h"
#include "system/AppPaths.h"
#include "ui/printing/LayoutChooserDialog.h"
#include "ui/printing/LayoutEditorDialog.h"
#include "ui/printing/LayoutSwitch.h"
#include "ui/printing/Printing.h"
#include "ui/shell/CommandHost.h"
#include "ui/shell/DesignWindow.h"
#include "ui/shell/FamilyServices.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/ProtectionCheck.h"

namespace {

bool editLayoutRecord(QWidget* parent, LayoutRecord& record)
{
    LayoutEditorForm form(record, Options::current().metricUnits);
    LayoutEditorDialog dialog(form, record, parent);
    return printingDialogRunner()(dialog) == QDialog::Accepted;
}

std::optional<LayoutRecord> runChooser(QWidget* parent, bool choosing)
{
    LayoutChooser chooser(AppPaths::programFolder(), Options::current().metricUnits);
    LayoutChooserDialog dialog(chooser, choosing, parent);
    dialog.editRecord = [&dialog](LayoutRecord& record) { return editLayoutRecord(&dialog, record); };
    if (printingDialogRunner()(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosen();
}

void editCurrentLayout(MainWindow& window)
{
    DesignWindow* design = window.activeDesignWindow();
    if (!design)
        return;
    LayoutRecord record = design->document().layout();
    if (!editLayoutRecord(&window, record))
        return;
    applyEditedLayout(design->document(), record);
    window.afterDesignChange();
    window.showActiveWindowState();
}

void switchLayout(MainWindow& window)
{
    DesignWindow* design = window.activeDesignWindow();
    if (!design || !window.passesProtection(ProtectionKind::DesignChange))
        return;
    const std::optional<LayoutRecord> layout = runChooser(&window, true);
    if (!layout)
        return;
    std::unique_ptr<DesignDocument> moved = designOnLayout(design->document(), *layout, window.takeUntitledNumber());
    if (moved)
        window.addDesignWindow(std::move(moved));
    window.afterDesignChange();
}

} // namespace

std::optional<LayoutRecord> chooseLayoutFromFiles(QWidget* parent) { return runChooser(parent, true); }

void installLayoutCommands(MainWindow& window, FamilyServices& services)
{
    using R = CommandRule;
    MainWindow* w = &window;
    CommandHost& commands = window.commands();
    commands.add({.name = "EditLayoutsMI", .caption = "&Edit Layouts...", .rule = R::Always,
                  .menu = {Menu::File, 210}, .run = [w] { runChooser(w, false); }});
    commands.add({.name = "EditCurrentLayoutMI", .caption = "Edit Current La&yout...", .rule = R::Window,
                  .menu = {Menu::File, 220}, .run = [w] { editCurrentLayout(*w); }});
    commands.add({.name = "SwitchLayoutMI", .caption = "S&witch to Different Layout...", .rule = R::Window,
                  .menu = {Menu::File, 230}, .run = [w] { switchLayout(*w); }});
    services.chooseLayout = [](QWidget* parent, const LayoutRecord*) { return chooseLayoutFromFiles(parent); };
}
