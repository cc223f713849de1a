#include "base/AtomicFile.h"

#include <QSaveFile>

bool writeFileAtomically(const QString& path, QByteArrayView bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes.data(), bytes.size()) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
