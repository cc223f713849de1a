#pragma once
// The editing family's place in the frame: the property editor's pages, the
// alignment commands and toolbar, Align to Grid, Fit to Margins, Margins,
// the background, and the region list's entries.

class MainWindow;
class DesignWindow;

void installEditing(MainWindow& window);
// The Edit menu's commands (EditMenuCommands.cpp), declared by installEditing.
void installEditMenu(MainWindow& window);
void registerEditingGalleryStates();

// The commands, as the menus carry them out (tests call them directly).
namespace EditingCommands {
// kind: an alignment toolbar button's number (0 aligns to the grid).
void align(MainWindow& window, int kind, bool fromMenu);
void alignDialog(MainWindow& window);
void alignAllToGrid(MainWindow& window);
void fitToMargins(MainWindow& window);
void margins(MainWindow& window);
// fromCommand: the menu or toolbar (with the protection check), not the double-click.
void background(MainWindow& window, bool fromCommand);
} // namespace EditingCommands
