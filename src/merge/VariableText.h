#pragma once
// How a text object varies, read from its entry list alone: one plain entry,
// a list of entries (one per element), a counter code "{-_start_increment_-}"
// (read and written by CounterCode), a field code "{-FIELD-}" / "{-A+ +B-}",
// or a personal-data code "{-USER3=Label-}".
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
