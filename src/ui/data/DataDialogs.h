#pragma once
// The merge-data dialogs at the main window: the Linked Database command,
// the Personal Databases command, and Pick Text for the other families.

#include <QString>
#include <optional>

class MainWindow;
struct FamilyServices;
class QWidget;

// Declares Linked Database and Personal Databases (and its toolbar button)
// and offers Pick Text and the Field Wizard.
void installDataDialogs(MainWindow& window, FamilyServices& services);
// Pictures of every page of both wizards, the Personal Databases dialog and the Import dialog.
void registerDataDialogGalleryStates();

// The Linked Database command on the active design; true when its link changed.
bool runLinkedDatabaseCommand(MainWindow& window);
void runPersonalDatabasesCommand(MainWindow& window);
// The Field Wizard for a text object of a design linked to linkPath: the
// constructed spec after Finish.
std::optional<QString> runFieldWizard(QWidget* parent, const QString& linkPath, const QString& startSpec);
