#pragma once
// Windows metafiles (16-bit, with or without the placeable header) turned
// into enhanced-metafile bytes: the WMF records are played onto a painter
// whose device writes EMF records. Lines, shapes, polygons, text and DIB
// pictures come across; records we do not know are skipped.

#include <QByteArray>
#include <QSize>

class QPainter;

bool isWmf(QByteArrayView bytes);
// Empty when bytes are not a usable WMF.
QByteArray convertWmfToEmf(QByteArrayView wmf);
// Plays the records onto painter in the metafile's own coordinates mapped
// onto its frame; false when the file is damaged.
bool playWmf(QPainter& painter, QByteArrayView wmf, QSize& frameSize);
