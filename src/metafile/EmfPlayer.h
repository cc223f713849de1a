#pragma once
// Enhanced metafiles are played through libemf2svg: EMF -> SVG -> QSvgRenderer.
// The EMF bytes are checked record by record first, so a damaged file is
// refused here rather than handed to the player.

#include <QByteArray>
#include <QRectF>

class QPainter;

// Plays emf stretched into target. False (nothing drawn) when the bytes are
// not a well-formed EMF or the player fails.
bool drawMetafile(QPainter& painter, const QRectF& target, const QByteArray& emf);

// True when emf is a complete, well-formed record sequence: header first,
// every record 8..remaining bytes long and a multiple of 4, EOF last.
bool isWellFormedEmf(QByteArrayView emf);

// The SVG text libemf2svg makes of emf (empty on failure).
QByteArray metafileToSvg(const QByteArray& emf);
