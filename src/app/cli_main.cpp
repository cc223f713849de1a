// stickwell-cli: the headless front end. It needs no display: without one it
// uses Qt's offscreen platform.

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

#include "app/cli/CliCommand.h"
#include "platform/Messages.h"

namespace {
void printOverview()
{
    std::fprintf(stdout, "Usage: stickwell-cli COMMAND [options]\n\nCommands:\n");
    for (const CliCommand& command : CliCommands())
        std::fprintf(stdout, "  %-70s %s\n", qPrintable(command.usage), qPrintable(command.summary));
    std::fprintf(stdout, "\nEvery command takes --help.\n");
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
    for (const CliCommand& command : CliCommands())
        if (command.name == name)
            return command.run(args);
    std::fprintf(stderr, "stickwell-cli: unknown command '%s'\n", qPrintable(name));
    printOverview();
    return CliExit::Usage;
}
