#include "ui/shell/ProtectionCheck.h"

#include "model/ObjectManager.h"
#include "system/Messages.h"
#include "ui/shell/ShellDialogTexts.h"

bool passesProtection(const ObjectManager& manager, QString& enteredPassword, ProtectionKind kind,
                      bool firstSelectedLocked, const std::function<std::optional<QString>()>& askPassword)
{
    if (kind == ProtectionKind::ObjectChange && !firstSelectedLocked)
        return true;
    if (!manager.hasPassword() || manager.checkPassword(enteredPassword))
        return true;
    for (;;) {
        const std::optional<QString> typed = askPassword();
        if (!typed)
            return false;
        // Kept even when wrong: the window remembers what was typed last.
        enteredPassword = *typed;
        if (manager.checkPassword(enteredPassword))
            return true;
        Messages::error(ShellDialogTexts::invalidPassword());
    }
}
