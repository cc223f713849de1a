#pragma once
// Loading a picture file the way the picture editor and the wizard do: the
// extension says whether the file is accepted at all, the file's own
// signature chooses the decoder.

#include <QString>

#include "imaging/Picture.h"

// Accepted extensions (any case): .BMP .PCX .JPG .PNG .GIF .TIF .WMF .EMF.
// .WMF/.EMF load as metafiles (WMF converted to EMF bytes), .JPG as a JPEG
// image, the rest through the signature query; GIF and unknown signatures give
// an empty picture. reduceColors ("Reduce graphics to 256 colors") loads
// true-colour files at 8 bits per pixel with a palette of their own colours.
Picture loadPictureFile(const QString& path, bool reduceColors);
