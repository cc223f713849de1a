#pragma once
// The user's options, kept in the settings store under the program key.

#include <QString>

class SettingsStore;

struct Options {
    // General
    bool promptOnDelete = true;
    bool selectReturn = true;
    bool metricUnits = false;
    bool reduceColor = true;
    bool showDesignWizard = true;
    bool saveProperties = true;
    // Grid
    int gridSize = 4;
    bool showGrid = false;
    bool snapToGrid = false;
    // Print
    bool cropMarks = false;
    bool cornerMarks = false;
    bool setOrientation = true;
    // Folders
    QString favorites;
    QString graphics;
    QString db;

    static constexpr int kMinGridSize = 4;
    static constexpr int kMaxGridSize = 50;

    static QString defaultGraphicsFolder();
    static QString defaultDbFolder();
    // The grid size typed into the options dialog: not a number counts as 0, then 4..50.
    static int gridSizeFromText(const QString& text);

    void load(const SettingsStore& store);
    void save(SettingsStore& store) const;

    // The options of the running program.
    static Options& current();
};
