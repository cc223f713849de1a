#pragma once
// Writing a card as a picture file, as the screen shows it at its zoom but
// without grid or margins rectangle. The file's extension picks the format:
// ".png", ".jpg", ".emf" or ".wmf" (both written as an enhanced metafile),
// anything else a 24-bit bitmap.

#include <QString>

class Card;

enum class CardExportFormat { Png, Jpeg, Emf, Bmp };
CardExportFormat cardExportFormatFor(const QString& path);

struct CardExportSettings {
    int quality = 75;  // JPEG only, 0..100
    bool progressive = false;
};

// False when the file cannot be written; a failed write leaves no partial file.
bool exportCard(const Card& card, const QString& path, const CardExportSettings& settings = {});

// The message shown when a picture file cannot be written.
QString exportSaveErrorText();
