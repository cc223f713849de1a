#include "model/DesignObject.h"

#include <algorithm>

#include "model/ModelTexts.h"
#include "base/ByteStream.h"
#include "base/Cp1252.h"

namespace ObjectKind {
bool isKnown(char kind)
{
    return kind == Text || kind == Graphic || kind == Line || kind == Box || kind == RoundBox || kind == Ellipse;
}
}

using namespace ObjectRecordLayout;

DesignObject::DesignObject(char kind) : kind(kind)
{
    if (kind == ObjectKind::Text)
        lines << ModelTexts::NewTextEntry;
}

void DesignObject::setRect(const QRect& r)
{
    left = r.left();
    top = r.top();
    width = r.width();
    height = r.height();
}

void DesignObject::keepInside(QSize regionSize)
{
    if (left > regionSize.width() - 5)
        left = regionSize.width() - width - 25;
    if (top > regionSize.height() - 5)
        top = regionSize.height() - height - 25;
}

QByteArray DesignObject::payload(char* payloadKind) const
{
    *payloadKind = 0;
    if (kind == ObjectKind::Graphic) {
        if (picture.isEmpty())
            return {};
        switch (picture.kind()) {
        case Picture::Kind::Bitmap: *payloadKind = 'B'; break;
        case Picture::Kind::Jpeg: *payloadKind = 'J'; break;
        default: *payloadKind = 'M'; break;
        }
        return picture.streamBytes();
    }
    if (kind == ObjectKind::Text) {
        *payloadKind = 'T';
        QByteArray bytes;
        for (const QString& line : lines) {
            QByteArray encoded = toCp1252(line);
            // Entries are NUL-terminated, so a NUL inside one would split it.
            encoded.replace('\0', ' ');
            bytes += encoded;
            bytes += '\0';
        }
        bytes += '\0';
        return bytes;
    }
    return {};
}

int32_t DesignObject::storedSize() const
{
    char payloadKind = 0;
    return kFixedSize + int32_t(payload(&payloadKind).size());
}

int32_t DesignObject::saveToRecord(QByteArray& out) const
{
    const qsizetype start = out.size();
    ByteWriter w(out);
    w.u8(uint8_t(kind));
    w.i32(left);
    w.i32(top);
    w.i32(height);
    w.i32(width);
    w.i32(flags);
    w.i32(style);
    w.i32(foreColor);
    w.i32(backColor);
    w.i8(int8_t(lineSize));
    w.i8(int8_t(spare));
    w.i8(int8_t(lineType));
    if (kind == ObjectKind::Text) {
        LogFont stored = font;
        stored.escapement = rotation;
        stored.orientation = rotation;
        stored.write(w);
        w.i32(textStyle);
        w.i8(shadowX);
        w.i8(shadowY);
    } else {
        w.zeros(LogFont::kSize + 6);
    }
    w.zeros(64);
    char payloadKind = 0;
    const QByteArray body = payload(&payloadKind);
    w.i32(int32_t(body.size()));
    w.u8(uint8_t(payloadKind));
    w.bytes(body);
    return int32_t(out.size() - start);
}

QByteArray DesignObject::toRecord() const
{
    QByteArray out;
    saveToRecord(out);
    return out;
}

qsizetype objectRecordSize(QByteArrayView data)
{
    if (data.size() < kFixedSize)
        return -1;
    const int32_t length = int32_t(readU32At(data, kPayloadLengthOffset));
    if (length < 0 || length > data.size() - kFixedSize)
        return -1;
    return kFixedSize + length;
}

namespace {

// No real design comes near this; keeping damaged geometry inside it lets every
// later sum of positions and sizes stay within an int.
constexpr int32_t kMaxCoordinate = 1 << 24;

int32_t clamped(int32_t units) { return std::clamp(units, -kMaxCoordinate, kMaxCoordinate); }

void readTextLines(QByteArrayView payload, QStringList& lines)
{
    // Entries are read while fewer than length − 1 bytes have been consumed.
    qsizetype consumed = 0;
    while (consumed < payload.size() - 1) {
        qsizetype end = consumed;
        while (end < payload.size() && payload[end] != '\0')
            ++end;
        lines << fromCp1252(payload.sliced(consumed, end - consumed));
        consumed = end + 1;
    }
}

bool loadGraphicPayload(char kind, QByteArrayView payload, Picture& picture, QString* error)
{
    switch (kind) {
    case 'B':
        if (!picture.loadBmp(payload)) {
            if (error)
                *error = ModelTexts::UnreadableBitmap;
            return false;
        }
        return true;
    case 'M':
        if (!picture.loadEmf(payload)) {
            if (error)
                *error = ModelTexts::UnreadableMetafile;
            return false;
        }
        return true;
    case 'J':
        picture.loadJpeg(payload);  // an undecodable JPEG leaves the picture empty
        return true;
    default:
        return true;
    }
}

} // namespace

std::unique_ptr<DesignObject> DesignObject::fromRecord(QByteArrayView record, QString* error)
{
    const qsizetype size = objectRecordSize(record);
    if (size < 0) {
        if (error)
            *error = ModelTexts::TruncatedObjectRecord;
        return nullptr;
    }
    ByteReader in(record.first(size));
    auto object = std::make_unique<DesignObject>(char(in.u8()));
    object->lines.clear();
    object->left = clamped(in.i32());
    object->top = clamped(in.i32());
    object->height = clamped(in.i32());
    object->width = clamped(in.i32());
    object->flags = in.i32();
    object->style = in.i32();
    object->foreColor = in.i32();
    object->backColor = in.i32();
    object->lineSize = in.i8();
    object->spare = in.i8();
    object->lineType = in.i8();
    LogFont font;
    font.read(in);
    object->textStyle = in.i32();
    object->shadowX = in.i8();
    object->shadowY = in.i8();
    in.seek(kPayloadLengthOffset);
    const int32_t payloadLength = in.i32();
    const char payloadKind = char(in.u8());
    const QByteArrayView body = in.view(payloadLength);

    if (object->kind == ObjectKind::Graphic) {
        if (!loadGraphicPayload(payloadKind, body, object->picture, error))
            return nullptr;
    } else if (object->kind == ObjectKind::Text) {
        object->font = font;
        object->rotation = font.escapement;
        if (payloadLength >= 1)
            readTextLines(body, object->lines);
    }
    return object;
}
