// Which text an object shows on element n: lists, counters, personal-data
// labels and database fields.

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "model/DesignObject.h"
#include "render/DrawObject.h"
#include "render/FieldSource.h"

namespace {

QString resolve(const QStringList& lines, int element, int record = 0, FieldSource* reader = nullptr,
                bool cycle = false)
{
    DesignObject object(ObjectKind::Text);
    object.lines = lines;
    return resolveElementText(object, element, record, reader, cycle);
}

struct Case {
    QStringList lines;
    int element;
    const char* expected;
};

TEST(ResolveElementText, ListsCountersAndLabels)
{
    const Case cases[] = {
        {{"one", "two", "three"}, 1, "one"},
        {{"one", "two", "three"}, 3, "three"},
        {{"one", "two", "three"}, 4, ""},  // a list does not repeat
        {{"plain text"}, 5, "plain text"},
        {{"{-_0001_5_-}"}, 1, "0001"},
        {{"{-_0001_5_-}"}, 2, "0006"},
        {{"{-_0001_5_-}"}, 3, "0011"},
        {{"{-_7_-}"}, 1, "7"},
        {{"{-_7_-}"}, 3, "9"},
        {{"{-_9_1_-}"}, 2, "10"},       // more digits than the width
        {{"{-_xx_3_-}"}, 2, "03"},      // start not a number: 0
        {{"{-_5_x_-}"}, 2, "6"},        // increment not a number: 1
        {{"{-_-05_1_-}"}, 1, "-05"},    // the sign counts toward the width
        {{"{-_10_-5_-}"}, 4, "-5"},
        {{"{-USER3=Main Street-}"}, 1, "Main Street"},
        {{"{-USER3-}"}, 1, "USER3"},
        {{"{-City-}"}, 1, "{-City-}"},  // no reader: the code itself
        {{"{-}"}, 1, "{-}"},
        {{"{-"}, 1, "{-"},
        {{"{-_-}"}, 2, "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines.join('|').toStdString() + " #" + std::to_string(c.element));
        EXPECT_EQ(resolve(c.lines, c.element), QString::fromLatin1(c.expected));
    }
}

TEST(ResolveElementText, HugeCountersStayBounded)
{
    const QString code = "{-_" + QString(300, '9') + "_-}";
    EXPECT_LE(resolve({code}, 2).size(), 127);
    EXPECT_EQ(resolve({"{-_9223372036854775807_1_-}"}, 3).size(), 20);  // wraps, never crashes
}

// Three records with a field "City"; remembers where it was positioned.
class ThreeCities : public FieldSource {
public:
    bool open = true;
    int32_t current = -1;
    bool active() const override { return open; }
    int32_t gotoRecord(int32_t index) override
    {
        if (!open || index < 0 || index >= 3)
            return -1;
        return current = index;
    }
    QString fieldValue(const QString& fieldSpec) override
    {
        static const char* const cities[] = {"Aston", "Brill", "Cotes"};
        return fieldSpec == "City" && current >= 0 ? cities[current] : QString();
    }
    int32_t recordCount() const override { return open ? 3 : 0; }
};

TEST(ResolveElementText, FieldsComeFromTheRecordOfTheElement)
{
    ThreeCities reader;
    EXPECT_EQ(resolve({"{-City-}"}, 1, 0, &reader), "Aston");
    EXPECT_EQ(resolve({"{-City-}"}, 3, 2, &reader), "Cotes");
    EXPECT_EQ(resolve({"{-City-}"}, 4, 3, &reader), "");            // past the end
    EXPECT_EQ(resolve({"{-City-}"}, 4, 3, &reader, true), "Aston"); // cycling wraps around
    EXPECT_EQ(resolve({"{-City-}"}, 8, 7, &reader, true), "Brill");
    EXPECT_EQ(reader.current, 1);  // left on the record last positioned
    EXPECT_EQ(resolve({"{-Town-}"}, 1, 0, &reader), "");
    reader.open = false;
    EXPECT_EQ(resolve({"{-City-}"}, 1, 0, &reader), "{-City-}");
}

TEST(ResolveElementText, ReaderAdapterTakesMembersOrFunctions)
{
    struct MemberReader {
        bool active = true;
        int recordCount = 2;
        int gotoRecord(int i) { return i < recordCount ? i : -1; }
        QString fieldValue(const QString& s) { return s + "!"; }
    } members;
    DataReaderSource<MemberReader> source(members);
    EXPECT_EQ(resolve({"{-Name-}"}, 3, 2, &source, true), "Name!");
    members.active = false;
    EXPECT_EQ(resolve({"{-Name-}"}, 1, 0, &source), "{-Name-}");
}

} // namespace

#include <QFile>
#include <QTemporaryDir>

#include "merge/DataReader.h"

namespace {

TEST(ResolveElementText, ReadsFieldsThroughTheDataReader)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("towns.csv");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("NAME,CITY\r\nAnn,Aston\r\nBob,Brill\r\nCy,Cotes\r\n");
    file.close();
    DataReader reader;
    ASSERT_GT(reader.open(path), 0);
    ASSERT_EQ(reader.recordCount(), 3);
    DataReaderSource<DataReader> source(reader);
    EXPECT_EQ(resolve({"{-CITY-}"}, 2, 1, &source), "Brill");
    EXPECT_EQ(resolve({"{-NAME+ +CITY-}"}, 3, 2, &source), "Cy Cotes");
    EXPECT_EQ(resolve({"{-CITY-}"}, 4, 3, &source), "");
    EXPECT_EQ(resolve({"{-CITY-}"}, 5, 4, &source, true), "Brill");
}

} // namespace
