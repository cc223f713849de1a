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
    {"PromptOnDelete", &Options::promptOnDelete}, {"SelectReturn", &Options::selectReturn},
    {"MetricUnits", &Options::metricUnits},       {"ReduceColor", &Options::reduceColor},
    {"ShowDesignWizard", &Options::showDesignWizard}, {"SaveProperties", &Options::saveProperties},
};
const std::vector<BoolOption> kPrint = {
    {"CropMarks", &Options::cropMarks}, {"CornerMarks", &Options::cornerMarks},
    {"SetOrientation", &Options::setOrientation},
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

// Personal databases are the user's own data: never inside the installation or source tree.
QString Options::defaultDbFolder() { return AppPaths::programFolder() + "/DB"; }

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
            gridSize = std::clamp(*size, kMinGridSize, kMaxGridSize);
            readBools(store, grid, {{"ShowGrid", &Options::showGrid}, {"SnapToGrid", &Options::snapToGrid}}, *this);
        }
    }
    if (store.keyExists(optionsKey("Print")))
        readBools(store, optionsKey("Print"), kPrint, *this);
    const QString folders = optionsKey("Folders");
    favorites = store.readString(folders, "Favorites").value_or(QString());
    graphics = store.readString(folders, "Graphics").value_or(QString());
    db = store.readString(folders, "DB").value_or(QString());
    if (graphics.isEmpty())
        graphics = defaultGraphicsFolder();
    if (db.isEmpty())
        db = defaultDbFolder();
}

void Options::save(SettingsStore& store) const
{
    writeBools(store, optionsKey("General"), kGeneral, *this);
    const QString grid = optionsKey("Grid");
    store.writeInteger(grid, "GridSize", gridSize);
    store.writeInteger(grid, "ShowGrid", showGrid ? 1 : 0);
    store.writeInteger(grid, "SnapToGrid", snapToGrid ? 1 : 0);
    writeBools(store, optionsKey("Print"), kPrint, *this);
    const QString folders = optionsKey("Folders");
    store.writeString(folders, "Favorites", favorites);
    store.writeString(folders, "Graphics", graphics);
    store.writeString(folders, "DB", db);
    store.sync();
}

Options& Options::current()
{
    static Options options = [] {
        Options o;
        o.graphics = defaultGraphicsFolder();
        o.db = defaultDbFolder();
        return o;
    }();
    return options;
}
