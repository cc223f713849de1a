// What every command of stickwell-cli shares: help, version, errors for bad
// options, no need of a display, and no library chatter on stderr.

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "CliRunner.h"
#include "base/AppInfo.h"
#include "examples/ExampleDesigns.h"

namespace {

const QStringList kCommands = {"data", "info", "save", "layouts", "print", "render", "build"};

// The widest line of a text, in characters.
qsizetype widestLine(const QByteArray& text)
{
    qsizetype widest = 0;
    for (const QByteArray& line : text.split('\n'))
        widest = std::max(widest, QString::fromUtf8(line).size());
    return widest;
}

TEST(CommandLine, HelpAndVersionForEveryCommand)
{
    const CliResult overview = runCli({"--help"});
    EXPECT_EQ(overview.exitCode, 0);
    EXPECT_TRUE(overview.out.startsWith("Usage: stickwell-cli COMMAND [options]\n"));
    EXPECT_LE(widestLine(overview.out), 80);
    for (const QString& command : kCommands) {
        SCOPED_TRACE(command.toStdString());
        EXPECT_TRUE(overview.out.contains("\n  " + command.toUtf8() + " "));
        for (const char* help : {"--help", "-h"}) {
            const CliResult run = runCli({command, help});
            EXPECT_EQ(run.exitCode, 0);
            EXPECT_TRUE(run.out.startsWith("Usage: stickwell-cli " + command.toUtf8() + " ")) << run.out.constData();
            EXPECT_TRUE(run.out.contains("\nOptions:\n  -h, --help"));
            EXPECT_LE(widestLine(run.out), 80) << run.out.constData();
            EXPECT_TRUE(run.err.isEmpty()) << run.err.constData();
        }
        const CliResult version = runCli({command, "--version"});
        EXPECT_EQ(version.exitCode, 0);
        EXPECT_EQ(version.out, "stickwell-cli " + AppInfo::version().toUtf8() + "\n");
    }
    EXPECT_EQ(runCli({"--version"}).out, "stickwell-cli " + AppInfo::version().toUtf8() + "\n");

    const CliResult nothing = runCli({});
    EXPECT_EQ(nothing.exitCode, 2);
    EXPECT_TRUE(nothing.err.startsWith("Usage: stickwell-cli COMMAND"));
    const CliResult unknown = runCli({"nonsense"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.startsWith("stickwell-cli: unknown command 'nonsense'\n"));
}

TEST(CommandLine, UnknownOptionsAndMissingValuesAreNamed)
{
    for (const QString& command : kCommands) {
        SCOPED_TRACE(command.toStdString());
        for (const auto& [args, message] :
             {std::pair{QStringList{"x.lpd", "--bogus"}, QStringLiteral("unknown option --bogus")},
              std::pair{QStringList{"-q", "x.lpd"}, QStringLiteral("unknown option -q")},
              std::pair{QStringList{"x.lpd", "--help=yes"}, QStringLiteral("Unexpected value after '--help'.")}}) {
            const CliResult run = runCli(QStringList{command} + args);
            EXPECT_EQ(run.exitCode, 2);
            EXPECT_TRUE(run.errText().startsWith(command + ": " + message + "\nUsage: stickwell-cli " + command))
                << run.err.constData();
            EXPECT_TRUE(run.out.isEmpty());
        }
    }
    for (const QStringList& args : {QStringList{"save", "x.lpd", "-o"}, QStringList{"render", "x.lpd", "--zoom"}}) {
        const CliResult run = runCli(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.errText().startsWith(args.first() + ": " + args.last() + " needs a value\n"))
            << run.err.constData();
    }
    const CliResult twice = runCli({"render", "x.lpd", "-o", "a.png", "--output", "b.png"});
    EXPECT_EQ(twice.exitCode, 2);
    EXPECT_TRUE(twice.err.startsWith("render: --output given more than once\n")) << twice.err.constData();
}

// A display that does not answer used to abort every command, even --help.
TEST(CommandLine, NeedsNoDisplay)
{
    QTemporaryDir dir;
    const QString design = dir.filePath("card.lpd");
    ASSERT_TRUE(writeExample({"card.lpd", exampleLayout("card", 350, 200), [](DesignBuilder&, ObjectManager&) {}},
                             design));
    for (const auto& platform : {std::pair{QString(), QString()}, std::pair{QStringLiteral("QT_QPA_PLATFORM"),
                                                                             QStringLiteral("xcb")}}) {
        CliRunOptions deadDisplay;
        deadDisplay.environment = {{"DISPLAY", ":99"}, {"WAYLAND_DISPLAY", "wayland-dead"}};
        if (platform.first.isEmpty())
            deadDisplay.unsetEnvironment = {"QT_QPA_PLATFORM"};
        else
            deadDisplay.environment.push_back(platform);
        SCOPED_TRACE(platform.second.toStdString());
        EXPECT_EQ(runCli({"--help"}, deadDisplay).exitCode, 0);
        const CliResult info = runCli({"info", design}, deadDisplay);
        EXPECT_EQ(info.exitCode, 0) << info.err.constData();
        const CliResult render = runCli({"render", design, "-o", dir.filePath("card.png")}, deadDisplay);
        EXPECT_EQ(render.exitCode, 0) << render.err.constData();
        const CliResult print = runCli({"print", design, "-o", dir.filePath("card.pdf")}, deadDisplay);
        EXPECT_EQ(print.exitCode, 0) << print.err.constData();
        EXPECT_TRUE(info.err.isEmpty() && render.err.isEmpty() && print.err.isEmpty());
    }
}

// A command that fails says so in its own words only: Qt's warnings
// ("QPainter::begin(): Returned false") used to reach the user as well.
TEST(CommandLine, FailuresSpeakWithoutQtWarnings)
{
    QTemporaryDir dir;
    const QString design = dir.filePath("card.lpd");
    ASSERT_TRUE(writeExample({"card.lpd", exampleLayout("card", 350, 200), [](DesignBuilder&, ObjectManager&) {}},
                             design));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.pdf"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.png"));
    struct Case {
        QStringList args;
        QString said;
    };
    const Case cases[] = {
        {{"print", design, "-o", dir.filePath("no/such/folder/o.pdf")},
         "Cannot write " + dir.filePath("no/such/folder/o.pdf") + ".\n" + dir.filePath("no/such/folder/o.pdf") +
             ": No such file or directory\n"},
        {{"print", design, "-o", dir.filePath("folder.pdf")},
         "Cannot write " + dir.filePath("folder.pdf") + ".\n" + dir.filePath("folder.pdf") + ": Is a directory\n"},
        {{"render", design, "-o", dir.filePath("folder.png")},
         dir.filePath("folder.png") + ": Is a directory\nAn error occurred saving the specified file.\n\nBe sure to "
                                      "choose a valid filename on a non-write protected disk.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliResult run = runCli(c.args);
        EXPECT_EQ(run.exitCode, 4);
        EXPECT_EQ(run.errText(), c.said);
    }
}

} // namespace
