#pragma once
// JPEG through the libjpeg API. Decoding treats the bytes as hostile: any
// error gives a null image, never a crash or an abort.

#include <QByteArray>
#include <QImage>

QImage decodeJpeg(QByteArrayView jfif);
// Returns empty bytes when encoding fails. quality 1..100.
QByteArray encodeJpeg(const QImage& image, int quality, bool progressive);
