#include "app/cli/CliCommand.h"

#include <cstdio>

std::vector<CliCommand>& cliCommands()
{
    static std::vector<CliCommand> commands;
    return commands;
}

bool cliWantsHelp(const QStringList& args) { return args.contains("--help") || args.contains("-h"); }

void cliPrintUsage(const CliCommand& command)
{
    std::fprintf(stdout, "Usage: stickwell-cli %s\n\n%s\n", qPrintable(command.usage), qPrintable(command.summary));
}

void cliWriteStdout(const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void cliError(const QString& text) { std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData()); }
