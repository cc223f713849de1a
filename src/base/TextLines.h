#pragma once
// The one reader of small text files by lines (settings files, filter and sort
// files, import column lists). Lines end with CR LF, LF or a lone CR; the text
// is UTF-8 when it is valid UTF-8, else Windows-1252; a leading BOM is dropped.

#include <QByteArray>
#include <QString>
#include <QStringList>

// Larger files are refused rather than read into memory.
constexpr qint64 kMaxTextFileSize = 64 * 1024 * 1024;

// The bytes of an 8-bit or UTF-8 text as text, without a leading BOM.
QString decodeText(const QByteArray& bytes);
// Our own text files stay 8-bit; only a text with no Windows-1252 form is
// written as UTF-8 (which decodeText reads back).
QByteArray encodeText(const QString& text);
// Lines of a text; a final line end does not add an empty line.
QStringList splitTextLines(const QString& text);
// False when the file cannot be opened or is larger than kMaxTextFileSize.
bool readTextLines(const QString& path, QStringList& lines);
