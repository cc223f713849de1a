#pragma once
// The properties of one design object and its flat form, the ObjectRecord:
// 171 fixed bytes plus a text, BMP, EMF or JPEG payload. The same record is
// used in design files, on the clipboard and in the undo history.

#include <QByteArray>
#include <QSize>
#include <QStringList>
#include <cstdint>
#include <memory>

#include "gdi/LogFont.h"

class ObjectControl;

namespace ObjectKind {
constexpr char Text = 'T';
constexpr char Graphic = 'G';
constexpr char Line = 'L';
constexpr char Box = 'B';
constexpr char RoundBox = 'R';
constexpr char Ellipse = 'C';
bool isKnown(char kind);
}

namespace ObjectFlags {
constexpr int32_t NonPrinting = 1;
constexpr int32_t Locked = 2;
}

// Byte 0 of the packed text style word.
namespace TextStyleKind {
constexpr int Wrap = 0;
constexpr int NoWrap = 1;
constexpr int BarCode = 2;
constexpr int ArcText = 3;
}
constexpr int32_t kArcTextToolStyle = 0x00F40103;

namespace ObjectRecordLayout {
constexpr int kFixedSize = 171;
constexpr int kFontOffset = 36;
constexpr int kPayloadLengthOffset = 166;
constexpr int kPayloadKindOffset = 170;
}

class TObjectData {
public:
    TObjectData(ObjectControl* control, char kind);

    // Builds the block from a record and sets the control's geometry from it.
    // keepInside pulls an object that would lie off the surface back onto it.
    // Returns null (with a reason) when a bitmap or metafile payload cannot be
    // loaded; an undecodable JPEG just leaves the picture empty.
    static std::unique_ptr<TObjectData> fromRecord(ObjectControl* control, QByteArrayView record, int32_t zoom,
                                                   bool keepInside, QSize surfacePixels,
                                                   QString* error = nullptr);

    ObjectControl* Control = nullptr;
    char Kind = ObjectKind::Text;
    int32_t Flags = 0;
    int32_t Style = 0;
    int32_t ForeColor = 0x000000;
    int32_t BackColor = 0xFFFFFF;
    int32_t LineSize = 1;
    int32_t Spare = 0;
    int32_t LineType = 0;
    LogFontA Font;        // text only
    QStringList Lines;    // text only
    int32_t TextStyle = 1;
    int8_t ShadowX = 0;
    int8_t ShadowY = 0;
    int32_t Rotation = 0;  // tenths of a degree, counter-clockwise

    bool isText() const { return Kind == ObjectKind::Text; }
    bool nonPrinting() const { return (Flags & ObjectFlags::NonPrinting) != 0; }
    bool locked() const { return (Flags & ObjectFlags::Locked) != 0; }
    int textStyleKind() const { return TextStyle & 0xFF; }
    int textStyleParam1() const { return (TextStyle >> 8) & 0xFF; }
    int textStyleParam2() const { return int8_t((TextStyle >> 16) & 0xFF); }
    int textStyleParam3() const { return int8_t((TextStyle >> 24) & 0xFF); }

    int32_t StoredSize() const;
    // Appends the record to out and returns the bytes written (StoredSize()).
    int32_t SaveToRecord(QByteArray& out, int32_t zoom) const;
    QByteArray toRecord(int32_t zoom) const;

private:
    QByteArray payload(char* kind) const;
};

// Size of the record at the start of data (171 + payload length), or -1 when
// the record does not fit in data or its length field is nonsense.
qsizetype ObjectRecordSize(QByteArrayView data);
