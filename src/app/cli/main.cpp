// stickwell-cli: the headless front end. It never needs a display: it always
// runs on Qt's offscreen platform.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <csignal>
#include <cstdio>
#include <unistd.h>

#include "app/cli/CliCommand.h"
#include "app/cli/CliQtMessages.h"
#include "app/cli/CliText.h"
#include "app/cli/CliTexts.h"
#include "base/AppInfo.h"
#include "files/StockImport.h"
#include "model/Options.h"
#include "system/AppPaths.h"
#include "system/Messages.h"
#include "system/SettingsStore.h"

namespace {

// Servers and CI often have no runtime folder; give Qt a private one instead of a warning on stderr.
void ensureRuntimeFolder()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QString folder = QDir::tempPath() + "/stickwell-runtime-" + QString::number(getuid());
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
}

QString overview()
{
    QString text = CliTexts::overviewHead(AppInfo::cliName());
    for (const CliCommand& command : cliCommands()) {
        // The summary's first sentence; the command's --help has the rest.
        const qsizetype end = command.summary.indexOf(QStringLiteral(". "));
        text += wrapSynopsis(command.synopsis, 2, 8) + QLatin1Char('\n');
        text += wrapText(end < 0 ? command.summary : command.summary.left(end + 1), kCliColumns, 6, 6) +
                QStringLiteral("\n\n");
    }
    return text + CliTexts::overviewFoot(AppInfo::cliName());
}

int runCommandLine(QStringList args)
{
    if (args.isEmpty()) {
        std::fputs(qPrintable(overview()), stderr);
        return CliExit::Usage;
    }
    const QString name = args.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h"))
        return cliWriteStdout(overview().toLocal8Bit());
    if (name == QLatin1String("--version"))
        return cliPrintVersion();
    if (const CliCommand* command = cliCommandNamed(name))
        return command->run(args);
    cliError(CliTexts::unknownCommand(AppInfo::cliName(), name));
    cliError(CliTexts::tryOverview(AppInfo::cliName()));
    return CliExit::Usage;
}

} // namespace

int main(int argc, char** argv)
{
    // Writing past a file-size limit must fail like a full disk (the write
    // reports EFBIG and the previous file stays), not kill the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // A DISPLAY or WAYLAND_DISPLAY that does not answer must not stop a
    // script: nothing here is ever shown on a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ensureRuntimeFolder();
    Messages::StderrSink sink;
    Messages::install(&sink);
    installCliQtMessageHandler();
    // Qt sees only the program's name: its own options ("-platform",
    // "-display", "-reverse") would otherwise be taken out of a command line
    // that is all ours.
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    QGuiApplication::setApplicationName(AppInfo::productTitle());
    QGuiApplication::setApplicationVersion(AppInfo::version());
    // A new per-user folder also gets the stocks of the system's stock definitions.
    AppPaths::setFirstRunSeeder(seedStocksFromSystem);
    // The user's stored options (crop marks, orientation, units) hold here as in the windows.
    Options::current().load(SettingsStore::instance());

    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return runCommandLine(args);
}
