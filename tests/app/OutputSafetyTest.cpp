// What save, render and print leave behind when they cannot finish: never an
// empty or cut-off file in place of the previous one, never a device node
// replaced by a file, never an input overwritten by the output. Disks fill
// up for real here: a small tmpfs of the test's own, or a file-size limit.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <sys/stat.h>

#include "CliRunner.h"
#include "WriteFailures.h"
#include "examples/ExampleDesigns.h"
#include "model/DesignObject.h"

namespace {

const QByteArray kPrevious = "the previous file, which must survive\n";

// A design whose every output is far larger than the small disks below: a
// picture of noise, which no format can squeeze.
QString writeLargeDesign(const QString& path)
{
    QImage noise(480, 320, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, random.generate() | 0xFF000000u);
    const ExampleDesign design{"large.lpd", exampleLayout("card", 350, 200), [&noise](DesignBuilder& b, ObjectManager&) {
                                   b.picture({10, 10, 240, 160}, noise);
                                   b.text({260, 20, 80, 30}, "Noise");
                               }};
    EXPECT_TRUE(writeExample(design, path));
    EXPECT_GT(QFileInfo(path).size(), 400 * 1024);
    return path;
}

// The three commands that write a file, each writing OUTPUT from DESIGN.
struct WritingCommand {
    const char* name;
    QStringList args;  // "%design" and "%output" stand for the files
    const char* extension;
};
const WritingCommand kWritingCommands[] = {
    {"save", {"save", "%design", "-o", "%output"}, "lpd"},
    {"render", {"render", "%design", "-o", "%output", "--zoom", "200"}, "bmp"},
    {"print", {"print", "%design", "-o", "%output"}, "pdf"},
};

QStringList commandLine(const WritingCommand& command, const QString& design, const QString& output)
{
    QStringList args = command.args;
    args.replaceInStrings("%design", design).replaceInStrings("%output", output);
    return args;
}

// Everything in a folder but the given names (temporary files left over).
QStringList othersIn(const QString& folder, const QStringList& expected)
{
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : expected)
        names.removeAll(name);
    return names;
}

class OutputSafety : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        design = writeLargeDesign(dir.filePath("large.lpd"));
    }
    QTemporaryDir dir;
    QString design;
};

// A file-size limit makes every write past it fail (EFBIG): the command must
// say so and keep the previous file, not die of SIGXFSZ or leave half a file.
TEST_F(OutputSafety, FileSizeLimitKeepsThePreviousFile)
{
    for (const WritingCommand& command : kWritingCommands) {
        SCOPED_TRACE(command.name);
        const QString output = dir.filePath(QString("out.") + command.extension);
        ASSERT_TRUE(writeBytes(output, kPrevious));
        CliRunOptions limited;
        limited.wrapper = {"sh", "-c", "ulimit -f 40 && exec \"$@\"", "sh"};  // 40 blocks: 20 to 40 KiB
        const CliResult run = runCli(commandLine(command, design, output), limited);
        EXPECT_EQ(run.exitCode, 4) << run.err.constData();
        EXPECT_TRUE(run.err.contains("File too large")) << run.err.constData();
        EXPECT_EQ(fileBytes(output), kPrevious);
        EXPECT_EQ(othersIn(dir.path(), {"large.lpd", QFileInfo(output).fileName()}), QStringList());
        QFile::remove(output);
    }
}

// A real full disk: a 64 KiB tmpfs in a mount namespace of the command's own,
// holding the previous file. The outcome is copied out before the namespace ends.
TEST_F(OutputSafety, FullDiskKeepsThePreviousFile)
{
    if (QProcess::execute("unshare", {"-rm", "true"}) != 0)
        GTEST_SKIP() << "unshare -rm is refused here, so no tmpfs can be mounted for the test";
    const QString disk = dir.filePath("disk");
    ASSERT_TRUE(QDir().mkpath(disk));
    const QString previous = dir.filePath("previous");
    ASSERT_TRUE(writeBytes(previous, kPrevious));
    // $1 disk, $2 previous file, $3 output name, $4 copy of the outcome, $5 listing; then the command.
    const QString script = QStringLiteral(
        "mount -t tmpfs -o size=64k tmpfs \"$1\" && cp \"$2\" \"$1/$3\" || exit 99\n"
        "disk=$1 name=$3 copy=$4 listing=$5; shift 5\n"
        "\"$@\"; status=$?\n"
        "cp \"$disk/$name\" \"$copy\"; ls -A \"$disk\" > \"$listing\"; exit $status\n");
    for (const WritingCommand& command : kWritingCommands) {
        SCOPED_TRACE(command.name);
        const QString name = QString("out.") + command.extension;
        CliRunOptions onSmallDisk;
        onSmallDisk.wrapper = {"unshare", "-rm", "sh", "-c", script, "sh", disk, previous, name,
                               dir.filePath("outcome"), dir.filePath("listing")};
        const CliResult run = runCli(commandLine(command, design, disk + "/" + name), onSmallDisk);
        EXPECT_EQ(run.exitCode, 4) << run.err.constData();
        EXPECT_TRUE(run.err.contains("No space left on device")) << run.err.constData();
        EXPECT_EQ(fileBytes(dir.filePath("outcome")), kPrevious);
        EXPECT_EQ(fileBytes(dir.filePath("listing")), name.toUtf8() + "\n");  // no temporary file left
    }
}

