#pragma once
// Text laid out for a terminal of 80 columns.

#include <QString>

constexpr int kCliColumns = 80;

// Wraps text at blanks so that no line is wider than width columns (a word
// longer than that stands alone). The first line starts with firstIndent
// blanks, the others with restIndent. Line breaks in text start a new line.
QString wrapText(const QString& text, int width = kCliColumns, int firstIndent = 0, int restIndent = 0);
// The same for a command's synopsis, where a bracketed group ("[--zoom Z]",
// "(-o OUT | --printer NAME)") stays on one line.
QString wrapSynopsis(const QString& text, int firstIndent, int restIndent);
