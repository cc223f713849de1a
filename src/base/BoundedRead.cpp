#include "base/BoundedRead.h"

#include <algorithm>

std::optional<QByteArray> readAtMost(QIODevice& device, qint64 limit)
{
    if (!device.isSequential() && device.size() - device.pos() > limit)
        return std::nullopt;
    constexpr qint64 kPiece = 64 * 1024;
    QByteArray bytes;
    if (!device.isSequential())
        bytes.reserve(qsizetype(device.size() - device.pos()));
    for (;;) {
        const qsizetype before = bytes.size();
        const qint64 want = std::min(kPiece, limit + 1 - before);
        bytes.resize(before + qsizetype(want));
        const qint64 got = device.read(bytes.data() + before, want);
        if (got < 0)
            return std::nullopt;
        bytes.resize(before + qsizetype(got));
        if (bytes.size() > limit)
            return std::nullopt;
        if (got == 0)  // the end (a blocking pipe waits for its writer)
            break;
    }
    return bytes;
}
