#pragma once
// INI-format settings files ("[Section]" lines, then "key=value" lines): read
// and write one key of one section. Sections and keys match without regard to
// letter case; spaces around keys and values are ignored. Files are read as
// UTF-8 when their bytes are valid UTF-8, else as Windows-1252; they are
// written in Windows-1252 (UTF-8 only when a text has no Windows-1252 form),
// with CR LF line ends, replacing the file only once fully written.

#include <QString>

namespace IniFile {
// The value, or defaultValue when the file, section or key is missing.
QString readString(const QString& path, const QString& section, const QString& key,
                   const QString& defaultValue = QString());
// Sets the key, creating the file or section when needed; false when the file cannot be written.
bool writeString(const QString& path, const QString& section, const QString& key, const QString& value);
}
