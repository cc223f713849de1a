#include "base/Cp1252.h"

#include <QStringDecoder>

namespace {
// Code points of bytes 0x80..0x9F; the five undefined bytes map to C1 controls.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char byteForCodePoint(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}
} // namespace

QString fromCp1252(QByteArrayView bytes)
{
    QString out;
    out.resize(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<uint8_t>(bytes[i]);
        out[i] = QChar(b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char16_t(b));
    }
    return out;
}

QByteArray toCp1252(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text)
        out.append(byteForCodePoint(c.unicode()));
    return out;
}

bool isValidUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString ignored = decoder.decode(bytes);
    return !decoder.hasError();
}

QString pathFromBytes(QByteArrayView bytes)
{
    return isValidUtf8(bytes) ? QString::fromUtf8(bytes) : fromCp1252(bytes);
}
