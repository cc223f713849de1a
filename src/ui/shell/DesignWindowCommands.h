#pragma once
// The commands of the design window itself: the drawing tools (Tool menu and
// toolbar) and the zoom, installed like any window family's.

class MainWindow;

void installDesignWindowCommands(MainWindow& window);
