#pragma once
// The texts of the options and protection dialogs, character for character.

#include <QString>

namespace ShellDialogTexts {

inline QString optionsCaption() { return QStringLiteral("Options"); }
inline QString generalPage() { return QStringLiteral("&General"); }
inline QString gridPage() { return QStringLiteral("G&rid"); }
inline QString printingPage() { return QStringLiteral("&Printing"); }
inline QString foldersPage() { return QStringLiteral("&Folders"); }

inline QString promptOnDelete() { return QStringLiteral("&Prompt when deleting objects"); }
inline QString selectReturn() { return QStringLiteral("&Return to the select tool automatically"); }
inline QString metricUnits() { return QStringLiteral("&Metric units"); }
inline QString reduceColor() { return QStringLiteral("Reduce &graphics to 256 colors"); }
inline QString showDesignWizard() { return QStringLiteral("&Show the design wizard when the application starts"); }
inline QString saveProperties()
{
    return QStringLiteral("&Use last selected object's properties for the next object inserted");
}
inline QString gridSize() { return QStringLiteral("&Grid Size (pixels):"); }
inline QString showGrid() { return QStringLiteral("&Display grid"); }
inline QString snapToGrid() { return QStringLiteral("&Snap to grid"); }
inline QString cropMarks()
{
    return QStringLiteral("&Print &crop marks by default (can be changed on the print screen)");
}
inline QString cornerMarks()
{
    return QStringLiteral("Print c&orner marks by default (can be changed on the print screen)");
}
inline QString setOrientation() { return QStringLiteral("&Set printer orientation and paper size automatically"); }
inline QString documentsFolder()
{
    return QStringLiteral("Documents folder: (leave blank for default document folder)");
}
inline QString graphicsFolder() { return QStringLiteral("Graphics folder:"); }
inline QString databaseFolder() { return QStringLiteral("Database folder:"); }
inline QString browse() { return QStringLiteral("..."); }

inline QString protectionCaption() { return QStringLiteral("Protection"); }
inline QString protectionText()
{
    return QStringLiteral("The protection password stops locked objects and the background in the design from "
                          "being modified unless the password is entered.");
}
inline QString password() { return QStringLiteral("Password:"); }
inline QString invalidPassword() { return QStringLiteral("Invalid Password.\n\nPlease enter the correct password."); }

inline QString ok() { return QStringLiteral("OK"); }
inline QString cancel() { return QStringLiteral("Cancel"); }
inline QString help() { return QStringLiteral("Help"); }

} // namespace ShellDialogTexts
