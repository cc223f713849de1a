#include "ui/shell/ProtectionCheck.h"
#include "model/ObjectManager.h"
bool passesProtection(const ObjectManager& manager, QString& entered, ProtectionKind, bool,
                      const std::function<std::optional<QString>()>&)
{ return !manager.hasPassword() || manager.checkPassword(entered); }
