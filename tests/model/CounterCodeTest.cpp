// Counter codes at their limits: malformed parts, 64-bit extremes and widths
// past the longest counter text.

#include <gtest/gtest.h>

#include "model/CounterCode.h"

namespace {

TEST(CounterCode, MalformedAndExtremeCodesGiveBoundedValues)
{
    struct Case {
        QString code;
        int64_t element;
        QString expected;
    };
    const Case cases[] = {
        {"{-__-}", 3, "2"},                  // no start digits: start 0, width 0
        {"{-_5__-}", 2, "6"},                // empty increment: 1
        {"{-_5_2_3_-}", 2, "6"},             // increment "2_3" is no integer
        {"{-_-9223372036854775808_-}", 1, "-9223372036854775808"},
        {"{-_9223372036854775807_1_-}", 2, "-9223372036854775808"},  // wraps around
        {"{-_99999999999999999999_-}", 2, "00000000000000000001"},   // start too big for 64 bits: 0
        {"{-_" + QString(300, '0') + "_-}", 1, QString(127, '0')},
        {"{-_" + QString(200, '0') + "_-5_-}", 2, '-' + QString(125, '0') + '5'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code.left(40).toStdString() + " #" + std::to_string(c.element));
        EXPECT_EQ(CounterCode::parse(c.code).valueText(c.element), c.expected);
    }
}

TEST(CounterCode, ComposedCodesReadBack)
{
    const QString code = CounterCode::compose(4, -7, -3);
    EXPECT_EQ(code, "{-_-007_-3_-}");
    const CounterCode counter = CounterCode::parse(code);
    EXPECT_EQ(counter.width, 4);
    EXPECT_EQ(counter.start, -7);
    EXPECT_EQ(counter.increment, -3);
    EXPECT_EQ(counter.valueText(4), "-016");
}

} // namespace
