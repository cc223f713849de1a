#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "desktop/SingleInstance.h"

namespace {

// The desktop program with a home of its own, offscreen.
struct ProgramRun {
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();

    ProgramRun()
    {
        for (const char* folder : {".config", ".local/share", "runtime"})
            QDir().mkpath(home.filePath(folder));
        QFile::setPermissions(home.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        environment.insert("HOME", home.path());
        environment.insert("XDG_CONFIG_HOME", home.filePath(".config"));
        environment.insert("XDG_DATA_HOME", home.filePath(".local/share"));
        environment.insert("XDG_RUNTIME_DIR", home.filePath("runtime"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
    }
    void start(QProcess& process, const QStringList& arguments) const
    {
        process.setProcessEnvironment(environment);
        process.start(STICKWELL_GUI, arguments);
    }
    QString copyExample(const QString& example, const QString& name) const
    {
        const QString target = home.filePath(name);
        QFile::copy(QStringLiteral(STICKWELL_DATA_SOURCE "/examples/") + example, target);
        return target;
    }
};

} // namespace

TEST(SingleInstanceProcesses, ASecondStartHandsItsFilesToTheFirst)
{
    ProgramRun run;
    const QString first = run.copyExample("shapes-and-text.lpd", "A.lpd");
    const QString second = run.copyExample("bar-codes.lpd", "B.lpd");

    QProcess primary;
    run.start(primary, {});
    ASSERT_TRUE(primary.waitForStarted());
    // Ready once it answers on its socket.
    const QString socket = run.home.filePath("runtime");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !QDir(socket).entryList(QDir::System).isEmpty(); }, 20000));

    QProcess secondary;
    run.start(secondary, {first, second});
    ASSERT_TRUE(secondary.waitForFinished(20000));
    EXPECT_EQ(secondary.exitCode(), 0);
    EXPECT_EQ(secondary.state(), QProcess::NotRunning);

    // The first program opened both, newest first in its recent files, which
    // it stores when asked to stop.
    QTest::qWait(500);
    ::kill(primary.processId(), SIGTERM);
    ASSERT_TRUE(primary.waitForFinished(20000));
    EXPECT_EQ(primary.exitStatus(), QProcess::NormalExit);
    QStringList inis;
    for (const QFileInfo& file : QDir(run.home.filePath(".config")).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
        for (const QFileInfo& ini : QDir(file.filePath()).entryInfoList({"*.ini"}))
            inis << ini.filePath();
    ASSERT_EQ(inis.size(), 1);
    QSettings settings(inis.front(), QSettings::IniFormat);
    const QString history = "Software/Zevcraft/Morrowline/Quillon Stickwell/History/";
    EXPECT_EQ(settings.value(history + "File0").toString(), second);
    EXPECT_EQ(settings.value(history + "File1").toString(), first);
}
