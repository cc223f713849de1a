#pragma once
// Saving never destroys the previous file: the bytes go to a temporary file in
// the same folder, which replaces the target only once fully written.

#include <QByteArray>
#include <QString>

bool writeFileAtomically(const QString& path, QByteArrayView bytes);
