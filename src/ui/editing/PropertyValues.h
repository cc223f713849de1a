#pragma once
// The property editor's arithmetic and tables, without widgets: the size and
// position boxes, the colour lists, the text style lists and
// their packing, the picture information, the aspect buttons and how a font
// choice becomes the stored LOGFONT without touching what did not change.

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

#include "gdi/LogFont.h"

class Picture;

namespace PropertyValues {

// The object rectangle (design units, as the General page shows it) after
// typing into the page's boxes: each one nullopt when it does not hold an
// integer, and then left as it is. Sizes never go below 0.
QRect typedRect(const QRect& object, std::optional<int> left, std::optional<int> top, std::optional<int> width,
                std::optional<int> height);

// An integer in a box, or nullopt ("abc", empty, "1.5").
std::optional<int> integerIn(const QString& text);

// The sixteen named colours of the colour lists (colour references: red in
// the low byte), then "Other...".
struct NamedColor {
    const char* name;
    int32_t colorRef;
};
const std::array<NamedColor, 16>& namedColors();
// The first named colour of this value, or -1.
int namedColorIndex(int32_t colorRef);

// The style lists of the Text Properties page for a style and its three
// parameter bytes (as the packed word holds them).
struct ParamList {
    QString label;
    QStringList items;
    QList<int> values;  // what each item packs into its byte
    int selected = -1;
    bool visible = false;
};
struct StyleLists {
    std::array<ParamList, 3> params;
};
QStringList textStyleNames();
StyleLists styleLists(int style, int byte1, int byte2, int byte3);
// The lists a newly chosen style starts with.
StyleLists styleListsForNewStyle(int style);
// The packed word from the style list's position and the three lists'
// positions; a list without a selection keeps the previous word's byte, and
// no style at all keeps the whole word.
int32_t packTextStyle(int style, const StyleLists& lists, const std::array<int, 3>& selected, int32_t previous);

// The Graphic page's lines.
QString pictureSizeText(const Picture& picture);
QString pictureTypeText(const Picture& picture);
// Bitmaps only: the colour depth and the stored size ("Unknown" for a custom depth).
QString colorDepthText(int bitsPerPixel);
QString storedSizeText(int bitsPerPixel, int width, int height);
// The bits per pixel a bitmap stores (0 when it cannot be told).
int bitmapBitsPerPixel(const Picture& picture);

// The aspect and actual-size buttons: the object's new size in design units.
QSize aspectFromWidth(QSize object, QSize picture);
QSize aspectFromHeight(QSize object, QSize picture);

// The font the font dialog is opened with, and the stored font after the
// dialog: only what differs between the offered and the chosen font changes.
QFont dialogFont(const LogFont& font);
LogFont fontAfterDialog(const LogFont& stored, const QFont& offered, const QFont& chosen);
// The stored font after the Text Properties page: the face (empty: the list
// has no selection) and size (nullopt: not an integer) change together or
// not at all; each style check changes only its own attribute.
LogFont fontFromPage(const LogFont& stored, const QString& face, std::optional<int> points, bool bold,
                      bool italic, bool underline, bool strikeOut);

// The text box shows an entry's lines with plain line ends; entries keep CR LF.
QString entryToBox(const QString& entry);
QString boxToEntry(const QString& text);

} // namespace PropertyValues
