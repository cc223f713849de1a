#include "app/cli/CliCommand.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/cli/CliText.h"
#include "app/cli/CliTexts.h"
#include "base/AppInfo.h"

namespace {

bool g_verbose = false;

const QString kHelp = QStringLiteral("help");
const QString kVersion = QStringLiteral("version");
const QString kVerbose = QStringLiteral("verbose");

} // namespace

std::vector<CliCommand>& cliCommands()
{
    static std::vector<CliCommand> commands;
    return commands;
}

const CliCommand* cliCommandNamed(const QString& name)
{
    for (const CliCommand& command : cliCommands())
        if (command.name == name)
            return &command;
    return nullptr;
}

bool cliVerbose() { return g_verbose; }

CliParser::CliParser(const QString& commandName) : m_command(*cliCommandNamed(commandName))
{
    // "-o OUT" (or "-oOUT") is a one-letter option with a value, as it always was.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    m_parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    m_parser.addOption(QCommandLineOption({QStringLiteral("h"), kHelp}, CliTexts::HelpOption));
    m_parser.addOption(QCommandLineOption(kVersion, CliTexts::VersionOption));
    m_parser.addOption(QCommandLineOption(kVerbose, CliTexts::VerboseOption));
}

void CliParser::addOption(const QStringList& names, const QString& description, const QString& valueName)
{
    const QCommandLineOption option(names, description, valueName);
    m_parser.addOption(option);
    if (!valueName.isEmpty())
        m_valueOptions.push_back(option);
}

void CliParser::addPositional(const QString& name, const QString& description, const QString& syntax)
{
    m_parser.addPositionalArgument(name, description, syntax);
}

QString CliParser::spelled(const QString& name) const
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

std::optional<int> CliParser::parse(const QStringList& args)
{
    if (!m_parser.parse(QStringList{AppInfo::cliName()} + args)) {
        const QStringList unknown = m_parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return usageError(CliTexts::unknownOption(spelled(unknown.first())));
        // An option with a value takes the next argument, whatever it is: only
        // the last argument can miss its value.
        for (const QCommandLineOption& option : m_valueOptions)
            for (const QString& name : option.names())
                if (!args.isEmpty() && args.last() == spelled(name))
                    return usageError(CliTexts::needsValue(args.last()));
        return usageError(m_parser.errorText());
    }
    g_verbose = m_parser.isSet(kVerbose);
    if (m_parser.isSet(kHelp))
        return cliWriteStdout(helpText().toLocal8Bit());
    if (m_parser.isSet(kVersion))
        return cliPrintVersion();
    // A value given twice would silently lose one of them.
    for (const QCommandLineOption& option : m_valueOptions)
        if (m_parser.values(option).size() > 1)
            return usageError(CliTexts::givenTwice(spelled(option.names().constLast())));
    return std::nullopt;
}

std::optional<QString> CliParser::onePositional(const QString& what) const
{
    const QStringList positional = m_parser.positionalArguments();
    if (positional.size() == 1)
        return positional[0];
    usageError(positional.isEmpty() ? CliTexts::noneGiven(what) : CliTexts::unexpectedArgument(positional[1]));
    return std::nullopt;
}

std::optional<int> CliParser::intValue(const QString& name, int low, int high, int fallback,
                                       const QString& problem) const
{
    if (!m_parser.isSet(name))
        return fallback;
    bool ok = false;
    const int value = m_parser.value(name).trimmed().toInt(&ok);
    if (ok && value >= low && value <= high)
        return value;
    usageError(problem);
    return std::nullopt;
}

int CliParser::usageError(const QString& problem) const
{
    cliError(m_command.name + QStringLiteral(": ") + problem);
    cliError(usage());
    cliError(CliTexts::tryHelp(AppInfo::cliName(), m_command.name));
    return CliExit::Usage;
}

QString CliParser::usage() const
{
    return wrapSynopsis(CliTexts::usage(AppInfo::cliName(), m_command.synopsis), 0, 7);
}

QString CliParser::helpText() const
{
    // Qt's own list of options and arguments, under our usage line and summary.
    const QString qtHelp = m_parser.helpText();
    const qsizetype options = qtHelp.indexOf(QStringLiteral("Options:"));
    return usage() + QStringLiteral("\n\n") + wrapText(m_command.summary) + QStringLiteral("\n\n") +
           (options >= 0 ? qtHelp.mid(options) : QString());
}

int cliWriteStdout(const QByteArray& bytes)
{
    errno = 0;
    const bool written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size());
    if (std::fflush(stdout) == 0 && written)
        return CliExit::Ok;
    cliError(CliTexts::cannotWriteStdout(QString::fromLocal8Bit(std::strerror(errno))));
    return CliExit::CannotWrite;
}

int cliPrintVersion()
{
    const QString line = AppInfo::cliName() + QLatin1Char(' ') + AppInfo::version() + QLatin1Char('\n');
    return cliWriteStdout(line.toLocal8Bit());
}

void cliError(const QString& text) { std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData()); }
