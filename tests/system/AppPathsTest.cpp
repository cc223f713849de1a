// Where the program finds its shared data, and the first run of a new
// per-user folder.

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "system/AppPaths.h"

TEST(AppPaths, SharedDataFromTheEnvironmentTheInstallationOrTheSourceTree)
{
    QTemporaryDir root;
    const QString installed = root.filePath("usr/share/quillon-stickwell");
    ASSERT_TRUE(QDir().mkpath(installed));
    ASSERT_TRUE(QDir().mkpath(root.filePath("usr/bin")));
    // The variable wins over everything.
    EXPECT_EQ(AppPaths::sharedFolderFor("/opt/data", root.filePath("usr/bin")), "/opt/data");
    // An installed program finds the share folder beside it, wherever it was installed.
    EXPECT_EQ(AppPaths::sharedFolderFor({}, root.filePath("usr/bin")), QDir::cleanPath(installed));
    // A program in the build tree (nothing installed beside it) uses the source tree's data/.
    const QString fromBuildTree = AppPaths::sharedFolderFor({}, root.filePath("build"));
    EXPECT_EQ(fromBuildTree, QDir::cleanPath(STICKWELL_SOURCE_DIR "/data"));
    EXPECT_TRUE(QFileInfo::exists(fromBuildTree + "/layouts/Address Labels.LYT"));
}

TEST(AppPaths, ANewProgramFolderIsSeededOnce)
{
    QTemporaryDir home;
    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    AppPaths::setProgramFolder({});
    QStringList seeded;
    AppPaths::setFirstRunSeeder([&seeded](const QString& folder) { seeded << folder; });

    const QString folder = AppPaths::programFolder();
    EXPECT_EQ(folder, home.filePath("quillon-stickwell"));
    EXPECT_TRUE(QFileInfo::exists(folder + "/Address Labels.LYT"));
    EXPECT_EQ(seeded, QStringList{folder});
    // Later runs find the folder there and leave it to the user.
    AppPaths::setProgramFolder({});
    AppPaths::programFolder();
    EXPECT_EQ(seeded.size(), 1);

    AppPaths::setFirstRunSeeder({});
    AppPaths::setProgramFolder({});
    qputenv("XDG_DATA_HOME", previous);
}
