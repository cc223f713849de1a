// Writes the stock library shipped in data/layouts/: one layout file per kind
// of stock, each with a Letter section and an A4 section.
//
//   make_layouts OUTPUT_FOLDER
//
// Inch stocks are in hundredths of an inch, metric stocks in hundredths of a
// millimetre. Every entry is checked before anything is written: the name fits
// its 49 characters, the region size is one a design accepts, and the grid
// fits on the paper (across, for stocks used in landscape).

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <cstdio>
#include <vector>

#include "files/LayoutFile.h"
#include "model/Folds.h"
#include "model/Units.h"

namespace {

enum Paper : uint8_t { Letter = 0, A4 = 4, UserDefined = 17 };
enum Unit : uint8_t { Inch = 0, Mm = 1 };
enum Wizard : uint8_t { NoWizard = 0, Address = 1, ReturnAddress = 2, MediaData = 6 };
enum Stock : uint8_t { Normal = 0, CdCardHigh = 1, CdCardWide = 2, FullCd = 3 };

struct Stockdef {
    const char* name;  // "Shown name<>note"; a heading when it starts with "====="
    int rows = 1, columns = 1;
    int width = 0, height = 0;
    int top = 0, left = 0, columnSpace = 0, rowSpace = 0;
    uint8_t fold = 0;
    bool back = false;
    uint8_t paper = Letter;
    uint8_t wizard = NoWizard;
    uint8_t unit = Inch;
    uint8_t stock = Normal;
    int paperWidth = 0, paperLength = 0;
};

Stockdef heading(const char* name)
{
    Stockdef s;
    s.name = name;
    return s;
}

Stockdef inch(const char* name, int rows, int columns, int width, int height, int top, int left, int columnSpace,
              int rowSpace)
{
    Stockdef s;
    s.name = name;
    s.rows = rows;
    s.columns = columns;
    s.width = width;
    s.height = height;
    s.top = top;
    s.left = left;
    s.columnSpace = columnSpace;
    s.rowSpace = rowSpace;
    return s;
}

Stockdef mm(const char* name, int rows, int columns, int width, int height, int top, int left, int columnSpace,
            int rowSpace)
{
    Stockdef s = inch(name, rows, columns, width, height, top, left, columnSpace, rowSpace);
    s.unit = Mm;
    s.paper = A4;
    return s;
}

Stockdef with(Stockdef s, uint8_t fold, bool back, uint8_t wizard = NoWizard, uint8_t stock = Normal)
{
    s.fold = fold;
    s.back = back;
    s.wizard = wizard;
    s.stock = stock;
    return s;
}

const char* const kLetter = "===== Letter (8 1/2 x 11 in) =====";
const char* const kA4 = "===== A4 (210 x 297 mm) =====";

struct StockFile {
    const char* fileName;
    std::vector<Stockdef> entries;
};

std::vector<StockFile> library()
{
    Stockdef postcard = inch("Postcard 4 x 6 in<>One per 4 x 6 in card", 1, 1, 600, 400, 0, 0, 0, 0);
    postcard.paper = UserDefined;
    postcard.paperWidth = 400;
    postcard.paperLength = 600;
    return {
        {"Address Labels",
         {heading(kLetter),
          with(inch("Address 1 x 2 5/8 in<>30 per sheet, 3 across", 10, 3, 262, 100, 50, 19, 12, 0), 0, false, Address),
          with(inch("Address 1 x 4 in<>20 per sheet, 2 across", 10, 2, 400, 100, 50, 16, 19, 0), 0, false, Address),
          with(inch("Address 1 1/3 x 4 in<>14 per sheet, 2 across", 7, 2, 400, 133, 84, 16, 19, 0), 0, false, Address),
          with(inch("Address 2 x 4 in<>10 per sheet, 2 across", 5, 2, 400, 200, 50, 16, 19, 0), 0, false, Address),
          with(inch("Return address 1/2 x 1 3/4 in<>80 per sheet", 20, 4, 175, 50, 50, 28, 31, 0), 0, false,
               ReturnAddress),
          heading(kA4),
          with(mm("Address 63.5 x 38.1 mm<>21 per sheet, 3 across", 7, 3, 6350, 3810, 1510, 720, 254, 0), 0, false,
               Address),
          with(mm("Address 63.5 x 33.9 mm<>24 per sheet, 3 across", 8, 3, 6350, 3390, 1290, 720, 254, 0), 0, false,
               Address),
          with(mm("Address 99.1 x 38.1 mm<>14 per sheet, 2 across", 7, 2, 9910, 3810, 1510, 466, 254, 0), 0, false,
               Address),
          with(mm("Address 99.1 x 33.9 mm<>16 per sheet, 2 across", 8, 2, 9910, 3390, 1290, 466, 254, 0), 0, false,
               Address),
          with(mm("Return address 38.1 x 21.2 mm<>65 per sheet", 13, 5, 3810, 2120, 1070, 467, 254, 0), 0, false,
               ReturnAddress)}},
        {"Shipping Labels",
         {heading(kLetter),
          inch("Shipping 2 x 4 in<>10 per sheet", 5, 2, 400, 200, 50, 16, 19, 0),
          inch("Shipping 3 1/3 x 4 in<>6 per sheet", 3, 2, 400, 333, 50, 16, 19, 0),
          inch("Shipping 5 x 4 in<>4 per sheet", 2, 2, 400, 500, 50, 16, 19, 0),
          inch("Shipping 5 1/2 x 8 1/2 in<>2 per sheet", 2, 1, 850, 550, 0, 0, 0, 0),
          inch("Full sheet 8 1/2 x 11 in<>1 per sheet", 1, 1, 850, 1100, 0, 0, 0, 0),
          heading(kA4),
          mm("Shipping 99.1 x 67.7 mm<>8 per sheet", 4, 2, 9910, 6770, 1300, 466, 254, 0),
          mm("Shipping 105 x 148.5 mm<>4 per sheet", 2, 2, 10500, 14850, 0, 0, 0, 0),
          mm("Shipping 199.6 x 143.5 mm<>2 per sheet", 2, 1, 19960, 14350, 500, 520, 0, 0)}},
        {"File Folder Labels",
         {heading(kLetter),
          inch("File folder 2/3 x 3 7/16 in<>30 per sheet", 15, 2, 344, 67, 50, 53, 59, 0),
          inch("File folder 15/16 x 3 7/16 in<>18 per sheet", 9, 2, 344, 94, 62, 53, 59, 0),
          heading(kA4),
          mm("Lever arch 192 x 61 mm<>4 per sheet", 4, 1, 19200, 6100, 2650, 900, 0, 0),
          mm("Filing 63.5 x 16.9 mm<>51 per sheet", 17, 3, 6350, 1690, 480, 720, 254, 0)}},
        {"Media Labels",
         {heading(kLetter),
          with(inch("Diskette 2 3/4 x 2 3/4 in<>9 per sheet", 3, 3, 275, 275, 50, 12, 0, 0), 0, false, MediaData),
          with(inch("Video tape face 1 13/16 x 3 1/16 in<>10 per sheet", 5, 2, 306, 181, 75, 109, 113, 0), 0, false,
               MediaData),
          with(inch("Video tape spine 2/3 x 5 13/16 in<>15 per sheet", 15, 1, 581, 67, 50, 135, 0, 0), 0, false,
               MediaData),
          with(inch("Audio cassette 1 2/3 x 4 in<>12 per sheet", 6, 2, 400, 167, 50, 16, 19, 0), 0, false, MediaData),
          with(inch("Jewel case insert 4 3/4 x 4 3/4 in<>2 per sheet", 2, 1, 475, 475, 50, 188, 0, 50), 0, true,
               MediaData),
          heading(kA4),
          with(mm("Diskette 70 x 70 mm<>12 per sheet", 4, 3, 7000, 7000, 850, 0, 0, 0), 0, false, MediaData),
          with(mm("Video tape spine 147.3 x 16.9 mm<>17 per sheet", 17, 1, 14730, 1690, 480, 3135, 0, 0), 0, false,
               MediaData),
          with(mm("Audio cassette 89 x 42 mm<>12 per sheet", 6, 2, 8900, 4200, 2250, 1000, 1000, 0), 0, false,
               MediaData)}},
        {"Disc Labels",
         {heading(kLetter),
          with(inch("Full face CD/DVD 4.65 in<>2 per sheet", 2, 1, 465, 465, 50, 193, 0, 70), 0, false, MediaData,
               FullCd),
          with(inch("Standard CD/DVD 4.5 in<>2 per sheet, clear hub", 2, 1, 450, 450, 75, 200, 0, 75), 0, false,
               MediaData, FullCd),
          with(inch("CD business card, tall<>9 per sheet", 3, 3, 236, 334, 49, 71, 0, 0), 0, false, MediaData,
               CdCardHigh),
          with(inch("CD business card, wide<>8 per sheet", 4, 2, 334, 236, 78, 91, 0, 0), 0, false, MediaData,
               CdCardWide),
          heading(kA4),
          with(mm("Full face CD/DVD 117 mm<>2 per sheet", 2, 1, 11700, 11700, 2150, 4650, 0, 2300), 0, false,
               MediaData, FullCd),
          with(mm("CD business card 60 x 85 mm, tall<>9 per sheet", 3, 3, 6000, 8500, 2100, 1500, 0, 0), 0, false,
               MediaData, CdCardHigh),
          with(mm("CD business card 85 x 60 mm, wide<>8 per sheet", 4, 2, 8500, 6000, 2850, 2000, 0, 0), 0, false,
               MediaData, CdCardWide)}},
        {"Business Cards",
         {heading(kLetter),
          with(inch("Business card 2 x 3 1/2 in<>10 per sheet", 5, 2, 350, 200, 50, 75, 0, 0), 0, true),
          with(inch("Business card, clean edge<>2 x 3 1/2 in, 10 up", 5, 2, 350, 200, 50, 50, 50, 0), 0,
               true),
          with(inch("Business card 3 1/2 x 2 in, upright<>12 per sheet", 3, 4, 200, 350, 25, 25, 0, 0), 0, true),
          heading(kA4),
          with(mm("Business card 85 x 54 mm<>10 per sheet", 5, 2, 8500, 5400, 1350, 1500, 1000, 0), 0, true),
          with(mm("Business card 90 x 50 mm<>10 per sheet", 5, 2, 9000, 5000, 2350, 1500, 0, 0), 0, true)}},
        {"Name Badges",
         {heading(kLetter),
          inch("Name badge 2 1/3 x 3 3/8 in<>8 per sheet", 4, 2, 338, 233, 84, 69, 75, 0),
          inch("Name badge 3 x 4 in<>6 per sheet", 3, 2, 400, 300, 100, 16, 19, 0),
          heading(kA4),
          mm("Name badge 88.9 x 59.2 mm<>8 per sheet", 4, 2, 8890, 5920, 3010, 1200, 810, 0),
          mm("Name badge 90 x 54 mm<>10 per sheet", 5, 2, 9000, 5400, 1350, 1500, 0, 0)}},
        {"Folded Business Cards",
         {heading(kLetter),
          with(inch("Folded card, side fold, tall<>6 per sheet", 3, 2, 400, 350, 25, 25, 0, 0), 1, true),
          with(inch("Folded card, top fold, wide<>4 per sheet", 2, 2, 350, 400, 150, 75, 0, 0), 2, true),
          with(inch("Folded card, side fold, wide<>5 per sheet", 5, 1, 700, 200, 50, 75, 0, 0), 3, true),
          with(inch("Folded card, top fold, tall<>4 per sheet", 1, 4, 200, 700, 200, 25, 0, 0), 4, true),
          heading(kA4),
          with(mm("Folded card 85 x 55 mm, top fold<>4 per sheet", 2, 2, 8500, 11000, 3850, 2000, 0, 0), 2, true)}},
        {"Occasion Cards",
         {heading(kLetter),
          with(inch("Half-fold card, side fold<>1 per sheet, landscape", 1, 1, 1100, 850, 0, 0, 0, 0), 5, true),
          with(inch("Half-fold card, top fold<>1 per sheet", 1, 1, 850, 1100, 0, 0, 0, 0), 6, true),
          with(inch("Note card 4 1/4 x 5 1/2, side fold<>2 per sheet", 2, 1, 850, 550, 0, 0, 0, 0), 7, true),
          with(inch("Note card 5 1/2 x 4 1/4, top fold<>2 per sheet", 1, 2, 550, 850, 0, 0, 0, 0), 8, true),
          with(postcard, 0, true),
          heading(kA4),
          with(mm("A5 card, side fold<>1 per sheet, landscape", 1, 1, 29700, 21000, 0, 0, 0, 0), 5, true)}},
    };
}

LayoutRecord toRecord(const Stockdef& s)
{
    LayoutRecord r;
    r.setName(QString::fromLatin1(s.name));
    r.rows = s.rows;
    r.columns = s.columns;
    r.elementWidth = s.width;
    r.elementHeight = s.height;
    r.topMargin = s.top;
    r.leftMargin = s.left;
    r.columnSpace = s.columnSpace;
    r.rowSpace = s.rowSpace;
    r.foldType = s.fold;
    r.backPrintable = s.back ? 1 : 0;
    r.paperType = s.paper;
    r.wizardType = s.wizard;
    r.unit = s.unit;
    r.stockType = s.stock;
    r.paperWidth = s.paperWidth;
    r.paperLength = s.paperLength;
    return r;
}

// Why the entry cannot ship, or empty.
QString problemWith(const Stockdef& s, const LayoutRecord& r)
{
    if (qstrlen(s.name) > 49)
        return "name longer than 49 characters";
    if (!layoutSelectable(r))
        return {};
    int32_t regionWidth = 0, regionHeight = 0;
    r.regionSize(&regionWidth, &regionHeight);
    if (!regionSizeAllowed(regionWidth, regionHeight))
        return "region size outside 10..1700 design units";
    const auto design = [&r](int32_t v) { return layoutToDesignUnits(r.unit, v); };
    int32_t paperWidth = 0, paperHeight = 0;
    r.paperSize(false, &paperWidth, &paperHeight);
    const int32_t usedWidth = design(r.leftMargin + r.columns * r.elementWidth + (r.columns - 1) * r.columnSpace);
    const int32_t usedHeight = design(r.topMargin + r.rows * r.elementHeight + (r.rows - 1) * r.rowSpace);
    const bool fitsUpright = usedWidth <= paperWidth && usedHeight <= paperHeight;
    const bool fitsAcross = usedWidth <= paperHeight && usedHeight <= paperWidth;
    if (!fitsUpright && !fitsAcross)
        return QString("grid %1 x %2 does not fit the paper %3 x %4")
            .arg(usedWidth).arg(usedHeight).arg(paperWidth).arg(paperHeight);
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_layouts OUTPUT_FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    // Check everything before writing anything.
    std::vector<std::pair<QString, std::vector<LayoutRecord>>> files;
    int layouts = 0;
    bool failed = false;
    for (const StockFile& file : library()) {
        std::vector<LayoutRecord> records;
        for (const Stockdef& s : file.entries) {
            records.push_back(toRecord(s));
            const QString problem = problemWith(s, records.back());
            if (!problem.isEmpty()) {
                std::fprintf(stderr, "%s: %s\n", s.name, qPrintable(problem));
                failed = true;
            }
            if (layoutSelectable(records.back()))
                ++layouts;
        }
        files.emplace_back(QString::fromLatin1(file.fileName), std::move(records));
    }
    if (failed)
        return 1;
    for (const auto& [name, records] : files) {
        if (!writeLayoutFile(folder + "/" + name + ".LYT", records)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
            return 1;
        }
    }
    std::printf("%d layouts written to %s\n", layouts, qPrintable(folder));
    return 0;
}
