#pragma once
// The picture formats a card is written in, and the one rule that reads a
// format from a file name: its extension, compared without regard to case.
// ".jpg" and ".jpeg" both mean JPEG; ".wmf" is written as an enhanced metafile
// like ".emf" (the file keeps the name it was given). SVG and PDF are
// vector files of the region at its true size.

#include <QString>
#include <QStringList>
#include <optional>

enum class ExportFormat { Png, Bmp, Jpeg, Emf, Wmf, Svg, Pdf };

// The format the path's extension names; none for any other extension or none at all.
std::optional<ExportFormat> exportFormatForExtension(const QString& path);
// The format of a bare name such as "png" or "JPEG" (as an extension would name it).
std::optional<ExportFormat> exportFormatNamed(const QString& name);
// The export dialog's rule: the extension's format, anything else a 24-bit bitmap.
ExportFormat exportFormatForPath(const QString& path);
// Every extension the rule knows, lower case, in the order users are shown them.
QStringList exportExtensions();
