#pragma once
// Save As Graphic without widgets: the save dialog's file types (from the
// export layer's own format table, so every format it writes is offered),
// the name the chosen type completes, the JPEG options and the export itself.

#include <QString>
#include <QStringList>
#include <vector>

#include "export/PictureExport.h"

class Card;

struct GraphicFileType {
    QString filter;     // "WMF files (*.wmf)"
    QString extension;  // appended to a name without one
};

// Windows metafile, JPEG and bitmap first, then every other format, each once.
std::vector<GraphicFileType> graphicFileTypes();
QString graphicFilterString();
// A name with an extension is taken as it is; otherwise the chosen type's is appended.
QString completeGraphicPath(const QString& chosen, const QString& selectedFilter);

class SaveAsGraphicForm {
public:
    QString path;
    QString quality = QStringLiteral("75");
    bool progressive = false;

    bool jpegOptionsShown() const;
    bool okEnabled() const { return !path.isEmpty(); }
    // The Quality box read as a whole number from 0 to 100; 75 otherwise.
    ExportOptions options() const;
    // Writes the card as the screen shows it at the zoom; false after showing why not.
    bool exportCard(const Card& card, int zoom) const;
};
