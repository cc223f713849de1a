#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QGuiApplication>
#ifdef STICKWELL_TEST_WIDGETS
#include <QApplication>
#endif
#include <QTemporaryDir>

#include "TestSupport.h"

namespace {

// Every test program gets a home of its own, so no test reads or writes the
// user's settings, data or configuration files (merge drivers read
// ~/.local/share, settings go to ~/.config), and the programs the tests start
// inherit it.
void useThrowawayHome(const QTemporaryDir& home)
{
    const QByteArray root = QFile::encodeName(home.path());
    const std::pair<const char*, const char*> folders[] = {
        {"HOME", ""}, {"XDG_CONFIG_HOME", "/.config"}, {"XDG_DATA_HOME", "/.local/share"},
        {"XDG_CACHE_HOME", "/.cache"}, {"XDG_STATE_HOME", "/.local/state"}, {"XDG_RUNTIME_DIR", "/runtime"}};
    for (const auto& [variable, relative] : folders) {
        const QByteArray path = root + relative;
        QDir().mkpath(QFile::decodeName(path));
        qputenv(variable, path);
    }
    QFile::setPermissions(home.path() + "/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home;
    useThrowawayHome(home);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef STICKWELL_TEST_WIDGETS
    QApplication app(argc, argv);
#else
    QGuiApplication app(argc, argv);
#endif
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new StickwellTestEnvironment);
    return RUN_ALL_TESTS();
}
