#pragma once
// Captions and messages of the picture editor and the scanner dialogs.

#include <QString>

namespace PictureTexts {

inline QString caption() { return QStringLiteral("Pick Graphic"); }
inline QString load() { return QStringLiteral("&Load..."); }
inline QString save() { return QStringLiteral("&Save..."); }
inline QString acquire() { return QStringLiteral("&Acquire..."); }
inline QString clear() { return QStringLiteral("C&lear"); }
inline QString mirrorHorizontal() { return QStringLiteral("Mirror &Horizontal"); }
inline QString rotate() { return QStringLiteral("&Rotate"); }
inline QString mirrorVertical() { return QStringLiteral("Mirror &Vertical"); }
inline QString crop() { return QStringLiteral("&Crop"); }

inline QString loadFilter()
{
    return QStringLiteral("All Supported Formats (*.BMP *.WMF *.EMF *.PCX *.JPG *.TIF *.PNG);;"
                          "Bitmaps (*.bmp);;Metafiles (*.wmf *.emf);;JPEG (*.jpeg *.jpg);;PC Paint (*.pcx);;"
                          "TIFF (*.tif);;Portable Network Graphics (*.png)");
}
inline QString saveFailed() { return QStringLiteral("The picture could not be saved to %1:\n%2"); }

// The scanner source dialog and scanning.
inline QString sourceCaption() { return QStringLiteral("Select Source"); }
inline QString sources() { return QStringLiteral("Sources:"); }
inline QString select() { return QStringLiteral("&Select"); }
inline QString refresh() { return QStringLiteral("&Refresh"); }
inline QString searching() { return QStringLiteral("Looking for scanners..."); }
inline QString noSources() { return QStringLiteral("No scanner was found."); }
inline QString scanCaption() { return QStringLiteral("Scan"); }
inline QString scanSource() { return QStringLiteral("&Scanner:"); }
inline QString scanMode() { return QStringLiteral("&Mode:"); }
inline QString scanResolution() { return QStringLiteral("&Resolution (dpi):"); }
inline QString scanButton() { return QStringLiteral("S&can"); }
inline QString scanning() { return QStringLiteral("Scanning..."); }

} // namespace PictureTexts
