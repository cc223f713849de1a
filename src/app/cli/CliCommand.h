#pragma once
// Subcommands of stickwell-cli register themselves here, one file each, and
// read their command lines through one parser, so that every command has the
// same --help, --version and error messages.

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

struct CliCommand {
    QString name;
    QString synopsis;  // after the program's name: "info DESIGN"
    QString summary;   // what it does, one paragraph
    // args excludes the program and the subcommand name; returns the exit status.
    std::function<int(const QStringList& args)> run;
};

std::vector<CliCommand>& cliCommands();
const CliCommand* cliCommandNamed(const QString& name);

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

// One command's command line. Every command takes --help, --version and
// --verbose; an unknown option, a missing value or an option given twice is
// refused with a message naming it.
class CliParser {
public:
    explicit CliParser(const QString& commandName);

    // names: "o" or {"o", "output"}; a valueName makes it an option with a value.
    void addOption(const QStringList& names, const QString& description, const QString& valueName = {});
    void addPositional(const QString& name, const QString& description, const QString& syntax = {});

    // Empty when the command goes on; else the exit status, with the help,
    // version or error already printed.
    std::optional<int> parse(const QStringList& args);

    bool isSet(const QString& name) const { return m_parser.isSet(name); }
    QString value(const QString& name) const { return m_parser.value(name); }
    QStringList positional() const { return m_parser.positionalArguments(); }
    // The one positional argument a command takes; empty (after "no WHAT
    // given" or "unexpected argument: X") when there is not exactly one.
    std::optional<QString> onePositional(const QString& what) const;

    // An integer option's value within [low, high]; the caller's fallback when
    // it is not given. Empty (with the message printed) when it is malformed.
    std::optional<int> intValue(const QString& name, int low, int high, int fallback, const QString& problem) const;

    // "COMMAND: problem", then the usage, on stderr; returns CliExit::Usage.
    int usageError(const QString& problem) const;

private:
    QString spelled(const QString& name) const;
    QString usage() const;
    QString helpText() const;

    const CliCommand& m_command;
    QCommandLineParser m_parser;
    std::vector<QCommandLineOption> m_valueOptions;
};

// True when --verbose was given: Qt's own warnings are shown too.
bool cliVerbose();

// CliExit::Ok, or CliExit::CannotWrite with the reason on stderr (a full disk, a closed pipe).
int cliWriteStdout(const QByteArray& bytes);
// "stickwell-cli VERSION" on stdout; the exit status.
int cliPrintVersion();
void cliError(const QString& text);  // to stderr, with a newline
