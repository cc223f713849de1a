#include "gdi/LogFont.h"

#include <QtMath>

#include "base/ByteStream.h"
#include "base/Cp1252.h"

#include <cmath>
#include <cstring>

LogFont::LogFont() { setFace(QStringLiteral("Arial")); }

QString LogFont::face() const
{
    qsizetype length = 0;
    while (length < kFaceSize && faceName[length] != '\0')
        ++length;
    return fromCp1252(QByteArrayView(faceName.data(), length));
}

void LogFont::setFace(const QString& name)
{
    faceName.fill(0);
    const QByteArray bytes = toCp1252(name);
    std::memcpy(faceName.data(), bytes.constData(), size_t(std::min<qsizetype>(bytes.size(), kFaceSize - 1)));
}

int LogFont::pointSize() const
{
    return int(std::lround(std::abs(height) * 72.0 / kLogicalUnitsPerInch));
}

void LogFont::setPointSize(int points) { height = -int(std::lround(points * double(kLogicalUnitsPerInch) / 72.0)); }

void LogFont::read(ByteReader& in)
{
    height = in.i32();
    width = in.i32();
    escapement = in.i32();
    orientation = in.i32();
    weight = in.i32();
    italic = in.u8();
    underline = in.u8();
    strikeOut = in.u8();
    charSet = in.u8();
    outPrecision = in.u8();
    clipPrecision = in.u8();
    quality = in.u8();
    pitchAndFamily = in.u8();
    faceName.fill(0);
    in.read(faceName.data(), kFaceSize);
}

void LogFont::write(ByteWriter& out) const
{
    out.i32(height);
    out.i32(width);
    out.i32(escapement);
    out.i32(orientation);
    out.i32(weight);
    out.u8(italic);
    out.u8(underline);
    out.u8(strikeOut);
    out.u8(charSet);
    out.u8(outPrecision);
    out.u8(clipPrecision);
    out.u8(quality);
    out.u8(pitchAndFamily);
    out.bytes(QByteArrayView(faceName.data(), kFaceSize));
}

QByteArray LogFont::toBytes() const
{
    QByteArray bytes;
    ByteWriter out(bytes);
    write(out);
    return bytes;
}

LogFont LogFont::fromBytes(QByteArrayView bytes)
{
    LogFont font;
    ByteReader in(bytes);
    font.read(in);
    return font;
}

QFont LogFont::toQFont() const
{
    QFont font(face());
    // A positive height is the character cell; approximate the em as 87 % of it.
    const int pixels = height < 0 ? -height : (height == 0 ? 16 : std::max(1, int(height * 0.87)));
    font.setPixelSize(std::max(1, pixels));
    font.setWeight(QFont::Weight(std::clamp(weight == 0 ? 400 : weight, 1, 1000)));
    font.setItalic(italic != 0);
    font.setUnderline(underline != 0);
    font.setStrikeOut(strikeOut != 0);
    if (width > 0) {
        // A given width stretches against the font's own average width (about half the em).
        const double natural = std::max(1.0, pixels * 0.5);
        font.setStretch(std::clamp(int(std::lround(width / natural * 100)), 1, 4000));
    }
    return font;
}

LogFont LogFont::fromQFont(const QFont& font)
{
    LogFont lf;
    lf.setFace(font.family());
    if (font.pixelSize() > 0)
        lf.height = -font.pixelSize();
    else
        lf.height = -int(std::lround(font.pointSizeF() * kLogicalUnitsPerInch / 72.0));
    lf.weight = int(font.weight());
    lf.italic = font.italic() ? 1 : 0;
    lf.underline = font.underline() ? 1 : 0;
    lf.strikeOut = font.strikeOut() ? 1 : 0;
    return lf;
}

bool LogFont::operator==(const LogFont& other) const { return toBytes() == other.toBytes(); }
