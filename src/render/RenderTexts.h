#pragma once
// The rendering subsystem's own texts.

#include <QString>

namespace RenderTexts {
// Drawn in place of a bar code whose data cannot be encoded.
inline const QString BarcodePlaceholder = QStringLiteral("Barcode");
}