// Devices are written in place: /dev/null stays the device it is, and a
// device that refuses the bytes (/dev/full) makes the command fail.
TEST_F(OutputSafety, DevicesAreWrittenInPlace)
{
    struct stat before {};
    ASSERT_EQ(::stat("/dev/null", &before), 0);
    for (const WritingCommand& command : kWritingCommands) {
        SCOPED_TRACE(command.name);
        const QStringList format = QLatin1String(command.name) == QLatin1String("render")
                                       ? QStringList{"--format", command.extension}
                                       : QStringList{};
        const CliResult null = runCli(commandLine(command, design, "/dev/null") + format);
        EXPECT_EQ(null.exitCode, 0) << null.err.constData();
        const CliResult full = runCli(commandLine(command, design, "/dev/full") + format);
        EXPECT_EQ(full.exitCode, 4);
        EXPECT_TRUE(full.err.contains("/dev/full: No space left on device")) << full.err.constData();
    }
    struct stat after {};
    ASSERT_EQ(::stat("/dev/null", &after), 0);
    EXPECT_TRUE(S_ISCHR(after.st_mode));
    EXPECT_EQ(after.st_rdev, before.st_rdev);
}

// render used to write its picture over the design it read.
TEST_F(OutputSafety, RenderNeverWritesOverTheDesign)
{
    const QByteArray original = fileBytes(design);
    ASSERT_TRUE(QFile::link(design, dir.filePath("design.png")));
    const CliResult run = runCli({"render", design, "-o", dir.filePath("design.png")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.errText().startsWith("render: the output " + dir.filePath("design.png") +
                                         " is the design file itself\n"))
        << run.err.constData();
    EXPECT_EQ(fileBytes(design), original);
    EXPECT_TRUE(QFileInfo(dir.filePath("design.png")).isSymLink());
}

// A print killed halfway (here: stopped while its temporary file exists, then
// killed) leaves the previous PDF exactly as it was.
TEST_F(OutputSafety, KilledPrintKeepsThePreviousPdf)
{
    const QString output = dir.filePath("out.pdf");
    ASSERT_TRUE(writeBytes(output, kPrevious));
    QProcess process;
    process.start(cliProgram(), {"print", design, "-o", output, "--pages", "100"});
    ASSERT_TRUE(process.waitForStarted());
    // Waits for the temporary file; a run always takes long enough to be seen.
    bool stopped = false;
    for (int tries = 0; tries < 120000 && !stopped && process.state() == QProcess::Running; ++tries) {
        if (!othersIn(dir.path(), {"large.lpd", "out.pdf"}).isEmpty()) {
            ::kill(pid_t(process.processId()), SIGSTOP);
            // Stopped with its temporary file still there: the PDF was not yet put in place.
            stopped = !othersIn(dir.path(), {"large.lpd", "out.pdf"}).isEmpty();
            if (!stopped)
                ::kill(pid_t(process.processId()), SIGCONT);
        } else {
            QThread::usleep(500);
        }
    }
    ASSERT_TRUE(stopped) << "the print ended before its temporary file was seen";
    ::kill(pid_t(process.processId()), SIGKILL);
    ASSERT_TRUE(process.waitForFinished());
    EXPECT_EQ(process.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(fileBytes(output), kPrevious);
}

} // namespace

namespace {

// info, data, layouts and help write to standard output, which can fail too.
TEST(StandardOutput, AWriteThatFailsFailsTheCommand)
{
    QTemporaryDir dir;
    const QString design = dir.filePath("card.lpd");
    ASSERT_TRUE(writeExample({"card.lpd", exampleLayout("card", 350, 200), [](DesignBuilder&, ObjectManager&) {}},
                             design));
    ASSERT_TRUE(writeBytes(dir.filePath("people.csv"), "A,B\r\n1,2\r\n"));
    CliRunOptions toFullDevice;
    toFullDevice.wrapper = {"sh", "-c", "exec \"$@\" > /dev/full", "sh"};
    for (const QStringList& args : {QStringList{"info", design}, QStringList{"data", dir.filePath("people.csv")},
                                    QStringList{"layouts", STICKWELL_SOURCE_DIR "/data/layouts/Address Labels.LYT"},
                                    QStringList{"print", "--help"}, QStringList{"--help"}}) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const CliResult run = runCli(args, toFullDevice);
        EXPECT_EQ(run.exitCode, 4);
        EXPECT_EQ(run.err, "Cannot write to standard output: No space left on device\n");
    }
}

} // namespace
