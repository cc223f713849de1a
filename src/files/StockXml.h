#pragma once
// Reading stock definition XML: label and card templates (brand, part number,
// paper, label shapes and the grids they lie in) and named paper sizes, the
// format Debian's glabels-data package installs its stock library in. The
// input is treated as hostile: sizes and counts are bounded, anything that
// does not read cleanly is marked damaged, nothing is trusted to be there.

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "files/StockLength.h"

// One <Layout>: nx × ny labels, the first at (x0, y0), stepping dx and dy.
struct StockGrid {
    int32_t columns = 1;
    int32_t rows = 1;
    StockLength left, top, stepX, stepY;
};

enum class StockShape : uint8_t { Rectangle, Round, Ellipse, Disc };

struct StockLabel {
    StockShape shape = StockShape::Rectangle;
    StockLength width, height;  // the label's box; a disc cut to a card keeps its cut sides
    bool cutDisc = false;       // a disc with straight sides (a disc business card)
    std::vector<StockGrid> grids;
};

struct StockTemplate {
    QString brand, part, description;
    QString equivalentOf;  // another part of the same brand this one is the same as
    QString paperId;       // a named paper size, or "Other" with the size below
    std::optional<StockLength> paperWidth, paperHeight;
    QStringList categories;
    std::vector<StockLabel> labels;
    int unknownShapes = 0;  // label elements of a kind we have no type for
    QString damage;         // why the template cannot be used as read; empty when it can
};

struct StockPaperSize {
    StockLength width, height;
};

struct StockCatalog {
    std::vector<StockTemplate> templates;
    QHash<QString, StockPaperSize> papers;  // by id
};

// The largest stock definition file read (the biggest installed one is a few
// hundred kilobytes), and the most templates one catalogue holds.
constexpr qint64 kMaxStockXmlBytes = 16 * 1024 * 1024;
constexpr int kMaxStockTemplates = 100000;

// Adds the templates and paper sizes of one XML document to the catalogue.
// False, with the reason in *error, when the document is not well-formed or
// breaks a limit; what was read completely before that point is kept.
bool readStockXml(QByteArrayView xml, StockCatalog& catalog, QString* error = nullptr);
