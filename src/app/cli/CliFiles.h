#pragma once
// The files a command reads and writes, checked before any work is done: an
// input that cannot be used says why, and an output never replaces an input.

#include <QString>
#include <cstdint>

// Why the file cannot be opened for reading ("No such file or directory",
// "Is a directory", "Permission denied"), or empty when it can.
QString cliUnreadableReason(const QString& path);

// For the design a command reads: false (with "Cannot read PATH: reason" on
// stderr) when it cannot be read at all.
bool cliCheckDesignReadable(const QString& path);
// After a design failed to load: says so when the file is no design file at
// all, then "error CODE: TEXT". Returns CliExit::Refused.
int cliRefuseDesign(const QString& path, int32_t code);

// True when writing output would replace the regular file input: the same
// device and inode, so links, "./x" and other spellings of it count too. A
// device or pipe is written in place and replaces nothing.
bool cliWouldReplace(const QString& output, const QString& input);

// True when the path is an existing device, FIFO or socket, which is written
// in place whatever its name (/dev/null, /dev/stdout, a pipe).
bool cliIsSpecialFile(const QString& path);

// Empty when the output's extension is one of extensions (lower case, any
// case in the name) or the output is a device or pipe; else the message
// "cannot write .gif files: name the output .png or .bmp".
QString cliExtensionProblem(const QString& output, const QStringList& extensions);

// The head of a file, at most size bytes; empty when it cannot be read. Only
// regular files are read (a pipe read here would be lost to the command).
QByteArray cliFileHead(const QString& path, qint64 size);
