#pragma once
// What the CLI adds when a merge source could not be opened.

#include <QString>

// The reader picks its driver by the file's extension, so a source without
// one can never open: says so on stderr. Nothing is said for other sources
// (the reader has already given its own message).
void cliExplainDataSource(const QString& source);
