// stickwell-cli print as a user runs it: the dialog's messages and exit
// statuses for bad values, and what ends up in the PDF.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "CliRunner.h"
#include "PrintFixtures.h"
#include "WriteFailures.h"
#include "files/DesignFile.h"
#include "model/Options.h"
#include "model/Paper.h"
#include "print/PrintTexts.h"
#include "system/SettingsStore.h"

namespace {

// stickwell-cli print ARGUMENTS...
CliResult print(const QStringList& arguments, const CliRunOptions& options = {})
{
    return runCli(QStringList{"print"} + arguments, options);
}

QString writeDesign(TestDesign& design, const QString& path, const QString& linked = {})
{
    ObjectManager& m = design.editor.manager();
    EXPECT_TRUE(writeDesignFile(m, path, design.layout, linked, design.editor.zoom));
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
        const CliResult run = print(QStringList{file, "-o", out} + c.args);
        EXPECT_EQ(run.exitCode, 2) << qPrintable(c.args.join(' '));
        EXPECT_TRUE(run.errText().contains(c.message)) << qPrintable(c.args.join(' ')) << ": " << run.err.constData();
    }
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(print({file}).exitCode, 2);
}

TEST(PrintCommandTest, FilesThatCannotBeUsedAreRefused)
{
    QTemporaryDir dir;
    TestDesign design(thirtyUpLayout());
    design.addText("X");
    const QString file = writeDesign(design, dir.filePath("d.lpd"));
    const QString linkedToNothing = writeDesign(design, dir.filePath("linked.lpd"), "missing.csv");

    CliResult run = print({dir.filePath("none.lpd"), "-o", dir.filePath("o.pdf")});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.errText(), "Cannot read " + dir.filePath("none.lpd") + ": No such file or directory\n");

    LayoutRecord tall = thirtyUpLayout();
    tall.elementHeight = 1000000;
    TestDesign tallDesign(tall);
    tallDesign.addText("X");
    run = print({writeDesign(tallDesign, dir.filePath("tall.lpd")), "-o", dir.filePath("o.pdf")});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.errText().trimmed(), "error 1004: The width and height or each region must be between 0.10 and 17.00 in");
    EXPECT_FALSE(QFile::exists(dir.filePath("o.pdf")));

    run = print({linkedToNothing, "-o", dir.filePath("o.pdf")});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(run.errText().contains(PrintTexts::cannotOpenData(dir.filePath("missing.csv")))) << run.err.constData();

    run = print({file, "-o", dir.filePath("no/such/folder/o.pdf")});
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_TRUE(run.errText().contains("Cannot write")) << run.err.constData();

    run = print({file, "--printer", "no-such-printer-here"});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(run.errText().contains(PrintTexts::noSuchPrinter("no-such-printer-here"))) << run.err.constData();
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
        const CliResult run = print(QStringList{file, "-o", out} + c.args);
        ASSERT_EQ(run.exitCode, 0) << run.err.constData();
        EXPECT_EQ(readPdfText(out).pageCount, c.pages) << qPrintable(c.args.join(' '));
    }
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
        CliRunOptions fromElsewhere;
        fromElsewhere.workingDirectory = QDir::tempPath();
        const CliResult run = print(QStringList{file, "-o", out} + c.args, fromElsewhere);
        ASSERT_EQ(run.exitCode, 0) << run.err.constData();
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
    const CliResult run = print({file, "-o", dir.filePath("o.pdf"), "--start-record", "3"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.errText().contains(PrintTexts::startRecordRange(2))) << run.err.constData();
    EXPECT_EQ(print({file, "-o", dir.filePath("o.pdf"), "--start-record", "2"}).exitCode, 0);
}

TEST(PrintCommandTest, HeaderAndFooterCarryTheDesignsFileName)
{
    QTemporaryDir dir;
    TestDesign design(thirtyUpLayout());
    design.addText("X");
    const QString file = writeDesign(design, dir.filePath("Name-Tags.lpd"));
    const QString out = dir.filePath("o.pdf");
    ASSERT_EQ(print({file, "-o", out, "--header", "--footer"}).exitCode, 0);
    const auto names = readPdfText(out).findAll("Name-Tags.lpd");
    ASSERT_EQ(names.size(), 2u);
    EXPECT_LT(names[0].top, 20);    // the top line of the page
    EXPECT_GT(names[1].bottom, 770);  // and the bottom one
}

// print writes PDF files and nothing else: a picture name used to get a PDF.
TEST(PrintCommandTest, RefusesOutputsThatAreNoPdf)
{
    QTemporaryDir dir;
    TestDesign design(thirtyUpLayout());
    design.addText("X");
    const QString file = writeDesign(design, dir.filePath("d.lpd"));
    for (const char* name : {"out.png", "out", "out.pdf.txt"}) {
        SCOPED_TRACE(name);
        const CliResult run = print({file, "-o", dir.filePath(name)});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains(": name the output .pdf")) << run.err.constData();
        EXPECT_FALSE(QFile::exists(dir.filePath(name)));
    }
    const CliResult upperCase = print({file, "-o", dir.filePath("OUT.PDF")});
    EXPECT_EQ(upperCase.exitCode, 0) << upperCase.err.constData();
    EXPECT_EQ(readPdfText(dir.filePath("OUT.PDF")).pageCount, 1);
}

