// Name lookup without regard to letter case, as the merge readers find fields.

#include <gtest/gtest.h>

#include "base/NamePositions.h"

TEST(NamePositions, FindsTheFirstOfEqualNamesInAnyCase)
{
    const NamePositions positions({"Name", "CITY", "name", "ÄRGER", "", "Zip"});
    const std::pair<QString, int> cases[] = {
        {"Name", 0}, {"NAME", 0}, {"name", 0}, {"city", 1}, {"ärger", 3}, {"", 4}, {"zIP", 5},
        {"Nam", -1}, {"Name ", -1}, {"missing", -1},
    };
    for (const auto& [name, index] : cases)
        EXPECT_EQ(positions.indexOf(name), index) << qPrintable(name);
    EXPECT_EQ(NamePositions().indexOf("Name"), -1);
}

// Names found equal must be exactly the names QString::compare calls equal
// without regard to case, also where case rules are unusual.
TEST(NamePositions, AgreesWithCaseInsensitiveCompare)
{
    const QStringList names = {
        "k", "K", QString::fromUtf8("\u212A"),                                  // Kelvin sign
        QString::fromUtf8("σ"), QString::fromUtf8("Σ"), QString::fromUtf8("ς"),  // final sigma
        QString::fromUtf8("ß"), "ss", "SS", QString::fromUtf8("ẞ"),
        "i", "I", QString::fromUtf8("İ"), QString::fromUtf8("ı"),
        QString::fromUtf8("𐐀"), QString::fromUtf8("𐐨"),                          // outside the BMP
    };
    for (const QString& stored : names) {
        const NamePositions positions(QStringList{stored});
        for (const QString& asked : names)
            EXPECT_EQ(positions.indexOf(asked) == 0, stored.compare(asked, Qt::CaseInsensitive) == 0)
                << qPrintable(stored) << " / " << qPrintable(asked);
    }
}
