// stickwell-cli data: a merge source as JSON.

#include <gtest/gtest.h>

#include <QProcess>

#include "MergeFixtures.h"

namespace {

struct CliResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

CliResult runCli(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(STICKWELL_CLI), arguments);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

TEST(DataCommand, PrintsFieldsCountAndRecords)
{
    QTemporaryDir dir;
    const QString csv = writeFileBytes(dir.filePath("p.csv"), "A,B\r\n1,\"x\"\"y\"\r\nJos\xC3\xA9,2\n3,4\n");
    const std::vector<std::pair<QStringList, QByteArray>> cases = {
        {{"data", csv},
         "{\"fields\":[\"A\",\"B\"],\"record_count\":3,\"records\":[[\"1\",\"x\\\"y\"],[\"Jos\xC3\xA9\",\"2\"],[\"3\",\"4\"]]}\n"},
        {{"data", csv, "--first", "1", "--count", "1"},
         "{\"fields\":[\"A\",\"B\"],\"record_count\":3,\"records\":[[\"Jos\xC3\xA9\",\"2\"]]}\n"},
        {{"data", csv, "--first", "5"}, "{\"fields\":[\"A\",\"B\"],\"record_count\":3,\"records\":[]}\n"},
    };
    for (const auto& [args, json] : cases) {
        const CliResult run = runCli(args);
        EXPECT_EQ(run.exitCode, 0) << run.err.constData();
        EXPECT_EQ(run.out, json);
    }
}

TEST(DataCommand, RefusesSourcesAndArguments)
{
    QTemporaryDir dir;
    const CliResult missing = runCli({"data", dir.filePath("none.csv")});
    EXPECT_EQ(missing.exitCode, 3);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_TRUE(missing.err.contains("ERROR: Open with TDFile"));
    EXPECT_EQ(runCli({"data"}).exitCode, 2);
    EXPECT_EQ(runCli({"data", "x.csv", "--first", "-1"}).exitCode, 2);
    EXPECT_EQ(runCli({"data", "x.csv", "--count"}).exitCode, 2);
    EXPECT_EQ(runCli({"data", "--help"}).exitCode, 0);
}

} // namespace
