#include "TestSupport.h"

#include "system/SettingsStore.h"

namespace {
QTemporaryDir* g_settingsDir = nullptr;
}

Messages::RecordingSink& recordedMessages()
{
    static Messages::RecordingSink sink;
    return sink;
}

void StickwellTestEnvironment::SetUp()
{
    Messages::install(&recordedMessages());
    g_settingsDir = new QTemporaryDir;
    SettingsStore::setInstanceFile(g_settingsDir->filePath("settings.ini"));
}

void StickwellTestEnvironment::TearDown()
{
    Messages::install(nullptr);
    delete g_settingsDir;
    g_settingsDir = nullptr;
}

QString testDataPath(const QString& relative)
{
    const QByteArray root = qgetenv("STICKWELL_TEST_DATA");
    return QString::fromLocal8Bit(root.isEmpty() ? QByteArray(STICKWELL_SOURCE_DIR "/tests/data") : root) + "/" +
           relative;
}
