#pragma once
// How a text object varies, read from its entry list alone: one plain entry,
// a list of entries (one per element), a counter code "{-_start_increment_-}",
// a field code "{-FIELD-}" / "{-A+ +B-}", or a personal-data code "{-USER3=Label-}".
// The Text page composes the codes from its boxes and decomposes them again.

#include <QString>
#include <QStringList>
#include <cstdint>

namespace VariableText {

enum class EntryKind { Plain, Counter, PersonalData, Field };

// Begins with "{-" and ends with "-}".
bool isCode(const QString& entry);
EntryKind kindOf(const QString& entry);
// The text between "{-" and "-}" of a code (the field description of a field code).
QString codeBody(const QString& entry);

// The counter code from the Text page's boxes: digits (6 when not an integer,
// at most 100, below 0 taken as 0), start (0) and increment (1) when not integers.
QString composeCounterCode(const QString& digitsText, const QString& startText, const QString& incrementText);
QString composeFieldCode(const QString& fieldSpec);

struct Counter {
    int32_t width = 0;      // characters the start value occupies in the code
    int64_t start = 0;      // 0 when the start digits are no integer
    int64_t increment = 1;  // 1 when absent or no integer
};
// The parts of a counter code (call only for a Counter entry).
Counter parseCounter(const QString& entry);
// s + (n - 1) × i, zero-filled to the counter's width (a minus sign counts).
QString counterText(const Counter& counter, int64_t elementNumber);
// value zero-filled to width characters, a minus sign first.
QString zeroFilled(int64_t value, int32_t width);

// What the Text page shows for an object's entries.
enum class TextChoice { SingleText, VarText, Counter, DBField };
struct TextPage {
    TextChoice choice = TextChoice::SingleText;
    QString counterLength;
    QString counterStart;
    QString counterIncrement;
    QString fieldSpec;  // for DBField: the field to select, when the list has it
};
TextPage describeTextPage(const QStringList& lines, bool designHasLinkedSource);

}
