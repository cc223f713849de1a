// stickwell-cli: the headless front end. It needs no display: without one it
// uses Qt's offscreen platform.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include "app/cli/CliCommand.h"
#include "system/Messages.h"

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

void printOverview()
{
    std::fprintf(stdout, "Usage: stickwell-cli COMMAND [options]\n\nCommands:\n");
    for (const CliCommand& command : cliCommands())
        std::fprintf(stdout, "  %-70s %s\n", qPrintable(command.usage), qPrintable(command.summary));
    std::fprintf(stdout, "\nEvery command takes --help.\n");
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ensureRuntimeFolder();
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Quillon Stickwell"));
    Messages::StderrSink sink;
    Messages::install(&sink);

    QStringList args = QGuiApplication::arguments();
    args.removeFirst();
    if (args.isEmpty() || args.first() == "--help" || args.first() == "-h") {
        printOverview();
        return args.isEmpty() ? CliExit::Usage : CliExit::Ok;
    }
    const QString name = args.takeFirst();
    for (const CliCommand& command : cliCommands())
        if (command.name == name)
            return command.run(args);
    std::fprintf(stderr, "stickwell-cli: unknown command '%s'\n", qPrintable(name));
    printOverview();
    return CliExit::Usage;
}
