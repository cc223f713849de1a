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
    ObjectManager& m = design.editor.manager;
    EXPECT_TRUE(writeDesignFile(m, path, design.layout, linked, design.editor.zoom, m.currentSide, m.currentPanel));
    return path;
}

} // namespace

TEST(PrintCommandTest, BadValuesGiveTheDialogsMessagesAndStatusTwo)
{
    QTemporaryDir dir;
    TestDesign design(thirtyUpLayout());
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
        {{"--start-record", "1"}, PrintTexts::startRecordRange(0)},
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
    TestDesign design(thirtyUpLayout());
    design.addText("X");
    const QString file = writeDesign(design, dir.filePath("d.lpd"));
    const QString linkedToNothing = writeDesign(design, dir.filePath("linked.lpd"), "missing.csv");

    CliRun run = runCli({dir.filePath("none.lpd"), "-o", dir.filePath("o.pdf")});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(run.err.startsWith("error 100")) << qPrintable(run.err);

    LayoutRecord tall = thirtyUpLayout();
    tall.elementHeight = 1000000;
    TestDesign tallDesign(tall);
    tallDesign.addText("X");
    run = runCli({writeDesign(tallDesign, dir.filePath("tall.lpd")), "-o", dir.filePath("o.pdf")});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.err.trimmed(), "error 1004: The width and height or each region must be between 0.10 and 17.00 in");
    EXPECT_FALSE(QFile::exists(dir.filePath("o.pdf")));

    run = runCli({linkedToNothing, "-o", dir.filePath("o.pdf")});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(run.err.contains(PrintTexts::cannotOpenData(dir.filePath("missing.csv")))) << qPrintable(run.err);

    run = runCli({file, "-o", dir.filePath("no/such/folder/o.pdf")});
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_TRUE(run.err.contains("Cannot write")) << qPrintable(run.err);

    run = runCli({file, "--printer", "no-such-printer-here"});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(run.err.contains(PrintTexts::noSuchPrinter("no-such-printer-here"))) << qPrintable(run.err);
}

TEST(PrintCommandTest, QuantityDefaultsToOneSheetAndPagesCountSheets)
{
    QTemporaryDir dir;
    TestDesign design(thirtyUpLayout());
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
        EXPECT_EQ(readPdfText(out).pageCount, c.pages) << qPrintable(c.args.join(' '));
    }
}

TEST(PrintCommandTest, RelativeLinkedPathIsTakenFromTheDesignsFolder)
{
    EXPECT_EQ(resolveLinkedPath("/a/b/design.lpd", "data.csv"), "/a/b/data.csv");
    EXPECT_EQ(resolveLinkedPath("/a/b/design.lpd", "../c/data.csv"), "/a/c/data.csv");
    EXPECT_EQ(resolveLinkedPath("/a/b/design.lpd", "/x/data.csv"), "/x/data.csv");
    EXPECT_EQ(resolveLinkedPath("/a/b/design.lpd", "sub\\data.csv"), "/a/b/sub/data.csv");
    EXPECT_EQ(resolveLinkedPath("/a/b/design.lpd", ""), "");
}

// A design linked to "names.csv" beside it, printed from another folder.
TEST(PrintCommandTest, MergedRunLandsInTheCellsAndRecordsAsked)
{
    QTemporaryDir dir;
    const auto writeCsv = [&dir](const QString& name, const QString& prefix, int records) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("\"NAME\"\r\n");
        for (int i = 0; i < records; ++i)
            file.write(QString("\"%1%2\"\r\n").arg(prefix).arg(i).toLatin1());
    };
    writeCsv("names.csv", "Linked", 25);
    writeCsv("other.csv", "Other", 25);
    TestDesign design(thirtyUpLayout());
    design.addText("{-NAME-}");
    const QString file = writeDesign(design, dir.filePath("d.lpd"), "names.csv");
    const QString out = dir.filePath("o.pdf");

    struct Case {
        QStringList args;
        QString prefix;
        std::vector<int> records;  // element n → record, -1 for an empty field
    };
    const Case cases[] = {
        {{"--start-cell", "5", "--quantity", "10"}, "Linked", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {{"--start-cell", "5", "--quantity", "10", "--start-record", "20"}, "Linked",
         {20, 21, 22, 23, 24, -1, -1, -1, -1, -1}},
        {{"--start-cell", "5", "--quantity", "10", "--start-record", "20", "--cycle", "--data",
          dir.filePath("other.csv")},
         "Other",
         {20, 21, 22, 23, 24, 0, 1, 2, 3, 4}},
    };
    for (const Case& c : cases) {
        QFile::remove(out);
        QProcess process;
        process.setWorkingDirectory(QDir::tempPath());
        process.start(QStringLiteral(STICKWELL_CLI), QStringList{"print", file, "-o", out} + c.args);
        process.waitForFinished(120000);
        ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();
        const PdfText text = readPdfText(out);
        ASSERT_EQ(text.pageCount, 1);
        std::map<int, QString> cells;
        for (const PdfWord& w : text.words)
            cells[cellOfWord(w, design.layout)] = w.text;
        for (int n = 1; n <= 10; ++n) {
            const int record = c.records[size_t(n - 1)];
            const auto it = cells.find(n + 4);
            if (record < 0)
                EXPECT_EQ(it, cells.end()) << qPrintable(c.args.join(' ')) << " element " << n;
            else
                EXPECT_TRUE(it != cells.end() && it->second == c.prefix + QString::number(record))
                    << qPrintable(c.args.join(' ')) << " element " << n;
        }
        EXPECT_EQ(cells.size(), size_t(std::count_if(c.records.begin(), c.records.end(), [](int r) { return r >= 0; })));
    }
}

TEST(PrintCommandTest, StartRecordBeyondTheDataIsRefused)
{
    QTemporaryDir dir;
    QFile csv(dir.filePath("names.csv"));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write("\"NAME\"\r\n\"A\"\r\n\"B\"\r\n");
    csv.close();
    TestDesign design(thirtyUpLayout());
    design.addText("{-NAME-}");
    const QString file = writeDesign(design, dir.filePath("d.lpd"), "names.csv");
    const CliRun run = runCli({file, "-o", dir.filePath("o.pdf"), "--start-record", "3"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(PrintTexts::startRecordRange(2))) << qPrintable(run.err);
    EXPECT_EQ(runCli({file, "-o", dir.filePath("o.pdf"), "--start-record", "2"}).exitCode, 0);
}

TEST(PrintCommandTest, HeaderAndFooterCarryTheDesignsFileName)
{
    QTemporaryDir dir;
    TestDesign design(thirtyUpLayout());
    design.addText("X");
    const QString file = writeDesign(design, dir.filePath("Name-Tags.lpd"));
    const QString out = dir.filePath("o.pdf");
    ASSERT_EQ(runCli({file, "-o", out, "--header", "--footer"}).exitCode, 0);
    const auto names = readPdfText(out).findAll("Name-Tags.lpd");
    ASSERT_EQ(names.size(), 2u);
    EXPECT_LT(names[0].top, 20);    // the top line of the page
    EXPECT_GT(names[1].bottom, 770);  // and the bottom one
}
