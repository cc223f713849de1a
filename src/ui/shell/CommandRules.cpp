#include "ui/shell/CommandRules.h"

bool ruleHolds(CommandRule rule, const CommandContext& c)
{
    switch (rule) {
    case CommandRule::Always: return true;
    case CommandRule::Modified: return c.windowOpen && c.modified;
    case CommandRule::Window: return c.windowOpen;
    case CommandRule::CanUndo: return c.windowOpen && c.canUndo;
    case CommandRule::CanRedo: return c.windowOpen && c.canRedo;
    case CommandRule::Selected: return c.windowOpen && c.selected >= 1;
    case CommandRule::GroupSelected: return c.windowOpen && c.selected >= 2;
    case CommandRule::SingleSelected: return c.windowOpen && c.selected == 1;
    case CommandRule::Paste: return c.windowOpen && c.clipboardHasPaste;
    case CommandRule::RegionHasObjects: return c.windowOpen && c.regionHasObjects;
    case CommandRule::Scanner: return c.scannerAvailable;
    }
    return false;
}
