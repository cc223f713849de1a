// Counter and field codes of variable text.

#include <gtest/gtest.h>

#include "merge/VariableText.h"
#include "model/CounterCode.h"

namespace {

TEST(VariableText, ComposesCountersAndTheirValues)
{
    struct Case {
        QString digits, start, increment;
        QString code;
        QStringList values;  // elements 1, 2, 3 ...
    };
    const std::vector<Case> cases = {
        {"", "", "", "{-_000000_1_-}", {"000000", "000001", "000002"}},
        {"3", "-5", "2", "{-_-05_2_-}", {"-05", "-03", "-01", "001"}},
        {"2", "12345", "", "{-_12345_1_-}", {"12345", "12346"}},
        {"2", "10", "-1", "{-_10_-1_-}", {"10", "09"}},
        {"6", "1", "1", "{-_000001_1_-}", {"000001", "000002"}},
        {"0", "7", "x", "{-_7_1_-}", {"7", "8"}},
        {"-4", "7", "1", "{-_7_1_-}", {"7"}},
        {"abc", "12", "5", "{-_000012_5_-}", {"000012", "000017"}},
    };
    for (const Case& c : cases) {
        const QString code = VariableText::composeCounterCode(c.digits, c.start, c.increment);
        EXPECT_EQ(code, c.code);
        ASSERT_EQ(VariableText::kindOf(code), VariableText::EntryKind::Counter);
        const CounterCode counter = CounterCode::parse(code);
        for (int n = 0; n < c.values.size(); ++n)
            EXPECT_EQ(counter.valueText(n + 1), c.values[n]) << c.code.toStdString() << " n=" << n + 1;
    }
    const QString wide = VariableText::composeCounterCode("250", "1", "1");
    EXPECT_EQ(wide, "{-_" + QString(99, '0') + "1_1_-}");
    const CounterCode down = CounterCode::parse("{-_10_-1_-}");
    EXPECT_EQ(down.valueText(11), "00");
    EXPECT_EQ(down.valueText(12), "-1");
}

TEST(VariableText, ClassifiesEntries)
{
    using K = VariableText::EntryKind;
    const std::vector<std::pair<QString, K>> cases = {
        {"Hello", K::Plain},         {"{-_7_-}", K::Counter},       {"{-USER2=Phone-}", K::PersonalData},
        {"{-USER3-}", K::PersonalData}, {"{-LASTNAME-}", K::Field}, {"{-A+ +B-}", K::Field},
        {"{-", K::Plain},            {"{--}", K::Field},            {"x{-A-}", K::Plain},
    };
    for (const auto& [entry, kind] : cases)
        EXPECT_EQ(VariableText::kindOf(entry), kind) << entry.toStdString();
    EXPECT_EQ(VariableText::composeFieldCode("FIRSTNAME+ +LASTNAME"), "{-FIRSTNAME+ +LASTNAME-}");
    EXPECT_EQ(VariableText::codeBody("{-FIRSTNAME+ +LASTNAME-}"), "FIRSTNAME+ +LASTNAME");
}

TEST(VariableText, DescribesTheTextPage)
{
    using C = VariableText::TextChoice;
    struct Case {
        QStringList lines;
        bool linked;
        C choice;
        QString length, start, increment, field;
    };
    const std::vector<Case> cases = {
        {{"a", "b"}, true, C::VarText, "", "", "", ""},
        {{"{-_000100_5_-}"}, false, C::Counter, "6", "100", "5", ""},
        {{"{-_-05_2_-}"}, false, C::Counter, "3", "-5", "2", ""},
        {{"{-_7_-}"}, false, C::Counter, "1", "7", "1", ""},
        {{"{-_ab_x_-}"}, false, C::Counter, "2", "0", "1", ""},
        {{"{-LastName-}"}, true, C::DBField, "", "", "", "LastName"},
        {{"{-USER2=Phone-}"}, true, C::DBField, "", "", "", "USER2=Phone"},
        {{"{-LastName-}"}, false, C::SingleText, "", "", "", ""},
        {{"Hello"}, true, C::SingleText, "", "", "", ""},
        {{}, true, C::SingleText, "", "", "", ""},
    };
    for (const Case& c : cases) {
        const VariableText::TextPage page = VariableText::describeTextPage(c.lines, c.linked);
        EXPECT_EQ(page.choice, c.choice) << c.lines.join('|').toStdString();
        EXPECT_EQ(page.counterLength, c.length);
        EXPECT_EQ(page.counterStart, c.start);
        EXPECT_EQ(page.counterIncrement, c.increment);
        EXPECT_EQ(page.fieldSpec, c.field);
    }
}

} // namespace
