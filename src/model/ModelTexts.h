#pragma once
// The design model's own texts: messages, names and captions.

#include <QString>
#include <QStringList>

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

// The fold types by number
inline const QStringList FoldTypeNames = {
    QStringLiteral("None"),
    QStringLiteral("Side Fold Tall Business Card"),
    QStringLiteral("Top Fold Wide Business Card"),
    QStringLiteral("Side Fold Wide Business Card"),
    QStringLiteral("Top Fold Tall Business Card"),
    QStringLiteral("Side Fold Tall Occasion Card"),
    QStringLiteral("Top Fold Wide Occasion Card"),
    QStringLiteral("Side Fold Wide Occasion Card"),
    QStringLiteral("Top Fold Tall Occasion Card"),
};
// low and high are the limits in the display unit, metric in mm, else in inches.
inline QString regionSizeLimits(const QString& low, const QString& high, bool metric)
{
    return QStringLiteral("The width and height or each region must be between ") + low + QStringLiteral(" and ") +
           high + (metric ? QStringLiteral(" mm") : QStringLiteral(" in"));
}
// A layout's note when its name carries none.
inline QString perSheet(qint64 elements) { return QString::number(elements) + QStringLiteral(" Per Sheet"); }

// Objects: the words that start their names, and the entry a new text shows
inline const QString GraphicName = QStringLiteral("Graphic");
inline const QString TextName = QStringLiteral("Text");
inline const QString ShapeName = QStringLiteral("Shape");
inline const QString NewTextEntry = QStringLiteral("Text");

// Why an object could not be read
inline const QString UnreadableBitmap = QStringLiteral("unreadable bitmap");
inline const QString UnreadableMetafile = QStringLiteral("unreadable metafile");
inline const QString TruncatedObjectRecord = QStringLiteral("truncated object record");
inline const QString UnreadableObjectRecord = QStringLiteral("unreadable object record");

// What the history calls its steps
inline const QString UndoAdd = QStringLiteral("Insert");
inline const QString UndoDelete = QStringLiteral("Delete");
inline const QString UndoMove = QStringLiteral("Move");
inline const QString UndoNudge = QStringLiteral("Nudge");
inline const QString UndoChange = QStringLiteral("Properties");
inline const QString UndoOrder = QStringLiteral("Order");
inline const QString UndoBackground = QStringLiteral("Background");
inline const QString UndoMargins = QStringLiteral("Margins");
inline const QString UndoPaste = QStringLiteral("Paste");
inline const QString UndoAlign = QStringLiteral("Align");
}
