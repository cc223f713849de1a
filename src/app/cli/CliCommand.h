#pragma once
// Subcommands of stickwell-cli register themselves here, one file each.

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

struct CliCommand {
    QString name;
    QString usage;    // one line: "info DESIGN"
    QString summary;  // what it does
    // args excludes the program and the subcommand name; returns the exit status.
    std::function<int(const QStringList& args)> run;
};

std::vector<CliCommand>& cliCommands();

struct CliCommandRegistration {
    explicit CliCommandRegistration(CliCommand command) { cliCommands().push_back(std::move(command)); }
};

// Exit statuses shared by the subcommands.
namespace CliExit {
constexpr int Ok = 0;
constexpr int Usage = 2;
constexpr int Refused = 3;
constexpr int CannotWrite = 4;
}

// Small helpers for the subcommands' argument lists.
bool cliWantsHelp(const QStringList& args);
void cliPrintUsage(const CliCommand& command);
void cliWriteStdout(const QByteArray& bytes);
void cliError(const QString& text);  // to stderr, with a newline
