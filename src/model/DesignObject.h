#pragma once
// One design object and its flat form, the ObjectRecord: 171 fixed bytes plus
// a text, BMP, EMF or JPEG payload. The same record is used in design files,
// on the clipboard and in JSON descriptions.

#include <QByteArray>
#include <QRect>
#include <QString>
#include <QSize>
#include <QStringList>
#include <cstdint>
#include <memory>

#include "gdi/LogFont.h"
#include "imaging/Picture.h"

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

// A text object's style as one 32-bit word, the way records store it: byte 0
// the kind, bytes 1 to 3 its three parameters (the second and third signed).
// Bar codes: type, show text, bar width; arc text: sub-style, start step.
namespace TextStyleWord {
constexpr int32_t pack(int kind, int param1 = 0, int param2 = 0, int param3 = 0)
{
    return int32_t(uint32_t(kind & 0xFF) | (uint32_t(param1 & 0xFF) << 8) | (uint32_t(param2 & 0xFF) << 16) |
                   (uint32_t(param3 & 0xFF) << 24));
}
constexpr int kind(int32_t word) { return word & 0xFF; }
constexpr int param1(int32_t word) { return (word >> 8) & 0xFF; }
constexpr int param2(int32_t word) { return int8_t((word >> 16) & 0xFF); }
constexpr int param3(int32_t word) { return int8_t((word >> 24) & 0xFF); }
}

// What the arc-text tool gives a new object: a half circle from start step −12.
constexpr int32_t kArcTextToolStyle = TextStyleWord::pack(TextStyleKind::ArcText, 1, -12);
static_assert(kArcTextToolStyle == 0x00F40103);

namespace ObjectRecordLayout {
constexpr int kFixedSize = 171;
constexpr int kFontOffset = 36;
constexpr int kPayloadLengthOffset = 166;
constexpr int kPayloadKindOffset = 170;
}

// One object of a design: its kind, name, geometry in design units (what the
// file stores), the record's fields and, for a graphic, its picture. Plain
// data: the windows draw it and edit it through the design editor, and the
// record codec turns it into bytes only at the boundaries (files, clipboard,
// JSON).
class DesignObject {
public:
    explicit DesignObject(char kind = ObjectKind::Text);

    // Builds an object from a record. Null (with a reason) when a bitmap or
    // metafile payload cannot be loaded; an undecodable JPEG just leaves the
    // picture empty. Damaged geometry is kept within +-2^24 units.
    static std::unique_ptr<DesignObject> fromRecord(QByteArrayView record, QString* error = nullptr);

    char kind = ObjectKind::Text;
    QString name;
    // Design units (hundredths of an inch).
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t flags = 0;
    int32_t style = 0;
    int32_t foreColor = 0x000000;
    int32_t backColor = 0xFFFFFF;
    int32_t lineSize = 1;
    int32_t spare = 0;
    int32_t lineType = 0;
    LogFont font;        // text only
    QStringList lines;    // text only
    int32_t textStyle = 1;
    int8_t shadowX = 0;
    int8_t shadowY = 0;
    int32_t rotation = 0;  // tenths of a degree, counter-clockwise
    Picture picture;       // graphics only; stretched to the object's rectangle

    QRect rect() const { return QRect(left, top, width, height); }
    void setRect(const QRect& r);
    void setBounds(int32_t l, int32_t t, int32_t w, int32_t h) { setRect(QRect(l, t, w, h)); }
    bool isPicture() const { return kind == ObjectKind::Graphic; }
    bool isText() const { return kind == ObjectKind::Text; }
    bool nonPrinting() const { return (flags & ObjectFlags::NonPrinting) != 0; }
    bool locked() const { return (flags & ObjectFlags::Locked) != 0; }
    int textStyleKind() const { return TextStyleWord::kind(textStyle); }
    int textStyleParam1() const { return TextStyleWord::param1(textStyle); }
    int textStyleParam2() const { return TextStyleWord::param2(textStyle); }
    int textStyleParam3() const { return TextStyleWord::param3(textStyle); }

    // A pasted object that would lie off a region of this size (design
    // units) is pulled back onto it.
    void keepInside(QSize regionSize);

    int32_t storedSize() const;
    // Appends the record to out and returns the bytes written (storedSize()).
    int32_t saveToRecord(QByteArray& out) const;
    QByteArray toRecord() const;
    // Every stored field equal (the name is not stored).
    bool sameRecordAs(const DesignObject& other) const { return toRecord() == other.toRecord(); }

private:
    QByteArray payload(char* payloadKind) const;
};

// Size of the record at the start of data (171 + payload length), or -1 when
// the record does not fit in data or its length field is nonsense.
qsizetype objectRecordSize(QByteArrayView data);
