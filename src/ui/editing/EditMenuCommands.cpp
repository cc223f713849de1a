// The Edit menu's commands on the design (Undo to Properties and the
// background), their toolbar buttons and pop-up items.

#include <QApplication>
#include <QDockWidget>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextEdit>

#include "model/ObjectClipboard.h"
#include "model/Options.h"
#include "ui/designwindow/DesignSurface.h"
#include "ui/editing/EditingCommands.h"
#include "ui/shell/CommandHost.h"
#include "ui/shell/DesignWindow.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/ProtectionCheck.h"

namespace {

// The text box that has the keyboard focus, if any: Undo, Cut, Copy and
// Paste act on its text instead of the design.
template <typename Call>
bool onFocusedTextBox(Call call)
{
    QWidget* focus = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(focus))
        return call(line), true;
    if (auto* text = qobject_cast<QTextEdit*>(focus))
        return call(text), true;
    if (auto* plain = qobject_cast<QPlainTextEdit*>(focus))
        return call(plain), true;
    return false;
}

// The active design, when there is one and it may be changed.
DesignWindow* changeableDesign(MainWindow& window)
{
    DesignWindow* design = window.activeDesignWindow();
    return design && window.passesProtection(ProtectionKind::DesignChange) ? design : nullptr;
}

void undoEdit(MainWindow& window)
{
    if (onFocusedTextBox([](auto* box) { box->undo(); }))
        return;
    // The editor's changed() brings the card, the lists and the commands up to date.
    if (DesignWindow* design = window.activeDesignWindow())
        design->document().editor.undo();
}

void redoEdit(MainWindow& window)
{
    if (DesignWindow* design = window.activeDesignWindow())
        design->document().editor.redo();
}

void copySelection(MainWindow& window)
{
    if (onFocusedTextBox([](auto* box) { box->copy(); }))
        return;
    if (DesignWindow* design = window.activeDesignWindow())
        copyObjects(design->document().editor, window.clipboard());
    window.clipboardChanged();
}

void cutSelection(MainWindow& window)
{
    if (onFocusedTextBox([](auto* box) { box->cut(); }))
        return;
    if (DesignWindow* design = changeableDesign(window)) {
        cutObjects(design->document().editor, window.clipboard());
        window.clipboardChanged();
    }
}

void pasteClipboard(MainWindow& window)
{
    if (onFocusedTextBox([](auto* box) { box->paste(); }))
        return;
    if (DesignWindow* design = changeableDesign(window)) {
        pasteObjects(design->document().editor, window.clipboard());
        // The pasted objects come selected.
        design->surface().selectionChangedOutside();
    }
}

void deleteSelection(MainWindow& window)
{
    if (DesignWindow* design = changeableDesign(window))
        deleteObjects(design->document().editor, Options::current().promptOnDelete);
}

void selectAllOrNone(MainWindow& window, bool all)
{
    if (DesignWindow* design = window.activeDesignWindow())
        all ? design->surface().selectAll() : design->surface().selectNone();
    window.enableCommands();
}

void showProperties(MainWindow& window)
{
    window.propertyDock()->show();
    window.propertyDock()->raise();
    window.propertyPages()->setFocus();
}

} // namespace

void installEditMenu(MainWindow& window)
{
    using R = CommandRule;
    MainWindow* w = &window;
    CommandHost& commands = window.commands();
    commands.add({.name = "UndoMI", .caption = "&Undo", .rule = R::CanUndo,
                  .shortcut = QKeySequence(Qt::CTRL | Qt::Key_Z), .menu = {Menu::Edit, 10},
                  .button = {Bar::Main, 210, "UndoBtn", "Undo", "edit-undo"}, .popup = {Menu::ObjectPopup, 20, "Undo"},
                  .run = [w] { undoEdit(*w); }});
    commands.add({.name = "RedoMI", .caption = "&Redo", .rule = R::CanRedo,
                  .shortcut = QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Z), .menu = {Menu::Edit, 20},
                  .button = {Bar::Main, 220, "RedoBtn", "Redo", "edit-redo"}, .popup = {Menu::ObjectPopup, 30, "Redo"},
                  .run = [w] { redoEdit(*w); }});
    commands.add({.name = "CutMI", .caption = "Cu&t", .rule = R::Selected,
                  .shortcut = QKeySequence(Qt::CTRL | Qt::Key_X), .menu = {Menu::Edit, 110},
                  .button = {Bar::Main, 310, "CutBtn", "Cut", "edit-cut"}, .popup = {Menu::ObjectPopup, 40, "Cut"},
                  .run = [w] { cutSelection(*w); }});
    commands.add({.name = "CopyMI", .caption = "&Copy", .rule = R::Selected,
                  .shortcut = QKeySequence(Qt::CTRL | Qt::Key_C), .menu = {Menu::Edit, 120},
                  .button = {Bar::Main, 320, "CopyBtn", "Copy", "edit-copy"}, .popup = {Menu::ObjectPopup, 50, "Copy"},
                  .run = [w] { copySelection(*w); }});
    commands.add({.name = "PasteMI", .caption = "&Paste", .rule = R::Paste,
                  .shortcut = QKeySequence(Qt::CTRL | Qt::Key_V), .menu = {Menu::Edit, 130},
                  .button = {Bar::Main, 330, "PasteBtn", "Paste", "edit-paste"},
                  .popup = {Menu::ObjectPopup, 60, "Paste"}, .run = [w] { pasteClipboard(*w); }});
    commands.add({.name = "DeleteMI", .caption = "&Delete", .rule = R::Selected,
                  .shortcut = QKeySequence(Qt::CTRL | Qt::Key_Delete), .menu = {Menu::Edit, 140},
                  .popup = {Menu::ObjectPopup, 70, "Delete"}, .run = [w] { deleteSelection(*w); }});
    commands.add({.name = "SelectAllMI", .caption = "Select A&ll", .rule = R::RegionHasObjects,
                  .shortcut = QKeySequence(Qt::CTRL | Qt::Key_A), .menu = {Menu::Edit, 210},
                  .popup = {Menu::ObjectPopup, 80, "Select All"}, .run = [w] { selectAllOrNone(*w, true); }});
    commands.add({.name = "SelectNoneMI", .caption = "Select &None", .rule = R::Selected,
                  .shortcut = QKeySequence(Qt::Key_Escape), .menu = {Menu::Edit, 220},
                  .popup = {Menu::ObjectPopup, 90, "Select None"}, .run = [w] { selectAllOrNone(*w, false); }});
    commands.add({.name = "PropertiesMI", .caption = "Pr&operties...", .rule = R::SingleSelected,
                  .shortcut = QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_P), .menu = {Menu::Edit, 310},
                  .popup = {Menu::ObjectPopup, 100, "Properties..."}, .run = [w] { showProperties(*w); }});
    commands.add({.name = "BackgroundMI", .caption = "&Background...", .rule = R::Window, .menu = {Menu::Edit, 320},
                  .button = {Bar::Main, 410, "BackgroundBtn", "Background", "stickwell-background"},
                  .run = [w] { EditingCommands::background(*w, true); }});
}