// The output may never be the design or its data, however it is spelled: the
// design and the data were lost before.
TEST(PrintCommandTest, RefusesToWriteOverItsOwnInputs)
{
    QTemporaryDir dir;
    // Data read by the text driver whatever its extension, so it can carry a PDF name.
    ASSERT_TRUE(writeBytes(dir.filePath("names.pdf"), "\"NAME\"\r\n\"A\"\r\n"));
    ASSERT_TRUE(writeBytes(dir.filePath("other.pdf"), "\"NAME\"\r\n\"B\"\r\n"));
    TestDesign design(thirtyUpLayout());
    design.addText("{-NAME-}");
    const QString file = writeDesign(design, dir.filePath("d.lpd"), "names.pdf");
    ASSERT_TRUE(QFile::link(file, dir.filePath("design-link.pdf")));
    ASSERT_TRUE(QFile::link(dir.filePath("names.pdf"), dir.filePath("data-link.pdf")));
    struct Case {
        QStringList args;
        const char* message;
    };
    const Case cases[] = {
        {{"-o", "design-link.pdf"}, "print: the output design-link.pdf is the design file itself"},
        {{"-o", "./names.pdf"}, "print: the output ./names.pdf is the data source "},
        {{"-o", dir.filePath("data-link.pdf")}, " is the data source "},
        {{"-o", "other.pdf", "--data", "other.pdf"}, "print: the output other.pdf is the data source other.pdf"},
    };
    CliRunOptions inFolder;
    inFolder.workingDirectory = dir.path();
    const QByteArray data = fileBytes(dir.filePath("names.pdf"));
    const QByteArray otherData = fileBytes(dir.filePath("other.pdf"));
    const QByteArray designBytes = fileBytes(file);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliResult run = print(QStringList{"d.lpd"} + c.args, inFolder);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.constData();
    }
    EXPECT_EQ(fileBytes(dir.filePath("names.pdf")), data);
    EXPECT_EQ(fileBytes(dir.filePath("other.pdf")), otherData);
    EXPECT_EQ(fileBytes(file), designBytes);
    EXPECT_TRUE(QFileInfo(dir.filePath("design-link.pdf")).isSymLink());
    // Another file of the same name elsewhere is no input.
    ASSERT_TRUE(QDir(dir.path()).mkdir("out"));
    EXPECT_EQ(print({"d.lpd", "-o", "out/names.pdf"}, inFolder).exitCode, 0);
}

namespace {

// The user's options where the windows keep them, in a configuration folder of the test's own.
CliRunOptions withStoredOptions(const QString& configHome, const Options& options)
{
    SettingsStore store(configHome + "/Zevcraft/Quillon Stickwell.ini");
    options.save(store);
    EXPECT_TRUE(store.sync());
    CliRunOptions run;
    run.environment = {{"XDG_CONFIG_HOME", configHome}};
    return run;
}

// The first page as a small picture, to compare what is drawn where text cannot tell.
QImage firstPage(const QString& pdf)
{
    const QString prefix = pdf + "-page";
    QProcess::execute("pdftoppm", {"-r", "30", "-png", "-singlefile", pdf, prefix});
    return QImage(prefix + ".png");
}

} // namespace

// The stored options hold for the CLI as for the windows: crop marks and
// corner marks unless the command line says otherwise, and the paper of a
// layout that names none follows the unit option.
TEST(PrintCommandTest, FollowsTheStoredOptions)
{
    QTemporaryDir dir;
    LayoutRecord layout = thirtyUpLayout();
    layout.paperType = kPaperNone;  // the page is the unit option's: Letter, or A4 when metric
    TestDesign design(layout);
    design.addText("X");
    const QString file = writeDesign(design, dir.filePath("d.lpd"));
    const auto printed = [&](const QString& name, const QStringList& extra, const CliRunOptions& options = {}) {
        const QString out = dir.filePath(name);
        const CliResult run = print(QStringList{file, "-o", out} + extra, options);
        EXPECT_EQ(run.exitCode, 0) << run.err.constData();
        return out;
    };
    Options marks;
    marks.cropMarks = true;
    marks.cornerMarks = true;
    const CliRunOptions stored = withStoredOptions(dir.filePath("marks-config"), marks);
    const QImage plain = firstPage(printed("plain.pdf", {}));
    const QImage asked = firstPage(printed("asked.pdf", {"--crop-marks", "--corner-marks"}));
    ASSERT_FALSE(plain.isNull());
    ASSERT_NE(plain, asked);
    EXPECT_EQ(firstPage(printed("stored.pdf", {}, stored)), asked);
    EXPECT_EQ(firstPage(printed("declined.pdf", {"--no-crop-marks", "--no-corner-marks"}, stored)), plain);

    EXPECT_EQ(readPdfText(dir.filePath("plain.pdf")).pageWidth, 612);  // Letter
    Options metric;
    metric.metricUnits = true;
    const PdfText a4 = readPdfText(printed("metric.pdf", {}, withStoredOptions(dir.filePath("metric-config"), metric)));
    EXPECT_NEAR(a4.pageWidth, 595.3, 0.5);
    EXPECT_NEAR(a4.pageHeight, 841.9, 0.5);
}
