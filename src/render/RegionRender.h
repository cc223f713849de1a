#pragma once
// A design's region as a picture: loading a region at a zoom and painting its
// card into an image or onto any painter (export, previews, the CLI).

#include <QImage>
#include <QString>
#include <cstdint>

#include "render/CardPainter.h"

struct LayoutRecord;
class ObjectManager;
class Card;
class QPainter;

// Makes region regionIndex (caption order) live on the manager's surface,
// with its controls built at the zoom. False for a region the layout lacks.
bool showRegionAtZoom(ObjectManager& manager, const LayoutRecord& layout, int regionIndex, int32_t zoom);

// Export paints the card without grid and margins rectangle.
CardPaintOptions exportPaintOptions();
void paintCardOn(QPainter& painter, const Card& card, const CardPaintOptions& options);
// A null image when the card is larger than any picture we make (see isPlausibleImageSize).
QImage renderCardImage(const Card& card, const CardPaintOptions& options);
