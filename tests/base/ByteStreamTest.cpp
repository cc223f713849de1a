#include <gtest/gtest.h>

#include "base/ByteStream.h"
#include "base/Cp1252.h"

TEST(ByteStream, ReadsLittleEndianAndLatchesOnOverrun)
{
    const QByteArray bytes("\x01\x02\x03\x04\xFF\xFE", 6);
    ByteReader in(bytes);
    EXPECT_EQ(in.u32(), 0x04030201u);
    EXPECT_EQ(in.i16(), -257);
    EXPECT_TRUE(in.ok());
    EXPECT_EQ(in.u8(), 0);
    EXPECT_FALSE(in.ok());
    EXPECT_EQ(in.u32(), 0u);  // stays failed

    ByteReader shortRead(bytes);
    EXPECT_TRUE(shortRead.bytes(7).isEmpty());
    EXPECT_FALSE(shortRead.ok());
    ByteReader negative(bytes);
    EXPECT_FALSE(negative.skip(-1));
    ByteReader seek(bytes);
    EXPECT_FALSE(seek.seek(7));
}

TEST(ByteStream, FixedStringsStopAtNulAndPad)
{
    QByteArray out;
    ByteWriter w(out);
    w.fixedString("abcdef", 4);
    w.fixedString("xy", 4);
    w.i32(-2);
    EXPECT_EQ(out, QByteArray("abc\0xy\0\0\xFE\xFF\xFF\xFF", 12));
    ByteReader in(out);
    EXPECT_EQ(in.fixedString(4), "abc");
    EXPECT_EQ(in.fixedString(4), "xy");
    EXPECT_EQ(in.i32(), -2);
    w.patchU32(100, 1);  // out of range: ignored
    EXPECT_EQ(out.size(), 12);
}

TEST(Cp1252, RoundTripsItsOwnCharacters)
{
    const QByteArray all = [] {
        QByteArray b;
        for (int i = 1; i < 256; ++i)
            b.append(char(i));
        return b;
    }();
    EXPECT_EQ(toCp1252(fromCp1252(all)), all);
    EXPECT_EQ(fromCp1252("\x80\xe9"), QString::fromUtf8("\u20ac\u00e9"));
    EXPECT_EQ(toCp1252(QString::fromUtf8("\u4e2d")), "?");
    EXPECT_EQ(pathFromBytes("/tmp/caf\xc3\xa9"), QString::fromUtf8("/tmp/caf\u00e9"));
    EXPECT_EQ(pathFromBytes("/tmp/caf\xe9"), QString::fromUtf8("/tmp/caf\u00e9"));
}
