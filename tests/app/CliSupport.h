#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

inline CliRun runCli(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(STICKWELL_CLI), arguments);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}
