#pragma once
// The design-file subsystem's own texts.

#include <QString>
#include <QStringList>

namespace FilesTexts {
// Results of reading and writing design files
inline const QString LoadError = QStringLiteral("An error occurred loading the specified file.");
inline const QString BadVersion =
    QStringLiteral("An error occurred loading the specified file.\n\nThe file has an invalid version "
                   "stamp.\n\nIt may have been created by a newer version.");
inline const QString SaveError =
    QStringLiteral("An error occurred saving the specified file.\n\nBe sure to choose a valid filename "
                   "on a non-write protected disk.");
inline const QString OutOfMemory = QStringLiteral("An error occurred trying to allocate memory.");

// The "Wizard Type" list of Save As Template, in entry order
inline const QStringList WizardTypeEntries = {QStringLiteral("None"), QStringLiteral("Address"),
                                              QStringLiteral("Return Address"),
                                              QStringLiteral("Address & Return Address"),
                                              QStringLiteral("Media Label Data")};
}
