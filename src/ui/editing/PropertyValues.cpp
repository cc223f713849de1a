#include "ui/editing/PropertyValues.h"

#include <algorithm>
#include <cmath>

#include "imaging/Dib.h"
#include "imaging/Picture.h"
#include "ui/editing/EditingTexts.h"

namespace PropertyValues {

namespace T = EditingTexts;

QRect typedRect(const QRect& object, std::optional<int> left, std::optional<int> top, std::optional<int> width,
                std::optional<int> height)
{
    QRect r = object;
    if (left)
        r.moveLeft(*left);
    if (top)
        r.moveTop(*top);
    if (width)
        r.setWidth(std::max(0, *width));
    if (height)
        r.setHeight(std::max(0, *height));
    return r;
}

std::optional<int> integerIn(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

const std::array<NamedColor, 16>& namedColors()
{
    static const std::array<NamedColor, 16> colors{{
        {"Black", 0x000000},  {"Maroon", 0x000080}, {"Green", 0x008000},   {"Olive", 0x008080},
        {"Navy", 0x800000},   {"Purple", 0x800080}, {"Teal", 0x808000},    {"Gray", 0x808080},
        {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},    {"Lime", 0x00FF00},    {"Yellow", 0x00FFFF},
        {"Blue", 0xFF0000},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00},   {"White", 0xFFFFFF},
    }};
    return colors;
}

int namedColorIndex(int32_t colorRef)
{
    const auto& colors = namedColors();
    for (size_t i = 0; i < colors.size(); ++i)
        if (colors[i].colorRef == colorRef)
            return int(i);
    return -1;
}

QStringList textStyleNames() { return {T::TextWrap, T::TextNoWrap, T::BarCode, T::ArcText}; }

namespace {

ParamList list(const QString& label, const QStringList& items, const QList<int>& values, int selected)
{
    return ParamList{label, items, values, selected, true};
}

ParamList hidden(const QString& item)
{
    return ParamList{QString(), {item}, {0}, 0, false};
}

} // namespace

StyleLists styleLists(int style, int byte1, int byte2, int byte3)
{
    StyleLists lists;
    if (style == 2) {
        lists.params[0] = list(T::BarCodeTypeLabel, T::barCodeTypes(), {0, 1, 2, 3, 4},
                               byte1 >= 0 && byte1 < 5 ? byte1 : -1);
        lists.params[1] = list(T::ShowTextLabel, {T::No, T::Yes}, {0, 1}, byte2 == -1 ? 1 : (byte2 == 0 || byte2 == 1 ? byte2 : -1));
        lists.params[2] = list(T::BarWidthLabel, {"1", "2", "3", "4", "5"}, {1, 2, 3, 4, 5},
                               byte3 <= 0 ? 1 : (byte3 <= 5 ? byte3 - 1 : -1));
        return lists;
    }
    if (style == 3) {
        lists.params[0] = list(T::SubStyleLabel, T::arcSubStyles(), {0, 1, 2}, byte1 >= 0 && byte1 < 3 ? byte1 : -1);
        const QList<int> steps{-12, -6, 0, 6, 12};
        const int step = byte2 == -1 ? -12 : byte2;
        lists.params[1] = list(T::StartDegreesLabel, {"-180", "-90", "0", "90", "180"}, steps, int(steps.indexOf(step)));
        lists.params[2] = hidden(QStringLiteral("0"));
        return lists;
    }
    lists.params[0] = hidden(T::NoParameter);
    lists.params[1] = hidden(QStringLiteral("0"));
    lists.params[2] = hidden(QStringLiteral("0"));
    return lists;
}

StyleLists styleListsForNewStyle(int style) { return styleLists(style, 0, -1, -1); }

int32_t packTextStyle(int style, const StyleLists& lists, const std::array<int, 3>& selected, int32_t previous)
{
    if (style < 0 || style > 3)
        return previous;
    int bytes[4] = {style, (previous >> 8) & 0xFF, (previous >> 16) & 0xFF, (previous >> 24) & 0xFF};
    for (int i = 0; i < 3; ++i) {
        const ParamList& p = lists.params[size_t(i)];
        const int at = selected[size_t(i)];
        if (at >= 0 && at < p.values.size())
            bytes[i + 1] = p.values[at];
    }
    return int32_t(uint32_t(bytes[0] & 0xFF) | (uint32_t(bytes[1] & 0xFF) << 8) | (uint32_t(bytes[2] & 0xFF) << 16) |
                   (uint32_t(bytes[3] & 0xFF) << 24));
}

QString pictureSizeText(const Picture& picture)
{
    return QString::number(picture.width()) + QStringLiteral(" x ") + QString::number(picture.height());
}

QString pictureTypeText(const Picture& picture)
{
    switch (picture.kind()) {
    case Picture::Kind::Bitmap: return T::BitmapType;
    case Picture::Kind::Jpeg: return T::JpegType;
    case Picture::Kind::Metafile: return T::EmfType;
    case Picture::Kind::None: break;
    }
    return QString();
}

namespace {

struct Depth {
    int bits;
    const char* text;
    int b;
    int p;
};

const Depth kDepths[] = {
    {1, "1 bit (2 color)", 1, 2},           {4, "4 bit (16 colors)", 4, 16},
    {8, "8 bit (256 Colors)", 8, 256},      {15, "16 bit (HiColor)", 16, 0},
    {16, "16 bit (HiColor)", 16, 0},        {24, "24 bit (16 Million Colors)", 24, 0},
    {32, "32 bit (True Color)", 32, 0},
};

const Depth* depthOf(int bits)
{
    for (const Depth& d : kDepths)
        if (d.bits == bits)
            return &d;
    return nullptr;
}

} // namespace

QString colorDepthText(int bitsPerPixel)
{
    const Depth* d = depthOf(bitsPerPixel);
    return d ? QString::fromLatin1(d->text) : T::CustomDepth;
}

QString storedSizeText(int bitsPerPixel, int width, int height)
{
    const Depth* d = depthOf(bitsPerPixel);
    if (!d)
        return T::UnknownSize;
    const int64_t size = (int64_t(d->b) * width + 31) / 32 * 4 * height + 4 * d->p + 40;
    return QString::number(size) + T::Bytes;
}

int bitmapBitsPerPixel(const Picture& picture)
{
    if (picture.kind() != Picture::Kind::Bitmap)
        return 0;
    const DibDescription dib = describeDib(bmpFileToDib(picture.streamBytes()));
    return dib.ok ? dib.bitsPerPixel : 0;
}

QSize aspectFromWidth(QSize object, QSize picture)
{
    if (picture.width() <= 0)
        return object;
    return QSize(object.width(), int(int64_t(object.width()) * picture.height() / picture.width()));
}

QSize aspectFromHeight(QSize object, QSize picture)
{
    if (picture.height() <= 0)
        return object;
    return QSize(int(int64_t(object.height()) * picture.width() / picture.height()), object.height());
}

QFont dialogFont(const LogFont& font)
{
    QFont f(font.face());
    f.setPointSize(std::max(1, font.pointSize()));
    f.setWeight(QFont::Weight(std::clamp(font.weight == 0 ? 400 : font.weight, 1, 1000)));
    f.setItalic(font.italic != 0);
    f.setUnderline(font.underline != 0);
    f.setStrikeOut(font.strikeOut != 0);
    return f;
}

LogFont fontAfterDialog(const LogFont& stored, const QFont& offered, const QFont& chosen)
{
    LogFont font = stored;
    if (chosen.family() != offered.family())
        font.setFace(chosen.family());
    if (chosen.pointSize() != offered.pointSize() && chosen.pointSize() > 0)
        font.setPointSize(chosen.pointSize());
    if (chosen.weight() != offered.weight())
        font.weight = int(chosen.weight());
    if (chosen.italic() != offered.italic())
        font.italic = chosen.italic() ? 1 : 0;
    if (chosen.underline() != offered.underline())
        font.underline = chosen.underline() ? 1 : 0;
    if (chosen.strikeOut() != offered.strikeOut())
        font.strikeOut = chosen.strikeOut() ? 1 : 0;
    return font;
}

LogFont fontFromPage(const LogFont& stored, const QString& face, std::optional<int> points, bool bold,
                      bool italic, bool underline, bool strikeOut)
{
    LogFont font = stored;
    if (!face.isEmpty() && points) {
        if (face.compare(stored.face(), Qt::CaseInsensitive) != 0)
            font.setFace(face);
        if (*points != stored.pointSize() && *points > 0)
            font.setPointSize(*points);
    }
    if (bold != stored.bold())
        font.weight = bold ? 700 : 400;
    if (italic != (stored.italic != 0))
        font.italic = italic ? 1 : 0;
    if (underline != (stored.underline != 0))
        font.underline = underline ? 1 : 0;
    if (strikeOut != (stored.strikeOut != 0))
        font.strikeOut = strikeOut ? 1 : 0;
    return font;
}

QString entryToBox(const QString& entry)
{
    QString text = entry;
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString boxToEntry(const QString& text)
{
    QString entry = text;
    entry.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return entry.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

} // namespace PropertyValues
