#pragma once
// The stock importer's own texts.

#include <QLatin1StringView>
#include <QString>
#include <QStringList>

namespace StockImportTexts {

// Why a template is damaged.
inline QString missingValue(QLatin1StringView attribute)
{
    return QStringLiteral("no value for %1").arg(attribute);
}
inline QString badLength(QLatin1StringView attribute, const QString& value)
{
    return QStringLiteral("%1=\"%2\" is not a length").arg(attribute, value);
}
inline QString badCount(QLatin1StringView attribute, const QString& value)
{
    return QStringLiteral("%1=\"%2\" is not a count from 1 to 10000").arg(attribute, value);
}
inline const QString NoBrandOrPart = QStringLiteral("no brand or part number");
inline const QString TooManyLabels = QStringLiteral("too many label shapes");
inline const QString TooManyGrids = QStringLiteral("too many grids");

// Why a file is not read to its end.
inline const QString NestedTemplate = QStringLiteral("a template inside a template");
inline const QString TooManyTemplates = QStringLiteral("more templates than one import takes");
inline QString xmlError(qint64 line, const QString& text)
{
    return QStringLiteral("line %1: %2").arg(line).arg(text);
}
inline QString fileTooLarge(qint64 size, qint64 limit)
{
    return QStringLiteral("%1 bytes is too large for a stock definition file (at most %2)").arg(size).arg(limit);
}
inline const QString NotAFile = QStringLiteral("not a file");
inline const QString NoStockFiles = QStringLiteral("no stock definition files (*.xml) in the folder");
inline const QString CannotMakeFolder = QStringLiteral("cannot make the folder");
inline const QString ImportTooLarge = QStringLiteral("not read: the files before it are all one import takes");
inline const QString TooManyFiles = QStringLiteral("more files than one import takes");

// Why a template is skipped, by StockSkip.
inline QString skipReason(int reason)
{
    static const QStringList reasons = {
        QString(),
        QStringLiteral("damaged values"),
        QStringLiteral("the same as a part that is not there"),
        QStringLiteral("no label or no grid"),
        QStringLiteral("a label shape with no stock type"),
        QStringLiteral("labels of several shapes on one sheet"),
        QStringLiteral("several layouts on one sheet"),
        QStringLiteral("an unknown paper size"),
        QStringLiteral("a label smaller than 0.1 in or larger than 17 in"),
        QStringLiteral("more labels than a sheet may hold"),
        QStringLiteral("labels beyond the paper's edges"),
        QStringLiteral("rounding by 0.01 in or more"),
        QStringLiteral("more layouts of one brand than a layout file holds"),
    };
    return reasons.value(reason);
}

// Names in layout files.
inline QString perSheet(int count) { return QStringLiteral("%1 per sheet").arg(count); }
inline const QString OtherPapers = QStringLiteral("Other sizes");
inline QString paperHeading(const QString& caption) { return QStringLiteral("===== %1 =====").arg(caption); }

} // namespace StockImportTexts
