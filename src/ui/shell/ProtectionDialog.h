#pragma once
#include <QString>
#include <optional>
class QWidget;
std::optional<QString> askProtectionPassword(QWidget* parent);
