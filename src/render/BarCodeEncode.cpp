// The five symbologies' module patterns and check digits.

#include "render/BarCode.h"

#include <algorithm>
#include <array>

namespace {

constexpr char kCode39Chars[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. *$/+%";
// Bars and spaces alternating, starting with a bar; 'w' wide, 'n' narrow.
constexpr std::array<const char*, 44> kCode39Widths = {
    "nnnwwnwnn", "wnnwnnnnw", "nnwwnnnnw", "wnwwnnnnn", "nnnwwnnnw", "wnnwwnnnn", "nnwwwnnnn", "nnnwnnwnw",
    "wnnwnnwnn", "nnwwnnwnn", "wnnnnwnnw", "nnwnnwnnw", "wnwnnwnnn", "nnnnwwnnw", "wnnnwwnnn", "nnwnwwnnn",
    "nnnnnwwnw", "wnnnnwwnn", "nnwnnwwnn", "nnnnwwwnn", "wnnnnnnww", "nnwnnnnww", "wnwnnnnwn", "nnnnwnnww",
    "wnnnwnnwn", "nnwnwnnwn", "nnnnnnwww", "wnnnnnwwn", "nnwnnnwwn", "nnnnwnwwn", "wwnnnnnnw", "nwwnnnnnw",
    "wwwnnnnnn", "nwnnwnnnw", "wwnnwnnnn", "nwwnwnnnn", "nwnnnnwnw", "wwnnnnwnn", "nwwnnnwnn", "nwnnwnwnn",
    "nwnwnwnnn", "nwnwnnnwn", "nwnnnwnwn", "nnnwnwnwn"};
constexpr int kCode39MaxChars = 37;

// L set (odd parity) of the UPC/EAN digits; R is its complement, G its mirror of R.
constexpr std::array<const char*, 10> kLSet = {"0001101", "0011001", "0010011", "0111101", "0100011",
                                               "0110001", "0101111", "0111011", "0110111", "0001011"};
// Parity of digits 2 to 7 of an EAN-13 by its first digit ('L' or 'G').
constexpr std::array<const char*, 10> kEan13Parity = {"LLLLLL", "LLGLGG", "LLGGLG", "LLGGGL", "LGLLGG",
                                                      "LGGLLG", "LGGGLL", "LGLGLG", "LGLGGL", "LGGLGL"};
constexpr char kGuard[] = "202";
constexpr char kCentreGuard[] = "02020";

// Full bars of each POSTNET digit.
constexpr std::array<const char*, 10> kPostNetBars = {"11000", "00011", "00101", "00110", "01001",
                                                      "01010", "01100", "10001", "10010", "10100"};

QString asModules(const char* bits)
{
    QString out;
    for (const char* p = bits; *p; ++p)
        out += *p == '1' ? '2' : '0';
    return out;
}

QString lCode(int digit) { return asModules(kLSet[size_t(digit)]); }

QString rCode(int digit)
{
    QString out;
    for (const char* p = kLSet[size_t(digit)]; *p; ++p)
        out += *p == '1' ? '0' : '2';
    return out;
}

QString gCode(int digit)
{
    QString r = rCode(digit);
    std::reverse(r.begin(), r.end());
    return r;
}

// Weighted sum rule shared by UPC and EAN: weights alternate starting with
// firstWeight; the check digit tops the sum up to a multiple of ten.
int checkDigit(const QString& digits, int firstWeight)
{
    int sum = 0;
    int weight = firstWeight;
    for (QChar c : digits) {
        sum += weight * c.digitValue();
        weight = weight == 3 ? 1 : 3;
    }
    const int c = sum % 10;
    return c == 0 ? 0 : 10 - c;
}

bool allDigits(const QString& text)
{
    for (QChar c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

BarCodePattern failed() { return {}; }

BarCodePattern finished(QString modules, QString digits, int check)
{
    BarCodePattern p;
    if (modules.size() > kMaxPatternModules)
        return failed();
    p.ok = true;
    p.modules = std::move(modules);
    p.digits = std::move(digits);
    p.checkDigit = check;
    return p;
}

} // namespace

BarCodePattern encodeCode39(const QString& text)
{
    if (text.size() > kCode39MaxChars)
        return failed();
    auto encodeChar = [](QChar c, QString& out) {
        const char* found = nullptr;
        for (int i = 0; kCode39Chars[i]; ++i)
            if (c == QChar(kCode39Chars[i]))
                found = kCode39Widths[size_t(i)];
        if (!found)
            return false;
        for (int i = 0; found[i]; ++i) {
            const QChar module = i % 2 == 0 ? '2' : '0';
            out += module;
            if (found[i] == 'w')
                out += module;
        }
        return true;
    };
    QString modules;
    encodeChar('*', modules);
    modules += '0';
    for (QChar c : text) {
        const QChar upper = c.toUpper();
        if (upper == '*' || upper.unicode() > 0x7F || !encodeChar(upper, modules))
            return failed();
        modules += '0';
    }
    encodeChar('*', modules);
    return finished(modules, QString(), -1);
}

BarCodePattern encodePostNet(const QString& text)
{
    QString digits;
    for (QChar c : text)
        if (c >= '0' && c <= '9')
            digits += c;
    if (digits.size() != 5 && digits.size() != 9 && digits.size() != 11)
        return failed();
    int sum = 0;
    for (QChar c : digits)
        sum += c.digitValue();
    const int check = (10 - sum % 10) % 10;
    QString modules = QStringLiteral("22000");
    for (QChar c : digits + QString::number(check))
        for (const char* p = kPostNetBars[size_t(c.digitValue())]; *p; ++p)
            modules += *p == '1' ? QStringLiteral("22000") : QStringLiteral("11000");
    modules += QStringLiteral("22");
    BarCodePattern p = finished(modules, digits + QString::number(check), check);
    p.moduleWidth = 1;
    p.barHeight = 11;
    return p;
}

BarCodePattern encodeUpcA(const QString& text)
{
    if (text.size() != 11 || !allDigits(text))
        return failed();
    const int check = checkDigit(text, 3);
    const QString digits = text + QString::number(check);
    QString modules = kGuard;
    for (int i = 0; i < 6; ++i)
        modules += lCode(digits[i].digitValue());
    modules += kCentreGuard;
    for (int i = 6; i < 12; ++i)
        modules += rCode(digits[i].digitValue());
    modules += kGuard;
    return finished(modules, digits, check);
}

BarCodePattern encodeEan8(const QString& text)
{
    if (text.size() != 7 || !allDigits(text))
        return failed();
    const int check = checkDigit(text, 3);
    const QString digits = text + QString::number(check);
    QString modules = kGuard;
    for (int i = 0; i < 4; ++i)
        modules += lCode(digits[i].digitValue());
    modules += kCentreGuard;
    for (int i = 4; i < 8; ++i)
        modules += rCode(digits[i].digitValue());
    modules += kGuard;
    return finished(modules, digits, check);
}

BarCodePattern encodeEan13(const QString& text)
{
    if (text.size() != 12 || !allDigits(text))
        return failed();
    const int check = checkDigit(text, 1);
    const QString digits = text + QString::number(check);
    const char* parity = kEan13Parity[size_t(digits[0].digitValue())];
    QString modules = kGuard;
    for (int i = 1; i < 7; ++i)
        modules += parity[i - 1] == 'G' ? gCode(digits[i].digitValue()) : lCode(digits[i].digitValue());
    modules += kCentreGuard;
    for (int i = 7; i < 13; ++i)
        modules += rCode(digits[i].digitValue());
    modules += kGuard;
    return finished(modules, digits, check);
}

BarCodePattern encodeEan(const QString& text, int length)
{
    QString digits;
    for (QChar c : text) {
        if (c == ' ')
            continue;
        if (c < '0' || c > '9')
            return failed();
        if (digits.size() < 13)
            digits += c;
    }
    if (length == 8)
        return encodeEan8(digits);
    if (length == 13)
        return encodeEan13(digits);
    return failed();
}

BarCodePattern encodeBarCode(const QString& text, int type)
{
    switch (type) {
    case BarCodeType::PostNet: return encodePostNet(text);
    case BarCodeType::UpcA: return encodeUpcA(text);
    case BarCodeType::Code39: return encodeCode39(text);
    case BarCodeType::Ean8: return encodeEan(text, 8);
    case BarCodeType::Ean13: return encodeEan(text, 13);
    default: return failed();
    }
}
