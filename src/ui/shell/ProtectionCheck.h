#pragma once
// The check that commands changing a protected design run first. Headless:
// the caller supplies how the password is asked for.

#include <QString>
#include <functional>
#include <optional>

class ObjectManager;

enum class ProtectionKind {
    DesignChange,  // cut, paste, delete, background, alignment, creation tools, ...
    ObjectChange,  // property edits of the selected objects
};

// True when the command may go on. An object change of an unlocked first
// selected object passes at once; otherwise the design must have no password
// or enteredPassword (what was typed earlier in this design window) must match
// it. Failing that, askPassword is asked until it gives the right password
// (true; stored in enteredPassword for later checks) or nullopt (cancelled,
// false); each wrong password is reported and asked again.
bool passesProtection(const ObjectManager& manager, QString& enteredPassword, ProtectionKind kind,
                      bool firstSelectedLocked, const std::function<std::optional<QString>()>& askPassword);
