#include "model/Options.h"

#include <functional>
#include <vector>

#include "system/AppPaths.h"
#include "system/SettingsStore.h"

namespace {

QString optionsKey(const char* sub) { return SettingsStore::programKey() + "\\Options\\" + sub; }

struct BoolOption {
    const char* name;
    bool Options::*field;
};

const std::vector<BoolOption> kGeneral = {
    {"PromptOnDelete", &Options::PromptOnDelete}, {"SelectReturn", &Options::SelectReturn},
    {"MetricUnits", &Options::MetricUnits},       {"ReduceColor", &Options::ReduceColor},
    {"ShowDesignWizard", &Options::ShowDesignWizard}, {"SaveProperties", &Options::SaveProperties},
};
const std::vector<BoolOption> kPrint = {
    {"CropMarks", &Options::CropMarks}, {"CornerMarks", &Options::CornerMarks},
    {"SetOrientation", &Options::SetOrientation},
};

// Within a key, the first missing or unreadable value leaves it and the later ones at their defaults.
bool readBools(const SettingsStore& store, const QString& key, const std::vector<BoolOption>& list, Options& o)
{
    for (const BoolOption& option : list) {
        const auto value = store.readInteger(key, option.name);
        if (!value)
            return false;
        o.*option.field = *value != 0;
    }
    return true;
}

void writeBools(SettingsStore& store, const QString& key, const std::vector<BoolOption>& list, const Options& o)
{
    for (const BoolOption& option : list)
        store.writeInteger(key, option.name, o.*option.field ? 1 : 0);
}

} // namespace

QString Options::defaultGraphicsFolder() { return AppPaths::sharedFolder() + "/Graphics/Clipart"; }

QString Options::defaultDbFolder() { return AppPaths::sharedFolder() + "/DB"; }

int Options::gridSizeFromText(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return std::clamp(ok ? value : 0, kMinGridSize, kMaxGridSize);
}

void Options::load(const SettingsStore& store)
{
    *this = Options();
    if (store.keyExists(optionsKey("General")))
        readBools(store, optionsKey("General"), kGeneral, *this);
    const QString grid = optionsKey("Grid");
    if (store.keyExists(grid)) {
        if (const auto size = store.readInteger(grid, "GridSize")) {
            GridSize = std::clamp(*size, kMinGridSize, kMaxGridSize);
            readBools(store, grid, {{"ShowGrid", &Options::ShowGrid}, {"SnapToGrid", &Options::SnapToGrid}}, *this);
        }
    }
    if (store.keyExists(optionsKey("Print")))
        readBools(store, optionsKey("Print"), kPrint, *this);
    const QString folders = optionsKey("Folders");
    Favorites = store.readString(folders, "Favorites").value_or(QString());
    Graphics = store.readString(folders, "Graphics").value_or(QString());
    DB = store.readString(folders, "DB").value_or(QString());
    if (Graphics.isEmpty())
        Graphics = defaultGraphicsFolder();
    if (DB.isEmpty())
        DB = defaultDbFolder();
}

void Options::save(SettingsStore& store) const
{
    writeBools(store, optionsKey("General"), kGeneral, *this);
    const QString grid = optionsKey("Grid");
    store.writeInteger(grid, "GridSize", GridSize);
    store.writeInteger(grid, "ShowGrid", ShowGrid ? 1 : 0);
    store.writeInteger(grid, "SnapToGrid", SnapToGrid ? 1 : 0);
    writeBools(store, optionsKey("Print"), kPrint, *this);
    const QString folders = optionsKey("Folders");
    store.writeString(folders, "Favorites", Favorites);
    store.writeString(folders, "Graphics", Graphics);
    store.writeString(folders, "DB", DB);
    store.sync();
}

Options& Options::current()
{
    static Options options = [] {
        Options o;
        o.Graphics = defaultGraphicsFolder();
        o.DB = defaultDbFolder();
        return o;
    }();
    return options;
}
