#pragma once
// layouts --import: stock definition XML into layout files, with a report of
// what was imported, skipped and rounded.

#include <QString>

class CliParser;

// The exit status; the report on stdout, problems on stderr.
int runLayoutImport(const CliParser& parser, const QString& source, const QString& folder);
