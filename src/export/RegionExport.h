#pragma once
// Writing a card as a picture file, as the screen shows it at the options'
// zoom but without grid or margins rectangle.

#include <QString>

#include "export/ExportFormat.h"
#include "export/PictureExport.h"

class Card;

// In the format the file's extension names (the export dialog's rule, see
// exportFormatForPath). False when the file cannot be written; a failed write
// leaves no partial file and the previous file as it was.
bool exportCard(const Card& card, const QString& path, const ExportOptions& options = {});
// In the given format, whatever the name; on failure *error (when given) says why.
bool exportCard(const Card& card, const QString& path, ExportFormat format, const ExportOptions& options,
                QString* error = nullptr);

// The message shown when a picture file cannot be written.
QString exportSaveErrorText();
