#include "model/ObjectData.h"

#include <algorithm>

#include "model/ModelTexts.h"
#include "model/Units.h"
#include "model/ObjectControl.h"
#include "base/ByteStream.h"
#include "base/Cp1252.h"

namespace ObjectKind {
bool isKnown(char kind)
{
    return kind == Text || kind == Graphic || kind == Line || kind == Box || kind == RoundBox || kind == Ellipse;
}
}

using namespace ObjectRecordLayout;

ObjectData::ObjectData(ObjectControl* control, char kind) : control(control), kind(kind)
{
    if (kind == ObjectKind::Text)
        lines << ModelTexts::NewTextEntry;
}

QByteArray ObjectData::payload(char* payloadKind) const
{
    *payloadKind = 0;
    if (kind == ObjectKind::Graphic) {
        if (!control || !control->isPicture() || control->picture.isEmpty())
            return {};
        switch (control->picture.kind()) {
        case Picture::Kind::Bitmap: *payloadKind = 'B'; break;
        case Picture::Kind::Jpeg: *payloadKind = 'J'; break;
        default: *payloadKind = 'M'; break;
        }
        return control->picture.streamBytes();
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

int32_t ObjectData::storedSize() const
{
    char payloadKind = 0;
    return kFixedSize + int32_t(payload(&payloadKind).size());
}

int32_t ObjectData::saveToRecord(QByteArray& out, int32_t zoom) const
{
    const qsizetype start = out.size();
    ByteWriter w(out);
    w.u8(uint8_t(kind));
    const ObjectControl* c = control;
    w.i32(c ? pixelsToUnits(c->left, zoom) : 0);
    w.i32(c ? pixelsToUnits(c->top, zoom) : 0);
    w.i32(c ? pixelsToUnits(c->height, zoom) : 0);
    w.i32(c ? pixelsToUnits(c->width, zoom) : 0);
    w.i32(flags);
    w.i32(style);
    w.i32(foreColor);
    w.i32(backColor);
    w.i8(int8_t(lineSize));
    w.i8(int8_t(spare));
    w.i8(int8_t(lineType));
    if (kind == ObjectKind::Text) {
        LogFontA stored = font;
        stored.escapement = rotation;
        stored.orientation = rotation;
        stored.write(w);
        w.i32(textStyle);
        w.i8(shadowX);
        w.i8(shadowY);
    } else {
        w.zeros(LogFontA::kSize + 6);
    }
    w.zeros(64);
    char payloadKind = 0;
    const QByteArray body = payload(&payloadKind);
    w.i32(int32_t(body.size()));
    w.u8(uint8_t(payloadKind));
    w.bytes(body);
    return int32_t(out.size() - start);
}

QByteArray ObjectData::toRecord(int32_t zoom) const
{
    QByteArray out;
    saveToRecord(out, zoom);
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
constexpr int32_t kMaxPixelCoordinate = 1 << 24;

int clampedPixels(int32_t units, int32_t zoom)
{
    return std::clamp(unitsToPixels(units, zoom), -kMaxPixelCoordinate, kMaxPixelCoordinate);
}

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

std::unique_ptr<ObjectData> ObjectData::fromRecord(ObjectControl* control, QByteArrayView record, int32_t zoom,
                                                     bool keepInside, QSize surfacePixels, QString* error)
{
    const qsizetype size = objectRecordSize(record);
    if (size < 0) {
        if (error)
            *error = ModelTexts::TruncatedObjectRecord;
        return nullptr;
    }
    ByteReader in(record.first(size));
    auto data = std::make_unique<ObjectData>(control, char(in.u8()));
    data->lines.clear();
    const int32_t left = in.i32(), top = in.i32(), height = in.i32(), width = in.i32();
    if (control) {
        control->setBounds(clampedPixels(left, zoom), clampedPixels(top, zoom), clampedPixels(width, zoom),
                           clampedPixels(height, zoom));
        if (keepInside) {
            if (control->left > surfacePixels.width() - 5)
                control->left = surfacePixels.width() - control->width - 25;
            if (control->top > surfacePixels.height() - 5)
                control->top = surfacePixels.height() - control->height - 25;
        }
    }
    data->flags = in.i32();
    data->style = in.i32();
    data->foreColor = in.i32();
    data->backColor = in.i32();
    data->lineSize = in.i8();
    data->spare = in.i8();
    data->lineType = in.i8();
    LogFontA font;
    font.read(in);
    data->textStyle = in.i32();
    data->shadowX = in.i8();
    data->shadowY = in.i8();
    in.seek(kPayloadLengthOffset);
    const int32_t payloadLength = in.i32();
    const char payloadKind = char(in.u8());
    const QByteArrayView body = in.view(payloadLength);

    if (data->kind == ObjectKind::Graphic && control) {
        if (!loadGraphicPayload(payloadKind, body, control->picture, error))
            return nullptr;
    } else if (data->kind == ObjectKind::Text) {
        data->font = font;
        data->rotation = font.escapement;
        if (payloadLength >= 1)
            readTextLines(body, data->lines);
    }
    return data;
}
