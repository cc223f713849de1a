#pragma once
// When a command of the main window is enabled: each command follows one
// rule, evaluated against the state of the active design window.

struct CommandContext {
    bool windowOpen = false;  // at least one design window
    bool modified = false;    // the active one has unsaved changes
    bool canUndo = false;
    bool canRedo = false;
    int selected = 0;                // objects selected in the active window
    bool regionHasObjects = false;   // the shown region holds at least one object
    bool clipboardHasPaste = false;  // objects, text, a bitmap or a metafile
    bool scannerAvailable = false;
};

enum class CommandRule {
    Always,
    Modified,
    Window,
    CanUndo,
    CanRedo,
    Selected,        // at least one
    GroupSelected,   // at least two
    SingleSelected,  // exactly one
    Paste,
    RegionHasObjects,
    Scanner,
};

bool ruleHolds(CommandRule rule, const CommandContext& context);
