#pragma once
// Importing stock definition XML (a folder of it, such as the one Debian's
// glabels-data package installs, or one file) into layout files: one file per
// brand, the part number as the layout's name and the description in its
// note, grouped under a heading per paper. Templates the record cannot hold
// are skipped and counted by reason.

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "files/StockToLayout.h"
#include "files/StockXml.h"
#include "model/LayoutRecord.h"

struct StockImportReport {
    int filesRead = 0;
    qint64 bytesRead = 0;
    QStringList fileProblems;  // "FILE: reason" for each file not read (or not read to its end)
    int imported = 0;
    std::array<int, size_t(StockSkip::Count)> skipped{};
    QStringList skippedTemplates;  // "Brand Part: reason"
    int rounded = 0;               // imported layouts whose lengths were rounded to hundredths
    long double largestRoundingMillimetres = 0;
    QStringList layoutFiles;    // written
    QStringList keptFiles;      // already there and left alone
    QStringList writeProblems;  // "FILE: reason"

    int skippedCount() const;
};

struct StockBrandFile {
    QString brand;
    QString fileName;  // without the folder, with ".LYT"
    std::vector<LayoutRecord> records;
};

// The most files one import reads from a folder, and the most bytes of all of
// them together: a hundred times the whole installed library.
constexpr int kMaxStockFiles = 10000;
constexpr qint64 kMaxStockImportBytes = 128 * 1024 * 1024;

// Adds the stock definitions of a folder's "*.xml" files (sorted by name) or
// of one file (and of "paper-sizes.xml" beside it) to the catalogue. False,
// with the reason in report.fileProblems, when the source cannot be read at all.
bool readStockSource(const QString& path, StockCatalog& catalog, StockImportReport& report);

// The catalogue's templates as layout files, one per brand (brands that
// differ only in case share one).
std::vector<StockBrandFile> stockLayoutFiles(const StockCatalog& catalog, StockImportReport& report);

// Writes each brand's file into the folder (made when missing), atomically;
// an existing file is replaced only when replaceExisting is set.
void writeStockLayoutFiles(const std::vector<StockBrandFile>& files, const QString& folder, bool replaceExisting,
                           StockImportReport& report);

// All three steps.
StockImportReport importStockDefinitions(const QString& source, const QString& folder, bool replaceExisting);

// The stock definitions a system package installed ("libglabels-3.0/templates"
// in the data folders), or empty when there are none.
QString installedStockFolder();

// For a new per-user program folder: the installed stock definitions as layout
// files beside the shipped ones, never replacing a file that is there.
void seedStocksFromSystem(const QString& programFolder);
