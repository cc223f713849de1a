#include "app/cli/CliCommand.h"

#include <cstdio>

std::vector<CliCommand>& CliCommands()
{
    static std::vector<CliCommand> commands;
    return commands;
}

bool CliWantsHelp(const QStringList& args) { return args.contains("--help") || args.contains("-h"); }

void CliPrintUsage(const CliCommand& command)
{
    std::fprintf(stdout, "Usage: stickwell-cli %s\n\n%s\n", qPrintable(command.usage), qPrintable(command.summary));
}

void CliWriteStdout(const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void CliError(const QString& text) { std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData()); }
