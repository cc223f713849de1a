#pragma once
// Edit Layouts, Edit Current Layout, Switch to Different Layout and the
// layout chooser behind Hooks::chooseLayout.

#include <optional>

#include "model/LayoutRecord.h"

class MainWindow;
class QWidget;

void installLayoutCommands(MainWindow& window);
// The chooser in choosing mode over the program's layout files.
std::optional<LayoutRecord> chooseLayoutFromFiles(QWidget* parent);
