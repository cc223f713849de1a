#pragma once
// Edit Layouts, Edit Current Layout, Switch to Different Layout and the
// layout chooser it offers the other families (FamilyServices::chooseLayout).

#include <optional>

#include "model/LayoutRecord.h"

class MainWindow;
struct FamilyServices;
class QWidget;

void installLayoutCommands(MainWindow& window, FamilyServices& services);
// The chooser in choosing mode over the program's layout files.
std::optional<LayoutRecord> chooseLayoutFromFiles(QWidget* parent);
