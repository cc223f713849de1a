#pragma once
// The user's options, kept in the settings store under the program key.

#include <QString>

class SettingsStore;

struct Options {
    // General
    bool PromptOnDelete = true;
    bool SelectReturn = true;
    bool MetricUnits = false;
    bool ReduceColor = true;
    bool ShowDesignWizard = true;
    bool SaveProperties = true;
    // Grid
    int GridSize = 4;
    bool ShowGrid = false;
    bool SnapToGrid = false;
    // Print
    bool CropMarks = false;
    bool CornerMarks = false;
    bool SetOrientation = true;
    // Folders
    QString Favorites;
    QString Graphics;
    QString DB;

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
