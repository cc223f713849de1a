#include "files/DesignJsonShape.h"

#include <limits>

#include "base/Cp1252.h"
#include "model/DesignObject.h"

namespace DesignJson {

namespace {

constexpr int64_t kI32Low = std::numeric_limits<int32_t>::min();
constexpr int64_t kI32High = std::numeric_limits<int32_t>::max();
constexpr int64_t kI8Low = -128;
constexpr int64_t kI8High = 127;

using Obj = DesignObject;
const JsonField<Obj> kObjectFields[] = {
    {"left", -kMaxCoordinate, kMaxCoordinate, [](const Obj& d) -> int64_t { return d.left; },
     [](Obj& d, int64_t v) { d.left = int(v); }},
    {"top", -kMaxCoordinate, kMaxCoordinate, [](const Obj& d) -> int64_t { return d.top; },
     [](Obj& d, int64_t v) { d.top = int(v); }},
    {"width", -kMaxCoordinate, kMaxCoordinate, [](const Obj& d) -> int64_t { return d.width; },
     [](Obj& d, int64_t v) { d.width = int(v); }},
    {"height", -kMaxCoordinate, kMaxCoordinate, [](const Obj& d) -> int64_t { return d.height; },
     [](Obj& d, int64_t v) { d.height = int(v); }},
    {"flags", kI32Low, kI32High, [](const Obj& d) -> int64_t { return d.flags; },
     [](Obj& d, int64_t v) { d.flags = int32_t(v); }},
    {"style", kI32Low, kI32High, [](const Obj& d) -> int64_t { return d.style; },
     [](Obj& d, int64_t v) { d.style = int32_t(v); }},
    {"fore_color", kI32Low, kI32High, [](const Obj& d) -> int64_t { return d.foreColor; },
     [](Obj& d, int64_t v) { d.foreColor = int32_t(v); }},
    {"back_color", kI32Low, kI32High, [](const Obj& d) -> int64_t { return d.backColor; },
     [](Obj& d, int64_t v) { d.backColor = int32_t(v); }},
    // Records keep these three in one byte each.
    {"line_size", kI8Low, kI8High, [](const Obj& d) -> int64_t { return int8_t(d.lineSize); },
     [](Obj& d, int64_t v) { d.lineSize = int32_t(v); }},
    {"spare", kI8Low, kI8High, [](const Obj& d) -> int64_t { return int8_t(d.spare); },
     [](Obj& d, int64_t v) { d.spare = int32_t(v); }},
    {"line_type", kI8Low, kI8High, [](const Obj& d) -> int64_t { return int8_t(d.lineType); },
     [](Obj& d, int64_t v) { d.lineType = int32_t(v); }},
    {"text_style", kI32Low, kI32High, [](const Obj& d) -> int64_t { return d.textStyle; },
     [](Obj& d, int64_t v) { d.textStyle = int32_t(v); }},
    {"shadow_x", kI8Low, kI8High, [](const Obj& d) -> int64_t { return d.shadowX; },
     [](Obj& d, int64_t v) { d.shadowX = int8_t(v); }},
    {"shadow_y", kI8Low, kI8High, [](const Obj& d) -> int64_t { return d.shadowY; },
     [](Obj& d, int64_t v) { d.shadowY = int8_t(v); }},
    {"rotation", kI32Low, kI32High, [](const Obj& d) -> int64_t { return d.rotation; },
     [](Obj& d, int64_t v) { d.rotation = int32_t(v); }},
};

using Font = LogFont;
const JsonField<Font> kFontFields[] = {
    {"height", kI32Low, kI32High, [](const Font& f) -> int64_t { return f.height; },
     [](Font& f, int64_t v) { f.height = int32_t(v); }},
    {"weight", kI32Low, kI32High, [](const Font& f) -> int64_t { return f.weight; },
     [](Font& f, int64_t v) { f.weight = int32_t(v); }},
    {"italic", 0, 1, [](const Font& f) -> int64_t { return f.italic; },
     [](Font& f, int64_t v) { f.italic = uint8_t(v); }, true},
    {"underline", 0, 1, [](const Font& f) -> int64_t { return f.underline; },
     [](Font& f, int64_t v) { f.underline = uint8_t(v); }, true},
    {"strikeout", 0, 1, [](const Font& f) -> int64_t { return f.strikeOut; },
     [](Font& f, int64_t v) { f.strikeOut = uint8_t(v); }, true},
    {"width", kI32Low, kI32High, [](const Font& f) -> int64_t { return f.width; },
     [](Font& f, int64_t v) { f.width = int32_t(v); }},
    {"char_set", 0, 255, [](const Font& f) -> int64_t { return f.charSet; },
     [](Font& f, int64_t v) { f.charSet = uint8_t(v); }},
    {"out_precision", 0, 255, [](const Font& f) -> int64_t { return f.outPrecision; },
     [](Font& f, int64_t v) { f.outPrecision = uint8_t(v); }},
    {"clip_precision", 0, 255, [](const Font& f) -> int64_t { return f.clipPrecision; },
     [](Font& f, int64_t v) { f.clipPrecision = uint8_t(v); }},
    {"quality", 0, 255, [](const Font& f) -> int64_t { return f.quality; },
     [](Font& f, int64_t v) { f.quality = uint8_t(v); }},
    {"pitch_and_family", 0, 255, [](const Font& f) -> int64_t { return f.pitchAndFamily; },
     [](Font& f, int64_t v) { f.pitchAndFamily = uint8_t(v); }},
};

using Layout = LayoutRecord;
const JsonField<Layout> kLayoutFields[] = {
    {"rows", kI32Low, kI32High, [](const Layout& l) -> int64_t { return l.rows; },
     [](Layout& l, int64_t v) { l.rows = int32_t(v); }},
    {"columns", kI32Low, kI32High, [](const Layout& l) -> int64_t { return l.columns; },
     [](Layout& l, int64_t v) { l.columns = int32_t(v); }},
    {"element_width", kI32Low, kI32High, [](const Layout& l) -> int64_t { return l.elementWidth; },
     [](Layout& l, int64_t v) { l.elementWidth = int32_t(v); }},
    {"element_height", kI32Low, kI32High, [](const Layout& l) -> int64_t { return l.elementHeight; },
     [](Layout& l, int64_t v) { l.elementHeight = int32_t(v); }},
    {"top_margin", kI32Low, kI32High, [](const Layout& l) -> int64_t { return l.topMargin; },
     [](Layout& l, int64_t v) { l.topMargin = int32_t(v); }},
    {"left_margin", kI32Low, kI32High, [](const Layout& l) -> int64_t { return l.leftMargin; },
     [](Layout& l, int64_t v) { l.leftMargin = int32_t(v); }},
    {"column_space", kI32Low, kI32High, [](const Layout& l) -> int64_t { return l.columnSpace; },
     [](Layout& l, int64_t v) { l.columnSpace = int32_t(v); }},
    {"row_space", kI32Low, kI32High, [](const Layout& l) -> int64_t { return l.rowSpace; },
     [](Layout& l, int64_t v) { l.rowSpace = int32_t(v); }},
    {"fold_type", 0, 255, [](const Layout& l) -> int64_t { return l.foldType; },
     [](Layout& l, int64_t v) { l.foldType = uint8_t(v); }},
    {"back_printable", 0, 255, [](const Layout& l) -> int64_t { return l.backPrintable; },
     [](Layout& l, int64_t v) { l.backPrintable = uint8_t(v); }},
    {"paper_type", 0, 255, [](const Layout& l) -> int64_t { return l.paperType; },
     [](Layout& l, int64_t v) { l.paperType = uint8_t(v); }},
    {"wizard_type", 0, 255, [](const Layout& l) -> int64_t { return l.wizardType; },
     [](Layout& l, int64_t v) { l.wizardType = uint8_t(v); }},
    {"unit", 0, 255, [](const Layout& l) -> int64_t { return l.unit; },
     [](Layout& l, int64_t v) { l.unit = uint8_t(v); }},
    {"stock_type", 0, 255, [](const Layout& l) -> int64_t { return l.stockType; },
     [](Layout& l, int64_t v) { l.stockType = uint8_t(v); }},
    {"paper_length", kI32Low, kI32High, [](const Layout& l) -> int64_t { return l.paperLength; },
     [](Layout& l, int64_t v) { l.paperLength = int32_t(v); }},
    {"paper_width", kI32Low, kI32High, [](const Layout& l) -> int64_t { return l.paperWidth; },
     [](Layout& l, int64_t v) { l.paperWidth = int32_t(v); }},
};

template <size_t N>
QByteArray hexOf(const std::array<uint8_t, N>& bytes)
{
    return Json::string(QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(N)).toHex()));
}

