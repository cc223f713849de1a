#pragma once
// A font as stored files hold it: the 60-byte LOGFONTA record. The QFont is
// only a view of it, so a record read and written back is byte-identical.

#include <QByteArray>
#include <QFont>
#include <QString>
#include <array>
#include <cstdint>

class ByteReader;
class ByteWriter;

struct LogFont {
    static constexpr int kSize = 60;
    static constexpr int kFaceSize = 32;
    static constexpr int kLogicalUnitsPerInch = 96;

    int32_t height = -16;  // negative: em height in logical units
    int32_t width = 0;
    int32_t escapement = 0;  // tenths of a degree, counter-clockwise
    int32_t orientation = 0;
    int32_t weight = 400;
    uint8_t italic = 0;
    uint8_t underline = 0;
    uint8_t strikeOut = 0;
    uint8_t charSet = 1;  // default character set
    uint8_t outPrecision = 0;
    uint8_t clipPrecision = 0;
    uint8_t quality = 0;
    uint8_t pitchAndFamily = 0;
    std::array<char, kFaceSize> faceName{};

    LogFont();  // "Arial", 12 points

    QString face() const;
    void setFace(const QString& name);
    // Points from the height at 96 logical units per inch (−16 ⇄ 12 pt).
    int pointSize() const;
    void setPointSize(int points);
    bool bold() const { return weight >= 600; }

    void read(ByteReader& in);
    void write(ByteWriter& out) const;
    QByteArray toBytes() const;
    static LogFont fromBytes(QByteArrayView bytes);

    // The font to draw with where one logical unit is one pixel; escapement is
    // not part of the QFont (the canvas rotates instead).
    QFont toQFont() const;
    static LogFont fromQFont(const QFont& font);

    bool operator==(const LogFont& other) const;
};
