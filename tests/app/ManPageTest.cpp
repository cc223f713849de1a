// The manual page of stickwell-cli keeps up with the program: every command
// and every option its --help texts name.

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "CliRunner.h"

namespace {

QString manPage()
{
    QFile file(STICKWELL_SOURCE_DIR "/packaging/man/stickwell-cli.1");
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// "--start-cell" as roff writes it.
QString inRoff(const QString& option) { return QString(option).replace("-", "\\-"); }

} // namespace

TEST(ManPage, NamesEveryCommandAndOption)
{
    const QString page = manPage();
    ASSERT_FALSE(page.isEmpty());
    const CliResult overview = runCli({"--help"});
    ASSERT_EQ(overview.exitCode, 0);
    const QRegularExpression commandLine("^  ([a-z]+) ", QRegularExpression::MultilineOption);
    const QRegularExpression optionName("(?:^  |, )(--[a-z-]+)", QRegularExpression::MultilineOption);
    int commands = 0;
    for (const auto& command : commandLine.globalMatch(QString::fromUtf8(overview.out))) {
        ++commands;
        const QString name = command.captured(1);
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(page.contains(".SS " + name + " ")) << "no section for the command";
        const CliResult help = runCli({name, "--help"});
        for (const auto& option : optionName.globalMatch(QString::fromUtf8(help.out)))
            EXPECT_TRUE(page.contains(inRoff(option.captured(1)))) << qPrintable(option.captured(1));
    }
    EXPECT_GE(commands, 6);
}
