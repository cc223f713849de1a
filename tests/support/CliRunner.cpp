#include "CliRunner.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace {
// A safety net for a program that hangs; no test depends on how long a run takes.
constexpr int kGiveUpAfterMs = 300000;
} // namespace

QString cliProgram() { return QStringLiteral(STICKWELL_CLI); }

CliResult runCli(const QStringList& arguments, const CliRunOptions& options)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : options.environment)
        environment.insert(name, value);
    for (const QString& name : options.unsetEnvironment)
        environment.remove(name);
    process.setProcessEnvironment(environment);
    if (!options.workingDirectory.isEmpty())
        process.setWorkingDirectory(options.workingDirectory);
    if (options.wrapper.isEmpty()) {
        process.start(cliProgram(), arguments);
    } else {
        process.start(options.wrapper.first(), options.wrapper.mid(1) + QStringList{cliProgram()} + arguments);
    }
    CliResult result;
    if (!process.waitForStarted()) {
        result.err = process.errorString().toLocal8Bit();
        return result;
    }
    process.write(options.input);
    process.closeWriteChannel();
    if (!process.waitForFinished(kGiveUpAfterMs)) {
        process.kill();
        process.waitForFinished();
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}
