#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "CliSupport.h"
#include "files/DesignFile.h"
#include "files/LayoutFile.h"
#include "model/DesignEditor.h"
#include "model/ObjectData.h"

namespace {
QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

TEST(CliDesignCommands, SaveWritesTheSameBytesAndInfoDescribesThem)
{
    QTemporaryDir dir;
    DesignEditor e;
    e.manager.createText(10, 10)->data()->lines = {"A \"quoted\" line"};
    e.manager.createEllipse(40, 40);
    LayoutRecord layout;
    layout.setName("Card");
    layout.elementWidth = 350;
    layout.elementHeight = 200;
    const QString original = dir.filePath("card.lpd");
    ASSERT_TRUE(writeDesignFile(e.manager, original, layout, "", 100, 0, 0));

    const QString copy = dir.filePath("copy.lpd");
    const CliRun save = runCli({"save", original, "-o", copy});
    ASSERT_EQ(save.exitCode, 0) << save.err.constData();
    EXPECT_EQ(readAll(copy), readAll(original));

    const CliRun info = runCli({"info", copy});
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
    const CliRun info = runCli({"info", junk});
    EXPECT_EQ(info.exitCode, 3);
    EXPECT_TRUE(info.err.startsWith("error 1002: An error occurred loading the specified file."));
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
    const CliRun run = runCli({"layouts", path});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.startsWith("[{\"name\":\"===== Address =====\",\"shown_name\":\"===== Address =====\","
                                   "\"note\":\"1 Per Sheet\",\"selectable\":false,\"record\":{\"name\":"));
    EXPECT_TRUE(run.out.contains("{\"name\":\"Address 30<>1 x 2 5/8 in\",\"shown_name\":\"Address 30\",\"note\":"
                                 "\"1 x 2 5/8 in\",\"selectable\":true,\"record\":{\"name\":\"Address 30<>1 x 2 5/8 "
                                 "in\",\"rows\":10,\"columns\":3,"));
    EXPECT_EQ(runCli({"layouts", dir.filePath("none.LYT")}).exitCode, 3);
}
