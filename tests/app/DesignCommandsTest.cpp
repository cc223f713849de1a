#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <iostream>
#include <optional>
#include <unistd.h>

#include "CliRunner.h"
#include "WriteFailures.h"
#include "files/DesignFile.h"
#include "files/LayoutFile.h"
#include "model/DesignEditor.h"
#include "model/DesignObject.h"

namespace {

// A small design of two objects on a 350 x 200 card.
QString writeCardDesign(const QString& path)
{
    DesignEditor e;
    e.manager().setLiveRegion({0, 0});
    e.manager().createText(10, 10)->lines = {"A \"quoted\" line"};
    e.manager().createEllipse(40, 40);
    LayoutRecord layout;
    layout.setName("Card");
    layout.elementWidth = 350;
    layout.elementHeight = 200;
    EXPECT_TRUE(writeDesignFile(e.manager(), path, layout, "", 100));
    return path;
}

} // namespace

TEST(CliDesignCommands, SaveWritesTheSameBytesAndInfoDescribesThem)
{
    QTemporaryDir dir;
    const QString original = writeCardDesign(dir.filePath("card.lpd"));

    const QString copy = dir.filePath("copy.lpd");
    const CliResult save = runCli({"save", original, "-o", copy});
    ASSERT_EQ(save.exitCode, 0) << save.err.constData();
    EXPECT_EQ(fileBytes(copy), fileBytes(original));

    const CliResult info = runCli({"info", copy});
    ASSERT_EQ(info.exitCode, 0);
    EXPECT_TRUE(info.out.contains("\"lines\":[\"A \\\"quoted\\\" line\"]"));
    EXPECT_TRUE(info.out.contains("{\"name\":\"Shape0\",\"kind\":\"C\""));
}

TEST(CliDesignCommands, RefusedFilesAndBadArguments)
{
    QTemporaryDir dir;
    const QString junk = dir.filePath("junk.lpd");
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(600, 'x'));
    f.close();
    const CliResult info = runCli({"info", junk});
    EXPECT_EQ(info.exitCode, 3);
    EXPECT_TRUE(info.err.startsWith(QFile::encodeName(junk) +
                                    " is not a design file.\nerror 1002: An error occurred loading the specified file."))
        << info.err.constData();
    EXPECT_TRUE(info.out.isEmpty());

    EXPECT_EQ(runCli({"save", junk, "-o", dir.filePath("out.lpd")}).exitCode, 3);
    EXPECT_FALSE(QFile::exists(dir.filePath("out.lpd")));
    EXPECT_EQ(runCli({"info"}).exitCode, 2);
    EXPECT_EQ(runCli({"nonsense"}).exitCode, 2);
    EXPECT_EQ(runCli({"info", "--help"}).exitCode, 0);
}

TEST(CliDesignCommands, LayoutsListsEntriesInOrder)
{
    QTemporaryDir dir;
    std::vector<LayoutRecord> records(2);
    records[0].setName("===== Address =====");
    records[1].setName("Address 30<>1 x 2 5/8 in");
    records[1].rows = 10;
    records[1].columns = 3;
    const QString path = dir.filePath("Labels.LYT");
    ASSERT_TRUE(writeLayoutFile(path, records));
    const CliResult run = runCli({"layouts", path});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.startsWith("[{\"name\":\"===== Address =====\",\"shown_name\":\"===== Address =====\","
                                   "\"note\":\"1 Per Sheet\",\"selectable\":false,\"record\":{\"name\":"));
    EXPECT_TRUE(run.out.contains("{\"name\":\"Address 30<>1 x 2 5/8 in\",\"shown_name\":\"Address 30\",\"note\":"
                                 "\"1 x 2 5/8 in\",\"selectable\":true,\"record\":{\"name\":\"Address 30<>1 x 2 5/8 "
                                 "in\",\"rows\":10,\"columns\":3,"));
    EXPECT_EQ(runCli({"layouts", dir.filePath("none.LYT")}).exitCode, 3);
}

namespace {

// Runs the CLI where a file owned by someone else and readable by nobody
// really is unreadable: directly for an ordinary user; for root (who reads
// anything) inside a user namespace, where root has no power over files of
// users it does not map. Empty when that cannot be arranged here.
std::optional<CliRunOptions> unreadableFileRun(const QString& path)
{
    if (!QFile::setPermissions(path, QFileDevice::Permissions()))
        return std::nullopt;
    if (geteuid() != 0)
        return CliRunOptions{};
    if (::chown(QFile::encodeName(path).constData(), 12345, 12345) != 0 ||
        QProcess::execute("unshare", {"-r", "true"}) != 0)
        return std::nullopt;
    CliRunOptions options;
    options.wrapper = {"unshare", "-r"};
    return options;
}

} // namespace

