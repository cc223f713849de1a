#pragma once
// The design model's own message texts.

#include <QString>

namespace ModelTexts {
inline const QString ChangeRegionException = QStringLiteral("EXCEPTION: ChangeRegion");
inline const QString CannotLockClipboard = QStringLiteral("ERROR: Cannot Lock Clipboard Data.");
inline const QString VersionMismatch = QStringLiteral(
    "ERROR: Version Mismatch.\n\nYou cannot paste objects created with a newer version of the application.");
inline const QString PasteError = QStringLiteral("Error pasting clipboard data.");
inline const QString DeletePrompt = QStringLiteral("Delete the selected object(s).\n\nAre your sure?");

// The regions of a design, by fold
inline const QString FrontRegion = QStringLiteral("Front");
inline const QString BackRegion = QStringLiteral("Back");
inline const QString CoverRegion = QStringLiteral("Cover");
inline const QString InsideCoverRegion = QStringLiteral("Inside Cover");
inline const QString InsideRegion = QStringLiteral("Inside");
}
