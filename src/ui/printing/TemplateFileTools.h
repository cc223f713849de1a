#pragma once
// The layout chooser's hidden tools for template files, without widgets: each
// rewrites one part of every chosen template in place (the layout record, its
// name, or the file's signature), reports each file that fails and goes on.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

struct LayoutRecord;

// The signature typed: hexadecimal after "0x", else decimal; none otherwise.
std::optional<uint32_t> parseSignature(const QString& text);

// Each writes the whole file again atomically; false (the file as it was)
// when it cannot be read, is too short to hold the part, or cannot be written.
bool writeTemplateLayout(const QString& path, const LayoutRecord& layout);
bool renameTemplateLayout(const QString& path, const QString& name);
bool writeTemplateSignature(const QString& path, uint32_t signature);

// The tools as the chooser runs them: the checks on the typed text, then the
// files picked (none: nothing happens), one message per failed file and the
// closing message, all through Messages.
using TemplatePicker = std::function<QStringList()>;
void convertTemplatesToLayout(const TemplatePicker& pick, const LayoutRecord& layout);
void changeTemplateLayoutNames(const TemplatePicker& pick, const QString& name);
void changeTemplateSignatures(const TemplatePicker& pick, const QString& signatureText);
