#pragma once
#include <QString>
#include <functional>
#include <optional>
class ObjectManager;
enum class ProtectionKind { DesignChange, ObjectChange };
bool passesProtection(const ObjectManager& manager, QString& enteredPassword, ProtectionKind kind,
                      bool firstSelectedLocked, const std::function<std::optional<QString>()>& askPassword);
