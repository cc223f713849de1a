#include "model/ObjectData.h"

#include <algorithm>

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

TObjectData::TObjectData(ObjectControl* control, char kind) : Control(control), Kind(kind)
{
    if (kind == ObjectKind::Text)
        Lines << QStringLiteral("Text");
}

QByteArray TObjectData::payload(char* kind) const
{
    *kind = 0;
    if (Kind == ObjectKind::Graphic) {
        if (!Control || !Control->isPicture() || Control->picture.isEmpty())
            return {};
        switch (Control->picture.kind()) {
        case Picture::Kind::Bitmap: *kind = 'B'; break;
        case Picture::Kind::Jpeg: *kind = 'J'; break;
        default: *kind = 'M'; break;
        }
        return Control->picture.streamBytes();
    }
    if (Kind == ObjectKind::Text) {
        *kind = 'T';
        QByteArray bytes;
        for (const QString& line : Lines) {
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

int32_t TObjectData::StoredSize() const
{
    char kind = 0;
    return kFixedSize + int32_t(payload(&kind).size());
}

int32_t TObjectData::SaveToRecord(QByteArray& out, int32_t zoom) const
{
    const qsizetype start = out.size();
    ByteWriter w(out);
    w.u8(uint8_t(Kind));
    const ObjectControl* c = Control;
    w.i32(c ? PixelsToUnits(c->left, zoom) : 0);
    w.i32(c ? PixelsToUnits(c->top, zoom) : 0);
    w.i32(c ? PixelsToUnits(c->height, zoom) : 0);
    w.i32(c ? PixelsToUnits(c->width, zoom) : 0);
    w.i32(Flags);
    w.i32(Style);
    w.i32(ForeColor);
    w.i32(BackColor);
    w.i8(int8_t(LineSize));
    w.i8(int8_t(Spare));
    w.i8(int8_t(LineType));
    if (Kind == ObjectKind::Text) {
        LogFontA font = Font;
        font.escapement = Rotation;
        font.orientation = Rotation;
        font.write(w);
        w.i32(TextStyle);
        w.i8(ShadowX);
        w.i8(ShadowY);
    } else {
        w.zeros(LogFontA::kSize + 6);
    }
    w.zeros(64);
    char kind = 0;
    const QByteArray body = payload(&kind);
    w.i32(int32_t(body.size()));
    w.u8(uint8_t(kind));
    w.bytes(body);
    return int32_t(out.size() - start);
}

QByteArray TObjectData::toRecord(int32_t zoom) const
{
    QByteArray out;
    SaveToRecord(out, zoom);
    return out;
}

qsizetype ObjectRecordSize(QByteArrayView data)
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
    return std::clamp(UnitsToPixels(units, zoom), -kMaxPixelCoordinate, kMaxPixelCoordinate);
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
                *error = QStringLiteral("unreadable bitmap");
            return false;
        }
        return true;
    case 'M':
        if (!picture.loadEmf(payload)) {
            if (error)
                *error = QStringLiteral("unreadable metafile");
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

std::unique_ptr<TObjectData> TObjectData::fromRecord(ObjectControl* control, QByteArrayView record, int32_t zoom,
                                                     bool keepInside, QSize surfacePixels, QString* error)
{
    const qsizetype size = ObjectRecordSize(record);
    if (size < 0) {
        if (error)
            *error = QStringLiteral("truncated object record");
        return nullptr;
    }
    ByteReader in(record.first(size));
    auto data = std::make_unique<TObjectData>(control, char(in.u8()));
    data->Lines.clear();
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
    data->Flags = in.i32();
    data->Style = in.i32();
    data->ForeColor = in.i32();
    data->BackColor = in.i32();
    data->LineSize = in.i8();
    data->Spare = in.i8();
    data->LineType = in.i8();
    LogFontA font;
    font.read(in);
    data->TextStyle = in.i32();
    data->ShadowX = in.i8();
    data->ShadowY = in.i8();
    in.seek(kPayloadLengthOffset);
    const int32_t payloadLength = in.i32();
    const char payloadKind = char(in.u8());
    const QByteArrayView body = in.view(payloadLength);

    if (data->Kind == ObjectKind::Graphic && control) {
        if (!loadGraphicPayload(payloadKind, body, control->picture, error))
            return nullptr;
    } else if (data->Kind == ObjectKind::Text) {
        data->Font = font;
        data->Rotation = font.escapement;
        if (payloadLength >= 1)
            readTextLines(body, data->Lines);
    }
    return data;
}
