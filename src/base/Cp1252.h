#pragma once
// The program's own 8-bit text is Windows-1252 on both sides of QString.

#include <QByteArray>
#include <QString>

QString fromCp1252(QByteArrayView bytes);
// Characters with no Windows-1252 code become '?'.
QByteArray toCp1252(const QString& text);
// File paths: UTF-8 when the bytes are valid UTF-8, else Windows-1252.
QString pathFromBytes(QByteArrayView bytes);
bool isValidUtf8(QByteArrayView bytes);
