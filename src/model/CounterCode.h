#pragma once
// A counter code in a text object's entry list: "{-_" start "_" increment "_-}"
// (the "_" increment part may be missing). Every element shows
// start + (n − 1) × increment, zero-filled to the width the start value
// occupies in the code. The drawing of objects and the Text page both read
// counters through here, so they can never disagree about a code.

#include <QString>
#include <cstdint>

struct CounterCode {
    // A counter value never grows past this many characters, however wide a
    // hand-typed code asks it to be.
    static constexpr int32_t kMaxTextLength = 127;

    int32_t width = 0;      // characters the start value occupies in the code
    int64_t start = 0;      // 0 when the start digits are no integer
    int64_t increment = 1;  // 1 when absent or no integer

    // The parts of a code known to be a counter ("{-_" … "-}"); anything
    // malformed inside falls back to the defaults above.
    static CounterCode parse(const QString& code);
    // The code for start zero-filled to digits characters, counting by increment.
    static QString compose(int32_t digits, int64_t start, int64_t increment);

    // The value on element n (1-based), zero-filled to the width but never
    // longer than kMaxTextLength. Wraps like 64-bit arithmetic on huge numbers.
    QString valueText(int64_t element) const;
};
