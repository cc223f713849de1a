#include <gtest/gtest.h>

#include "ShippedDesigns.h"
#include "WriteFailures.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include "CliRunner.h"

namespace {



CliRunOptions withInput(const QByteArray& input)
{
    CliRunOptions options;
    options.input = input;
    return options;
}

const QString kPictureExample = QStringLiteral(STICKWELL_SOURCE_DIR "/data/examples/picture-and-codes.lpd");

} // namespace

TEST(CliBuild, InfoWithPicturesPipedIntoBuildGivesTheSameFile)
{
    QTemporaryDir dir;
    for (const QString& path : shippedDesignPaths()) {
        SCOPED_TRACE(path.toStdString());
        const CliResult info = runCli({"info", path, "--with-pictures"});
        ASSERT_EQ(info.exitCode, 0) << info.err.constData();
        const QString out = dir.filePath("rebuilt.lpd");
        const CliResult build = runCli({"build", "-", "-o", out}, withInput(info.out));
        ASSERT_EQ(build.exitCode, 0) << build.err.constData();
        EXPECT_TRUE(build.out.isEmpty() && build.err.isEmpty());
        EXPECT_EQ(fileBytes(out), fileBytes(path));
    }
}

TEST(CliBuild, ABadDescriptionNamesThePathExitsTwoAndWritesNothing)
{
    QTemporaryDir dir;
    const QString spec = dir.filePath("spec.json");
    const CliResult info = runCli({"info", kPictureExample});  // no picture bytes
    ASSERT_TRUE(writeBytes(spec, info.out));
    const QString fresh = dir.filePath("fresh.lpd");
    const QString existing = dir.filePath("existing.lpd");
    ASSERT_TRUE(writeBytes(existing, "keep me"));
    for (const QString& out : {fresh, existing}) {
        SCOPED_TRACE(out.toStdString());
        const CliResult build = runCli({"build", spec, "-o", out});
        EXPECT_EQ(build.exitCode, 2);
        EXPECT_EQ(build.errText(), "build: " + spec + ": regions[0].background_picture.data: missing\n");
    }
    EXPECT_FALSE(QFile::exists(fresh));
    EXPECT_EQ(fileBytes(existing), "keep me");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);  // no temporary file left behind

    const CliResult junk = runCli({"build", "-", "-o", fresh}, withInput("{\"version\": 700,"));
    EXPECT_EQ(junk.exitCode, 2);
    EXPECT_TRUE(junk.errText().startsWith("build: -: not valid JSON at byte")) << junk.err.constData();
    EXPECT_FALSE(QFile::exists(fresh));
}

TEST(CliBuild, InputsAndOutputsAreChecked)
{
    QTemporaryDir dir;
    const QString spec = dir.filePath("spec.json");
    ASSERT_TRUE(writeBytes(spec, "{}"));
    struct Case {
        QStringList args;
        int exitCode;
        QString errStart;
    };
    const Case cases[] = {
        {{"build", spec}, 2, "build: -o OUT is needed"},
        {{"build", "-o", dir.filePath("x.lpd")}, 2, "build: no description given"},
        {{"build", spec, "-o", spec}, 2, "build: the output " + spec + " is the description itself"},
        {{"build", dir.filePath("absent.json"), "-o", dir.filePath("x.lpd")}, 3,
         "Cannot read " + dir.filePath("absent.json") + ": No such file or directory"},
        {{"build", dir.path(), "-o", dir.filePath("x.lpd")}, 3, "Cannot read " + dir.path() + ": Is a directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliResult run = runCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_TRUE(run.errText().startsWith(c.errStart)) << run.err.constData();
    }
    EXPECT_EQ(fileBytes(spec), "{}");
    EXPECT_FALSE(QFile::exists(dir.filePath("x.lpd")));
}
