#pragma once
// The texts of the main window and of design documents, character for character.

#include <QString>

namespace ShellTexts {
inline const QString NoRecentFiles = QStringLiteral("(none)");
inline const QString Untitled = QStringLiteral("Untitled ");
inline const QString DropDesignFiles = QStringLiteral(
    "Dropping a file here will open it for editing.\n\nPlease be sure to drop a design file or template and not a "
    "graphic or other file.");
inline const QString AskSaveChanges = QStringLiteral(" has been changed.\n\nWould you like to save it?");
inline const QString LinkedDatabaseFailed = QStringLiteral(
    "The database linked to this design could not be opened.\n\nPlease correct the problem or select a different "
    "database and retry.");
inline const QString OpenFilter = QStringLiteral("Label Projects (*.lpd);;Templates (*.cct)");
inline const QString SaveFilter = QStringLiteral("Label Projects (*.lpd)");
inline const QString PropertyEditor = QStringLiteral("Property Editor");
inline const QString RegionBar = QStringLiteral("Region Bar");
inline const QString ZoomHint = QStringLiteral("Select a Zoom Level the Click the Button to the Right");
inline const QString HomePageSuffix = QStringLiteral(" Home Page");
inline const QString GuideMissing = QStringLiteral("The user guide could not be found.");
}
