#pragma once
// Placing the selected objects relative to the region's margins, to each
// other and to the grid: pure arithmetic on rectangles (design units when the
// area comes from a card). The caller hands the new rectangles to the design
// editor as one step.

#include <QRect>
#include <vector>

class Card;

namespace Alignment {

// The numbers of the alignment toolbar's buttons; 0 is Align to Grid.
enum Kind {
    Grid = 0,
    Left = 1,
    HorizontalCenter = 2,
    Right = 3,
    Top = 4,
    VerticalCenter = 5,
    Bottom = 6,
    GroupLeft = 7,
    GroupHorizontalCenter = 8,
    GroupRight = 9,
    SpaceHorizontally = 10,
    GroupTop = 11,
    GroupVerticalCenter = 12,
    GroupBottom = 13,
    SpaceVertically = 14,
};
constexpr int kKindCount = 15;

// What the arithmetic needs of the card: its size in pixels, the margins in
// design units, the zoom and the grid in design units.
struct Area {
    int cardWidth = 0;
    int cardHeight = 0;
    int marginLeft = 0;
    int marginRight = 0;
    int marginTop = 0;
    int marginBottom = 0;
    int zoom = 100;
    int gridX = 4;
    int gridY = 4;

    static Area of(const Card& card);
};

// The objects' new rectangles, in the order given. Kinds 1 to 6 move the
// whole selection and do nothing while it is locked; the grid and the group
// kinds place each object and ignore the lock.
std::vector<QRect> align(int kind, const std::vector<QRect>& rects, const Area& area, bool locked);

// The selection's bounds become the area inside the margins: every object is
// shifted and sized by the same amounts as the bounds. Nothing while locked.
std::vector<QRect> fitToMargins(const std::vector<QRect>& rects, const Area& area, bool locked);

// The kinds the Alignment dialog carries out, in order, for the positions of
// its four choices (0 is "No Change" in each).
std::vector<int> dialogKinds(int horizontal, int vertical, int horizontalGroup, int verticalGroup);

} // namespace Alignment
