#pragma once
// Which scanner the program uses and whether there is one: the source the
// user chose (kept in the settings), the devices last found, and a search
// that runs in the background so the frame never waits for slow devices.

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "desktop/Scanner.h"
#include "ui/pictures/BackgroundJob.h"

namespace ScannerSource {

struct Search {
    std::vector<ScannerDevice> devices;
    QString error;
};
using SearchJob = BackgroundJob<Search>;

// Starts a search; when it ends, remember(result) keeps what it found.
std::shared_ptr<SearchJob> startSearch();
void remember(const Search& search);

// Whether the last search found a device (false before any search ended).
bool available();
const std::vector<ScannerDevice>& knownDevices();

// The chosen source ("test:0"); empty: the first device found.
QString chosen();
void choose(const QString& deviceName);

// The index of the chosen source among devices, else 0 (-1 for no devices).
int chosenIndex(const std::vector<ScannerDevice>& devices);

} // namespace ScannerSource
