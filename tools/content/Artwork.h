#pragma once
// Our own artwork, drawn in code so it can be made again byte for byte:
// small motifs (the clip art, and the decorations of the templates) and the
// background pictures.

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>
#include <functional>
#include <vector>

class QPainter;

namespace Artwork {

enum class Motif { Star, Heart, Leaf, Flower, Balloons, Gift, Disc, Envelope, House, Snowflake, Cake, Note };
const std::vector<Motif>& allMotifs();
QString motifName(Motif motif);  // "Star", …
// Drawn to fill rect (its shorter side), in two colours.
void drawMotif(QPainter& painter, Motif motif, const QRectF& rect, const QColor& main, const QColor& second);
// A motif on its own picture, on white or on a given colour.
QImage motifImage(Motif motif, int size, const QColor& main, const QColor& second, const QColor& ground = Qt::white);

struct Background {
    QString category;
    QString name;
    std::function<void(QPainter&, const QSize&)> draw;
};
const std::vector<Background>& backgrounds();
QImage backgroundImage(const Background& background, const QSize& size);

} // namespace Artwork