template <size_t N>
void readHexInto(const JsonIn& in, std::array<uint8_t, N>& bytes)
{
    const QByteArray read = in.hexBytes(qsizetype(N));
    std::copy(read.begin(), read.end(), bytes.begin());
}

// A text that must fit a fixed 8-bit field with its NUL.
QByteArray cp1252Field(const JsonIn& in, qsizetype fieldSize)
{
    const QByteArray bytes = toCp1252(in.string());
    if (bytes.size() > fieldSize - 1)
        in.fail(QStringLiteral("longer than %1 characters").arg(fieldSize - 1));
    return bytes;
}

Picture::Kind pictureKindNamed(const JsonIn& in)
{
    const QString name = in.string();
    for (Picture::Kind kind : {Picture::Kind::Bitmap, Picture::Kind::Jpeg, Picture::Kind::Metafile})
        if (name == QLatin1String(Picture::kindName(kind)))
            return kind;
    in.fail(QStringLiteral("unknown picture kind \"%1\" (bitmap, jpeg or metafile)").arg(name));
}

} // namespace

std::span<const JsonField<DesignObject>> objectFields() { return kObjectFields; }

QByteArray fontJson(const LogFont& font)
{
    JsonObject out;
    out.add("face", font.face());
    writeJsonFields<Font>(out, kFontFields, font);
    return out.toJson();
}

