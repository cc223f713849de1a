#pragma once
// Draws one element of a print run into its cell: which element number the
// cell carries (backs mirrored behind their fronts), which regions of the
// design go into which part of the cell, and each region's background and
// printable objects with the element's numbers.

#include <QRect>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "print/PrintSettings.h"
#include "model/LayoutRecord.h"

class DesignObject;
class FieldSource;
class Picture;
class QPainter;
class Card;
class ObjectManager;

// The element being drawn: its number n in the run (1-based) and its record
// index r (0-based), with the job's cycle flag.
struct ElementNumbers {
    int32_t n = 1;
    int32_t r = 0;
    bool cycle = false;
};

// What a region is printed with, besides the card painter every view uses:
// the merge data and the run's shared pictures. The painter is mapped so that
// one unit is one design unit of the region.
struct ObjectDrawing {
    FieldSource* source = nullptr;  // none: counters and lists only
    std::function<void(QPainter&, const Picture&, const QRect&)> picture;
    // A stand-in for the object painter (tests of the sheet arithmetic).
    std::function<void(QPainter&, const DesignObject&, const ElementNumbers&)> object;
};

// The element number a cell carries. Side 0 prints in running order; on side 1
// each back lands behind its front as the paper turns.
int32_t elementNumberForCell(int32_t element, int32_t rec, int32_t sheetSide, int32_t rows, int32_t columns,
                             BackMapping mapping);

// The parts of a cell that one sheet side of a fold type carries: the whole
// cell for a flat card; both halves on side 0 and the cover half on side 1 of
// a folded card. Index = panel.
std::vector<QRect> panelRects(uint8_t foldType, int32_t sheetSide, const QRect& cell);

// The regions of a design as they print: the live region is the design's own
// card, painted as it is; every other slot is read once per run onto a card
// of its own, so the design being edited is left alone.
class PrintRegions {
public:
    PrintRegions(const ObjectManager& design, const LayoutRecord& layout);
    ~PrintRegions();

    // Null when the slot could not be loaded.
    const Card* region(int32_t side, int32_t panel);
    int32_t regionWidth() const { return m_width; }
    int32_t regionHeight() const { return m_height; }

private:
    struct Loaded;
    const ObjectManager& m_design;
    int32_t m_width = 0;
    int32_t m_height = 0;
    std::array<std::array<std::unique_ptr<Loaded>, 4>, 2> m_loaded;
};

// Draws one region in its own coordinates (design units) through the card
// painter: the background inside the region's margins, then every printable
// object, back to front.
void drawRegion(QPainter& canvas, const Card& region, const ElementNumbers& numbers,
                const ObjectDrawing& drawing);

// One pass of a run: the sheet side printed, how backs are mapped, and the
// dialog's quantity, start record and cycle flag.
struct ElementPass {
    uint8_t foldType = 0;
    int32_t rows = 1;
    int32_t columns = 1;
    int32_t sheetSide = 0;
    BackMapping mapping = BackMapping::MirrorRows;
    int32_t quantity = 0;
    int32_t startRecord = 0;
    bool cycle = false;
};

// The engine's element handler: draws the regions of the element that cell
// (element, rec) carries, each mapped onto its part of the cell.
void drawElement(QPainter& canvas, int32_t element, int32_t rec, const QRect& cell, const ElementPass& pass,
                 PrintRegions& regions, const ObjectDrawing& drawing);
