#pragma once
// Reading a whole file, a pipe or a device without letting it decide how much
// memory we spend: a pipe or device reports no size, and /dev/zero never ends.

#include <QByteArray>
#include <QIODevice>
#include <optional>

// Everything up to the end of the device, or nothing when there is more than
// limit bytes (or a read error).
std::optional<QByteArray> readAtMost(QIODevice& device, qint64 limit);
