#pragma once
// Scanners through SANE: whether the layer works, which devices there are,
// and one scan into a picture. Every call opens SANE and closes it again, so
// nothing stays open between user actions; calls from several threads take
// turns. scan() is meant for a worker thread: it checks the cancel flag
// between reads and reports progress.

#include <QImage>
#include <QString>
#include <atomic>
#include <functional>
#include <utility>
#include <vector>

struct ScannerDevice {
    QString name;  // what SANE opens, e.g. "test:0"
    QString vendor;
    QString model;
    QString type;
    // "Vendor Model (name)"
    QString label() const;
};

struct ScanRequest {
    QString device;      // empty: the first device found
    QString mode;        // "Color", "Gray", "Lineart", …; empty: the device's own
    int resolution = 0;  // dots per inch; 0: the device's own
    // Further options by SANE name, as text ("yes"/"no" for switches).
    std::vector<std::pair<QString, QString>> options;
};

struct ScanOutcome {
    enum class Status { Done, Cancelled, Failed };
    Status status = Status::Failed;
    QImage image;
    QString error;  // what went wrong, for the user
};

namespace Scanner {

// SANE starts and stops (no device is searched).
bool layerAvailable();
// The devices SANE finds; localOnly leaves out network scanners (faster).
// *error is set when SANE could not be started.
std::vector<ScannerDevice> findDevices(bool localOnly, QString* error = nullptr);
// progress receives 0..100 when the picture's size is known, -1 otherwise.
ScanOutcome scan(const ScanRequest& request, const std::atomic<bool>& cancel,
                 const std::function<void(int)>& progress = {});

} // namespace Scanner