LogFont readFont(const JsonIn& in)
{
    LogFont font;
    font.setFace(fromCp1252(cp1252Field(in.member("face"), LogFont::kFaceSize)));
    readJsonFields<Font>(in, kFontFields, font);
    return font;
}

QByteArray layoutJson(const LayoutRecord& layout)
{
    JsonObject out;
    out.add("name", layout.displayName());
    writeJsonFields<Layout>(out, kLayoutFields, layout);
    // Bytes no field names, so that a layout written back is the one read.
    out.raw("reserved", JsonObject()
                            .raw("name_field", hexOf(layout.nameField))
                            .raw("at82", hexOf(layout.reserved82))
                            .raw("at96", hexOf(layout.reserved96))
                            .raw("at106", hexOf(layout.reserved106))
                            .add("at120", uint32_t(layout.reserved120))
                            .toJson());
    return out.toJson();
}

LayoutRecord readLayout(const JsonIn& in)
{
    LayoutRecord layout;
    const JsonIn name = in.member("name");
    const QByteArray nameBytes = cp1252Field(name, LayoutRecord::kNameSize);
    readJsonFields<Layout>(in, kLayoutFields, layout);
    const JsonIn reserved = in.member("reserved");
    readHexInto(reserved.member("name_field"), layout.nameField);
    readHexInto(reserved.member("at82"), layout.reserved82);
    readHexInto(reserved.member("at96"), layout.reserved96);
    readHexInto(reserved.member("at106"), layout.reserved106);
    layout.reserved120 = uint16_t(reserved.member("at120").integer(0, 0xFFFF));
    // The field's bytes after the name are kept only while the name is the one they follow.
    const QByteArrayView field(reinterpret_cast<const char*>(layout.nameField.data()), LayoutRecord::kNameSize);
    if (field.startsWith(nameBytes) && field[nameBytes.size()] == '\0')
        layout.name = nameBytes;
    else
        layout.setName(fromCp1252(nameBytes));
    return layout;
}

QByteArray pictureJson(const Picture& picture, bool withData)
{
    if (picture.isEmpty())
        return Json::null();
    JsonObject out;
    out.add("kind", Picture::kindName(picture.kind())).add("width", picture.width()).add("height", picture.height());
    if (withData)
        out.add("data", QString::fromLatin1(picture.streamBytes().toBase64()));
    return out.toJson();
}

Picture readPicture(const JsonIn& in)
{
    const Picture::Kind kind = pictureKindNamed(in.member("kind"));
    const JsonIn data = in.member("data");
    const QByteArray bytes = data.base64Bytes();
    // A design file finds where a bitmap or metafile ends by the length it
    // states for itself, so that length must be the data's own.
    const qint64 stated = kind == Picture::Kind::Bitmap     ? Picture::bmpStreamLength(bytes)
                          : kind == Picture::Kind::Metafile ? Picture::emfStreamLength(bytes)
                                                            : bytes.size();
    Picture picture;
    const bool loaded = stated == bytes.size() && (kind == Picture::Kind::Bitmap ? picture.loadBmp(bytes)
                        : kind == Picture::Kind::Jpeg ? picture.loadJpeg(bytes)
                                                      : picture.loadEmf(bytes));
    if (!loaded || picture.isEmpty())
        data.fail(QStringLiteral("not a readable %1 picture").arg(QLatin1String(Picture::kindName(kind))));
    return picture;
}

} // namespace DesignJson
