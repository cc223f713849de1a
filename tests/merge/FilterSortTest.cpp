// Filter and sort files and the strings the data provider receives.

#include <gtest/gtest.h>

#include "MergeFixtures.h"
#include "merge/FilterSort.h"

namespace {

TEST(FilterFile, VersionOneIsConvertedAndRewritten)
{
    QTemporaryDir dir;
    const QString link = dir.filePath("list.csv");
    writeFileBytes(link + ".flt", "~FIELD FILTER 1.0~\r\nName contains Ann\r\nOR\r\nCity contains O'Rome\r\n");
    EXPECT_EQ(FilterSort::loadFilter(link), "name LIKE '%ann%'\r\nor\r\ncity LIKE '%o''rome%'\r\n");
    EXPECT_EQ(readFileBytes(link + ".flt"),
              QByteArray("~FIELD FILTER 2.0~\r\nname LIKE '%ann%'\r\nor\r\ncity LIKE '%o''rome%'\r\n"));
    // Loading again reads the converted file as it is.
    EXPECT_EQ(FilterSort::loadFilter(link), "name LIKE '%ann%'\r\nor\r\ncity LIKE '%o''rome%'\r\n");
}

TEST(FilterFile, HeadersAndLineEnds)
{
    QTemporaryDir dir;
    const QString link = dir.filePath("x.csv");
    struct Case {
        QByteArray filter;
        QByteArray sort;
        QString filterText;
        QString sortText;
    };
    const std::vector<Case> cases = {
        {"~FIELD FILTER 2.0~\nA= '1'\nAND\rB= '2'", "~FIELD SORT 2.0~\rA ASC\nB DESC", "A= '1'\r\nAND\r\nB= '2'\r\n",
         "A ASC\r\nB DESC\r\n"},
        {"~FIELD FILTER 3.0~\r\nA= '1'\r\n", "~FIELD SORT 1.0~\r\nA ASC\r\n", "", ""},
        {"", "", "", ""},
        {"~FIELD FILTER 2.0~\r\nN= 'Jos\xC3\xA9'\r\n", "~FIELD SORT 2.0~\r\nN\xE9 ASC\r\n",
         QString::fromUtf8("N= 'Jos\xC3\xA9'\r\n"), QString::fromUtf8("N\xC3\xA9 ASC\r\n")},
    };
    for (const Case& c : cases) {
        writeFileBytes(link + ".flt", c.filter);
        writeFileBytes(link + ".srt", c.sort);
        EXPECT_EQ(FilterSort::loadFilter(link), c.filterText) << c.filter.constData();
        EXPECT_EQ(FilterSort::loadSort(link), c.sortText) << c.sort.constData();
    }
    EXPECT_TRUE(FilterSort::loadFilter(dir.filePath("missing.csv")).isEmpty());
}

TEST(FilterFile, SavingWritesHeaderOrDeletes)
{
    QTemporaryDir dir;
    const QString link = dir.filePath("x.csv");
    FilterSort::saveSort(link, "NAME ASC\r\nZIP DESC\r\n");
    EXPECT_EQ(readFileBytes(link + ".srt"), QByteArray("~FIELD SORT 2.0~\r\nNAME ASC\r\nZIP DESC\r\n"));
    FilterSort::saveFilter(link, QString::fromUtf8("N= 'Jos\xC3\xA9'\r\n"));
    EXPECT_EQ(readFileBytes(link + ".flt"), QByteArray("~FIELD FILTER 2.0~\r\nN= 'Jos\xE9'\r\n"));
    FilterSort::saveSort(link, QString());
    FilterSort::saveFilter(link, QString());
    EXPECT_FALSE(QFile::exists(link + ".srt"));
    EXPECT_FALSE(QFile::exists(link + ".flt"));
}

TEST(FilterFile, ProviderStringsAndConditions)
{
    EXPECT_EQ(FilterSort::providerFilter("NAME= 'Smith'\r\nAND\r\nCITY LIKE 'B%'\r\n"),
              "NAME= 'Smith' AND CITY LIKE 'B%' ");
    EXPECT_EQ(FilterSort::providerSort("NAME ASC\r\nCITY DESC\r\n"), "NAME ASC, CITY DESC, ");
    const std::vector<std::array<QString, 4>> cases = {
        {"NAME", "=", "Smith", "NAME= 'Smith'"},
        {"AGE", "<", "30", "AGE< '30'"},
        {"AGE", ">", "30", "AGE> '30'"},
        {"CITY", "LIKE", "B%", "CITY LIKE 'B%'"},
        {"NAME", "=", "O'Brien", "NAME= 'O''Brien'"},
        {"NAME", "=", "x' OR '1'='1", "NAME= 'x'' OR ''1''=''1'"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FilterSort::condition(c[0], c[1], c[2]), c[3]);
}

} // namespace
