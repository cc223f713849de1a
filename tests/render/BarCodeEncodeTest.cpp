// Module patterns and check digits of the five symbologies.

#include <gtest/gtest.h>

#include <functional>

#include "RenderTestSupport.h"
#include "render/BarCode.h"

namespace {

// POSTNET bars written as F (full) and H (half), from the USPS digit table,
// frame bars included; each is the reference the encoder must reproduce.
QString barsOf(const QString& modules)
{
    QString bars;
    for (qsizetype i = 0; i < modules.size(); i += 5)
        bars += modules[i] == '2' ? 'F' : 'H';
    return bars;
}

struct PostNetCase {
    const char* text;
    const char* bars;
    int check;
};

TEST(PostNetEncoding, MatchesReferenceBars)
{
    const PostNetCase cases[] = {
        // ZIP 12345, sum 15, check 5
        {"12345", "F" "HHHFF" "HHFHF" "HHFFH" "HFHHF" "HFHFH" "HFHFH" "F", 5},
        // ZIP+4 with the dash ignored, sum 45, check 5
        {"12345-6789", "F" "HHHFF" "HHFHF" "HHFFH" "HFHHF" "HFHFH" "HFFHH" "FHHHF" "FHHFH" "FHFHH" "HFHFH" "F", 5},
        // delivery point (11 digits), sum 46, check 4
        {"12345678901", "F" "HHHFF" "HHFHF" "HHFFH" "HFHHF" "HFHFH" "HFFHH" "FHHHF" "FHHFH" "FHFHH" "FFHHH" "HHHFF"
                        "HFHHF" "F", 4},
        // twelve digits are refused
        {"55555 55555 00", nullptr, 0},
        {"00000000000", "F" "FFHHH" "FFHHH" "FFHHH" "FFHHH" "FFHHH" "FFHHH" "FFHHH" "FFHHH" "FFHHH" "FFHHH" "FFHHH"
                        "FFHHH" "F", 0},
        {"90210", "F" "FHFHH" "FFHHH" "HHFHF" "HHHFF" "FFHHH" "FHHFH" "F", 8},
    };
    for (const PostNetCase& c : cases) {
        SCOPED_TRACE(c.text);
        const BarCodePattern p = encodePostNet(QString::fromLatin1(c.text));
        if (!c.bars) {
            EXPECT_FALSE(p.ok);
            continue;
        }
        ASSERT_TRUE(p.ok);
        EXPECT_EQ(p.checkDigit, c.check);
        EXPECT_EQ(barsOf(p.modules), QString::fromLatin1(c.bars));
        EXPECT_TRUE(p.modules.endsWith("22"));
        EXPECT_EQ(p.moduleWidth, 1);
        EXPECT_EQ(p.barHeight, 11);
    }
}

TEST(PostNetEncoding, ModuleCountAndHalfBars)
{
    const BarCodePattern p = encodePostNet("12345");
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.modules.size(), 5 + 25 * 6 + 2);
    EXPECT_TRUE(p.modules.startsWith("22000" "11000"));
}

struct EncodeCase {
    const char* name;
    std::function<BarCodePattern(const QString&)> encode;
    const char* text;
    bool ok;
    int check;
    int modules;
    const char* digits;
};

TEST(BarCodeEncoding, ChecksAndLengths)
{
    const auto upc = [](const QString& t) { return encodeUpcA(t); };
    const auto ean8 = [](const QString& t) { return encodeEan(t, 8); };
    const auto ean13 = [](const QString& t) { return encodeEan(t, 13); };
    const auto code39 = [](const QString& t) { return encodeCode39(t); };
    const auto postnet = [](const QString& t) { return encodePostNet(t); };
    const EncodeCase cases[] = {
        {"upc", upc, "03600029145", true, 2, 95, "036000291452"},
        {"upc 0 check", upc, "01234567890", true, 5, 95, "012345678905"},
        {"upc too short", upc, "0360002914", false, -1, 0, ""},
        {"upc 12 digits", upc, "036000291452", false, -1, 0, ""},
        {"upc letter", upc, "0360002914A", false, -1, 0, ""},
        {"ean13", ean13, "400638133393", true, 1, 95, "4006381333931"},
        {"ean13 with check", ean13, "4006381333931", false, -1, 0, ""},
        {"ean13 spaces", ean13, "4 006381 33393", true, 1, 95, "4006381333931"},
        {"ean13 dash", ean13, "400638-133393", false, -1, 0, ""},
        {"ean8", ean8, "9638507", true, 4, 67, "96385074"},
        {"ean8 space", ean8, "963 8507", true, 4, 67, "96385074"},
        {"ean8 short", ean8, "963850", false, -1, 0, ""},
        {"code39 lower", code39, "abc", true, -1, 25 + 13 * 3, ""},
        {"code39 symbols", code39, "-. $/+%", true, -1, 25 + 13 * 7, ""},
        {"code39 underscore", code39, "a_b", false, -1, 0, ""},
        {"code39 star", code39, "A*B", false, -1, 0, ""},
        {"code39 37 chars", code39, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-", true, -1, 25 + 13 * 37, ""},
        {"code39 38 chars", code39, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-.", false, -1, 0, ""},
        {"postnet 4 digits", postnet, "1234", false, -1, 0, ""},
        {"postnet letters only", postnet, "ABCDE", false, -1, 0, ""},
    };
    for (const EncodeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const BarCodePattern p = c.encode(QString::fromLatin1(c.text));
        EXPECT_EQ(p.ok, c.ok);
        if (!c.ok) {
            EXPECT_TRUE(p.modules.isEmpty());
            continue;
        }
        EXPECT_EQ(p.modules.size(), c.modules);
        if (c.check >= 0) {
            EXPECT_EQ(p.checkDigit, c.check);
        }
        if (*c.digits) {
            EXPECT_EQ(p.digits, QString::fromLatin1(c.digits));
        }
    }
}

TEST(BarCodeEncoding, GuardsAndSetsOfUpcAndEan)
{
    // Start, centre and end guards sit where readers look for them.
    const BarCodePattern upc = encodeUpcA("03600029145");
    ASSERT_TRUE(upc.ok);
    EXPECT_EQ(upc.modules.left(3), "202");
    EXPECT_EQ(upc.modules.mid(45, 5), "02020");
    EXPECT_EQ(upc.modules.right(3), "202");
    // Digit 0 in the L set, check digit 2 in the R set.
    EXPECT_EQ(upc.modules.mid(3, 7), "0002202");
    EXPECT_EQ(upc.modules.mid(85, 7), "2202200");

    // EAN-13 first digit 4 gives parity LGLLGG: digit 2 ('0') is L, digit 3 ('0') is G.
    const BarCodePattern ean = encodeEan13("400638133393");
    ASSERT_TRUE(ean.ok);
    EXPECT_EQ(ean.modules.mid(3, 7), "0002202");
    EXPECT_EQ(ean.modules.mid(10, 7), "0200222");
}

TEST(BarCodeEncoding, Code39CharactersAreTwelveModulesWithThreeWide)
{
    const BarCodePattern p = encodeCode39("0");
    ASSERT_TRUE(p.ok);
    // start '*' + gap, '0' + gap, stop '*'
    EXPECT_EQ(p.modules, "200202202202" "0" "202002202202" "0" "200202202202");
}

TEST(BarCodeEncoding, UnknownTypeFails)
{
    EXPECT_FALSE(encodeBarCode("12345", 5).ok);
    EXPECT_FALSE(encodeBarCode("12345", -1).ok);
    EXPECT_TRUE(encodeBarCode("12345", BarCodeType::PostNet).ok);
}

} // namespace