// Each command that reads a design says first what is wrong with the file;
// the result code and its text follow only where the file was read.
TEST(CliDesignInput, SaysWhatIsWrongWithTheFile)
{
    QTemporaryDir dir;
    const QString design = writeCardDesign(dir.filePath("card.lpd"));
    QByteArray newer = fileBytes(design);
    newer[0] = char(0xBD);  // version 701, with a design's own signature
    QByteArray png;
    {
        QBuffer buffer(&png);
        ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
        ASSERT_TRUE(QImage(4, 4, QImage::Format_RGB32).save(&buffer, "PNG"));
    }
    ASSERT_TRUE(writeBytes(dir.filePath("empty.lpd"), {}));
    ASSERT_TRUE(writeBytes(dir.filePath("picture.lpd"), png));
    ASSERT_TRUE(writeBytes(dir.filePath("newer.lpd"), newer));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.lpd"));
    ASSERT_TRUE(writeBytes(dir.filePath("locked.lpd"), fileBytes(design)));

    const QByteArray badVersion = "error 1002: An error occurred loading the specified file.\n\nThe file has an "
                                  "invalid version stamp.\n\nIt may have been created by a newer version.\n";
    struct Case {
        const char* name;
        QByteArray said;  // stderr, after the path where it starts with it
        bool startsWithPath = false;
    };
    const Case cases[] = {
        {"missing.lpd", "Cannot read %1: No such file or directory\n"},
        {"folder.lpd", "Cannot read %1: Is a directory\n"},
        {"locked.lpd", "Cannot read %1: Permission denied\n"},
        {"empty.lpd", "%1 is empty: it is not a design file.\n" + badVersion},
        {"picture.lpd", "%1 is not a design file.\n" + badVersion},
        {"newer.lpd", badVersion},
    };
    const QString out = dir.filePath("out");
    for (const Case& c : cases) {
        const QString path = dir.filePath(c.name);
        CliRunOptions options;
        if (QLatin1String(c.name) == QLatin1String("locked.lpd")) {
            const auto locked = unreadableFileRun(path);
            if (!locked) {
                std::cout << "[  SKIPPED ] the unreadable-file row: no user namespace for root here\n";
                continue;
            }
            options = *locked;
        }
        const QByteArray expected = QByteArray(c.said).replace("%1", QFile::encodeName(path));
        for (const QStringList& command : {QStringList{"info", path}, QStringList{"save", path, "-o", out + ".lpd"},
                                           QStringList{"render", path, "-o", out + ".png"},
                                           QStringList{"print", path, "-o", out + ".pdf"}}) {
            SCOPED_TRACE(command.join(' ').toStdString());
            const CliResult run = runCli(command, options);
            EXPECT_EQ(run.exitCode, 3);
            EXPECT_EQ(run.err, expected);
            EXPECT_TRUE(run.out.isEmpty());
        }
    }
    EXPECT_TRUE(QDir(dir.path()).entryList({"out*"}).isEmpty());
}

// Saving a design onto itself, under any spelling, rewrites it in place and
// loses nothing; through a link, the link stays a link.
TEST(CliDesignCommands, SaveOntoItself)
{
    QTemporaryDir dir;
    const QString design = writeCardDesign(dir.filePath("card.lpd"));
    const QByteArray original = fileBytes(design);
    ASSERT_TRUE(QFile::link(design, dir.filePath("link.lpd")));
    for (const QString& output : {design, QStringLiteral("./card.lpd"), dir.filePath("link.lpd")}) {
        SCOPED_TRACE(output.toStdString());
        CliRunOptions options;
        options.workingDirectory = dir.path();
        const CliResult run = runCli({"save", design, "-o", output}, options);
        ASSERT_EQ(run.exitCode, 0) << run.err.constData();
        EXPECT_EQ(fileBytes(design), original);
    }
    EXPECT_TRUE(QFileInfo(dir.filePath("link.lpd")).isSymLink());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System).size(), 2);  // no temporary file left
}

// layouts reads layout files only: a folder, a file far too large for one
// and a design file are refused by name instead of listing nothing or junk.
TEST(CliDesignCommands, LayoutsRefusesWhatIsNoLayoutFile)
{
    QTemporaryDir dir;
    const QString design = writeCardDesign(dir.filePath("card.lpd"));
    QFile huge(dir.filePath("huge.LYT"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(kMaxLayoutFileSize + 1));  // sparse: nothing is really written
    huge.close();
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.LYT"));
    struct Case {
        QString path;
        QString reason;
    };
    const Case cases[] = {
        {dir.filePath("none.LYT"), "No such file or directory"},
        {dir.filePath("folder.LYT"), "Is a directory"},
        {huge.fileName(), QString("%1 bytes is too large for a layout file (at most %2)")
                              .arg(kMaxLayoutFileSize + 1)
                              .arg(kMaxLayoutFileSize)},
        {design, "this is a design file, not a layout file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const CliResult run = runCli({"layouts", c.path});
        EXPECT_EQ(run.exitCode, 3);
        EXPECT_EQ(run.errText(), "Cannot open layout file: " + c.path + ": " + c.reason + "\n");
        EXPECT_TRUE(run.out.isEmpty());
    }
    // An empty layout file has no layouts, which is no error.
    ASSERT_TRUE(writeBytes(dir.filePath("empty.LYT"), {}));
    const CliResult empty = runCli({"layouts", dir.filePath("empty.LYT")});
    EXPECT_EQ(empty.exitCode, 0);
    EXPECT_EQ(empty.out, "[]\n");
}
