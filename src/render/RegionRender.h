#pragma once
// A design's region as a picture: making a region live and painting its card
// into an image at a zoom or onto any painter (export, previews, the CLI).

#include <QImage>
#include <QString>
#include <cstdint>

#include "render/CardPainter.h"

struct LayoutRecord;
class ObjectManager;
class Card;
class QPainter;

// Makes region regionIndex (caption order) live on the manager's card. False
// for a region the layout lacks or a live region that could not be stored.
bool showRegionByIndex(ObjectManager& manager, const LayoutRecord& layout, int regionIndex);

// Export paints the card without grid and margins rectangle.
CardPaintOptions exportPaintOptions();
// The painter is in design units (its own transform carries any zoom).
void paintCardOn(QPainter& painter, const Card& card, const CardPaintOptions& options);
// The card at a zoom. A null image when the card is larger than any picture
// we make (see isPlausibleImageSize).
QImage renderCardImage(const Card& card, const CardPaintOptions& options, int32_t zoom = 100);
