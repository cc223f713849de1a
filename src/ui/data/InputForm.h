#pragma once
// The one-line input dialog the category commands use (a title, a prompt, a value).

#include <QString>
#include <optional>

class QWidget;

// The text entered, or nullopt when cancelled.
std::optional<QString> askLine(QWidget* parent, const QString& title, const QString& prompt,
                               const QString& value = QString());
