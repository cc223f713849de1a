#pragma once
// Runs the real stickwell-cli program as a user would and hands back what it
// did. A test program that links this library depends on the program at
// build time, so the program it runs is always the one just built.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

struct CliResult {
    int exitCode = -1;  // -1 when the program did not exit by itself (a signal, or it hung)
    QByteArray out;
    QByteArray err;

    QString errText() const { return QString::fromLocal8Bit(err); }
};

struct CliRunOptions {
    std::vector<std::pair<QString, QString>> environment;  // added to (or replacing) the test's own
    QStringList unsetEnvironment;
    QByteArray input;          // standard input; closed after it
    QString workingDirectory;  // the test's own when empty
    // Runs "wrapper... stickwell-cli arguments..." instead, e.g. {"sh", "-c", "ulimit -f 8 && exec \"$@\"", "sh"}.
    QStringList wrapper;
};

// The program's path.
QString cliProgram();
CliResult runCli(const QStringList& arguments, const CliRunOptions& options = {});
