// stickwell-cli data: a merge source as JSON.

#include <gtest/gtest.h>

#include "CliRunner.h"
#include "MergeFixtures.h"

namespace {

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
        {{"data", "--count", "0", csv}, "{\"fields\":[\"A\",\"B\"],\"record_count\":3,\"records\":[]}\n"},
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
    EXPECT_EQ(runCli({"data", "--help"}).exitCode, 0);
}

// A usage error names what is wrong on stderr; it used to print only the
// usage, on stdout, leaving the user to guess.
TEST(DataCommand, UsageErrorsNameTheProblem)
{
    struct Case {
        QStringList args;
        const char* message;
    };
    const Case cases[] = {
        {{"data"}, "data: no data source given"},
        {{"data", "a.csv", "b.csv"}, "data: unexpected argument: b.csv"},
        {{"data", "x.csv", "--first", "-1"}, "data: --first takes a record number from 0"},
        {{"data", "x.csv", "--first", "two"}, "data: --first takes a record number from 0"},
        {{"data", "x.csv", "--count", "-3"}, "data: --count takes a number from 0"},
        {{"data", "x.csv", "--count"}, "data: --count needs a value"},
        {{"data", "x.csv", "--count", "1", "--count", "2"}, "data: --count given more than once"},
        {{"data", "x.csv", "--last", "3"}, "data: unknown option --last"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliResult run = runCli(c.args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.startsWith(QByteArray(c.message) + "\nUsage: stickwell-cli data SOURCE"))
            << run.err.constData();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

// The reader picks its driver by extension, so a file without one never opens: say so.
TEST(DataCommand, ASourceWithoutExtensionIsExplained)
{
    QTemporaryDir dir;
    const QString file = writeFileBytes(dir.filePath("people"), "A,B\r\n1,2\r\n");
    const CliResult run = runCli({"data", file});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(run.errText().contains("Cannot open the data source: " + file + "\nA data source needs an extension"))
        << run.err.constData();
}

} // namespace
