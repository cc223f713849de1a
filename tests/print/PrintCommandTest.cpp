// stickwell-cli print as a user runs it: the dialog's messages and exit
// statuses for bad values, and what ends up in the PDF.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "PrintFixtures.h"
#include "files/DesignFile.h"
#include "print/DesignPrinting.h"
#include "print/PrintTexts.h"

namespace {

struct CliRun {
    int exitCode = -1;
    QString err;
};

CliRun runCli(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(STICKWELL_CLI), QStringList{"print"} + arguments);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}

QString writeDesign(TestDesign& design, const QString& path, const QString& linked = {})
{
    TObjectManager& m = design.editor.manager;
    EXPECT_TRUE(WriteDesignFile(m, path, design.layout, linked, design.editor.zoom, m.CurrentSide, m.CurrentPanel));
    return path;
}

} // namespace

TEST(PrintCommandTest, BadValuesGiveTheDialogsMessagesAndStatusTwo)
{
    QTemporaryDir dir;
    TestDesign design(ThirtyUpLayout());
    design.addText("X");
    const QString file = writeDesign(design, dir.filePath("d.lpd"));
    const QString out = dir.filePath("o.pdf");
    struct Case {
        QStringList args;
        QString message;
    };
    const Case cases[] = {
        {{"--start-cell", "0"}, "Please enter a starting position between 1 and 30."},
        {{"--start-cell", "31"}, "Please enter a starting position between 1 and 30."},
        {{"--start-cell", "five"}, "Please enter a starting position between 1 and 30."},
        {{"--quantity", "0"}, "Please enter a valid quatity to print."},
        {{"--pages", "-2"}, "Please enter a valid quatity to print."},
        {{"--quantity", "1e3"}, "Please enter a valid quatity to print."},
        {{"--start-record", "1"}, PrintTexts::StartRecordRange(0)},
        {{"--side", "2"}, PrintTexts::NoBackSide},
        {{"--side", "3"}, "--side takes 1, 2 or both"},
        {{"--interleave"}, "--interleave needs --side both"},
        {{"--quantity", "3", "--pages", "1"}, "give either --quantity or --pages, once"},
        {{"--bogus"}, "unknown option --bogus"},
        {{"--quantity"}, "--quantity needs a value"},
    };
    for (const Case& c : cases) {
        const CliRun run = runCli(QStringList{file, "-o", out} + c.args);
        EXPECT_EQ(run.exitCode, 2) << qPrintable(c.args.join(' '));
        EXPECT_TRUE(run.err.contains(c.message)) << qPrintable(c.args.join(' ')) << ": " << qPrintable(run.err);
    }
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(runCli({file}).exitCode, 2);
}

TEST(PrintCommandTest, FilesThatCannotBeUsedAreRefused)
{
    QTemporaryDir dir;
    TestDesign design(ThirtyUpLayout());
    design.addText("X");
    const QString file = writeDesign(design, dir.filePath("d.lpd"));
    const QString linkedToNothing = writeDesign(design, dir.filePath("linked.lpd"), "missing.csv");

    CliRun run = runCli({dir.filePath("none.lpd"), "-o", dir.filePath("o.pdf")});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(run.err.startsWith("error 100")) << qPrintable(run.err);

    run = runCli({linkedToNothing, "-o", dir.filePath("o.pdf")});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(run.err.contains(PrintTexts::CannotOpenData(dir.filePath("missing.csv")))) << qPrintable(run.err);

    run = runCli({file, "-o", dir.filePath("no/such/folder/o.pdf")});
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_TRUE(run.err.contains("Cannot write")) << qPrintable(run.err);

    run = runCli({file, "--printer", "no-such-printer-here"});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(run.err.contains(PrintTexts::NoSuchPrinter("no-such-printer-here"))) << qPrintable(run.err);
}

TEST(PrintCommandTest, QuantityDefaultsToOneSheetAndPagesCountSheets)
{
    QTemporaryDir dir;
    TestDesign design(ThirtyUpLayout());
    design.addText("X");
    const QString file = writeDesign(design, dir.filePath("d.lpd"));
    struct Case {
        QStringList args;
        int pages;
    };
    const Case cases[] = {
        {{}, 1},
        {{"--pages", "3"}, 3},
        {{"--quantity", "31"}, 2},
        {{"--start-cell", "30", "--quantity", "2"}, 2},
    };
    for (const Case& c : cases) {
        const QString out = dir.filePath("o.pdf");
        QFile::remove(out);
        const CliRun run = runCli(QStringList{file, "-o", out} + c.args);
        ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
        EXPECT_EQ(ReadPdfText(out).pageCount, c.pages) << qPrintable(c.args.join(' '));
    }
}

TEST(PrintCommandTest, RelativeLinkedPathIsTakenFromTheDesignsFolder)
{
    EXPECT_EQ(ResolveLinkedPath("/a/b/design.lpd", "data.csv"), "/a/b/data.csv");
    EXPECT_EQ(ResolveLinkedPath("/a/b/design.lpd", "../c/data.csv"), "/a/c/data.csv");
    EXPECT_EQ(ResolveLinkedPath("/a/b/design.lpd", "/x/data.csv"), "/x/data.csv");
    EXPECT_EQ(ResolveLinkedPath("/a/b/design.lpd", "sub\\data.csv"), "/a/b/sub/data.csv");
    EXPECT_EQ(ResolveLinkedPath("/a/b/design.lpd", ""), "");
}
