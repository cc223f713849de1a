#include "ui/pictures/ScannerSource.h"

#include "system/SettingsStore.h"

namespace {

QString settingsKey() { return SettingsStore::programKey() + QStringLiteral("\\Scanner"); }
const QString kSourceValue = QStringLiteral("Source");

struct Known {
    bool searched = false;
    std::vector<ScannerDevice> devices;
};

Known& known()
{
    static Known state;
    return state;
}

} // namespace

namespace ScannerSource {

std::shared_ptr<SearchJob> startSearch()
{
    return startBackgroundJob<Search>([](SearchJob&) {
        Search search;
        search.devices = Scanner::findDevices(false, &search.error);
        return search;
    });
}

void remember(const Search& search)
{
    known().searched = true;
    known().devices = search.devices;
}

bool available() { return !known().devices.empty(); }

const std::vector<ScannerDevice>& knownDevices() { return known().devices; }

QString chosen() { return SettingsStore::instance().readString(settingsKey(), kSourceValue).value_or(QString()); }

void choose(const QString& deviceName)
{
    SettingsStore::instance().writeString(settingsKey(), kSourceValue, deviceName);
    SettingsStore::instance().sync();
}

int chosenIndex(const std::vector<ScannerDevice>& devices)
{
    if (devices.empty())
        return -1;
    const QString name = chosen();
    for (size_t i = 0; i < devices.size(); ++i)
        if (devices[i].name == name)
            return int(i);
    return 0;
}

} // namespace ScannerSource
