#include "files/StockImport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <map>

#include "base/BoundedRead.h"
#include "base/Cp1252.h"
#include "files/LayoutFile.h"
#include "files/StockImportTexts.h"
#include "model/Paper.h"

namespace {

constexpr int kMaxEquivalentSteps = 8;
constexpr qsizetype kMaxFileNameLength = 100;
constexpr qsizetype kMaxShownNameBytes = 30;
const char kEllipsis = '\x85';  // "…" in Windows-1252
const QString kPaperSizesFile = QStringLiteral("paper-sizes.xml");

QString templateKey(const QString& brand, const QString& part) { return brand + QChar(u'\n') + part; }

void readStockFile(const QString& path, StockCatalog& catalog, StockImportReport& report)
{
    const auto problem = [&](const QString& why) { report.fileProblems << path + QStringLiteral(": ") + why; };
    if (report.bytesRead >= kMaxStockImportBytes)
        return problem(StockImportTexts::ImportTooLarge);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return problem(file.errorString());
    const std::optional<QByteArray> bytes = readAtMost(file, kMaxStockXmlBytes);
    if (!bytes)
        return problem(StockImportTexts::fileTooLarge(file.size(), kMaxStockXmlBytes));
    ++report.filesRead;
    report.bytesRead += bytes->size();
    QString error;
    if (!readStockXml(*bytes, catalog, &error))
        problem(error);
}

QStringView withoutLeadingZeros(QStringView digits)
{
    while (digits.startsWith(u'0'))
        digits = digits.mid(1);
    return digits;
}

// Digits compare as numbers, so "L7160" comes before "L7651" and "5160" after "960".
bool naturalLess(const QString& a, const QString& b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype ei = i, ej = j;
            while (ei < a.size() && a[ei].isDigit())
                ++ei;
            while (ej < b.size() && b[ej].isDigit())
                ++ej;
            const QStringView na = withoutLeadingZeros(QStringView(a).mid(i, ei - i));
            const QStringView nb = withoutLeadingZeros(QStringView(b).mid(j, ej - j));
            if (na.size() != nb.size())
                return na.size() < nb.size();
            if (na != nb)
                return na < nb;
            i = ei;
            j = ej;
            continue;
        }
        const QChar ca = a[i].toCaseFolded(), cb = b[j].toCaseFolded();
        if (ca != cb)
            return ca < cb;
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

// A brand as a file name: no folder separators or control characters, never hidden.
QString brandFileName(const QString& brand)
{
    QString name;
    for (const QChar c : brand)
        name += (c.isPrint() && c != u'/' && c != u'\\') ? c : QChar(u'-');
    while (name.startsWith(u'.') || name.startsWith(u' '))
        name.remove(0, 1);
    name = name.left(kMaxFileNameLength).trimmed();
    return (name.isEmpty() ? QStringLiteral("Unnamed brand") : name) + QStringLiteral(".LYT");
}

// Brands that differ only past the length limit or in characters a file name
// cannot hold ("A/B", "A-B") must not write over each other.
QString uniqueFileName(const QString& name, QSet<QString>& taken)
{
    const QString base = name.chopped(4);  // without ".LYT"
    QString unique = name;
    for (int n = 2; taken.contains(unique.toCaseFolded()); ++n)
        unique = base + QStringLiteral(" (%1).LYT").arg(n);
    taken.insert(unique.toCaseFolded());
    return unique;
}

// Text cut to at most size bytes, at a blank when one is near, with "…" when cut.
QByteArray shortened(const QByteArray& text, qsizetype size)
{
    if (text.size() <= size)
        return text;
    if (size <= 0)
        return {};
    QByteArray cut = text.left(size - 1);
    const qsizetype blank = cut.lastIndexOf(' ');
    if (blank > size / 2)
        cut.truncate(blank);
    while (cut.endsWith(' ') || cut.endsWith(','))
        cut.chop(1);
    return cut + kEllipsis;
}

QByteArray plainText(const QString& text)
{
    // "<>" starts the note: a part number or description never holds one.
    return toCp1252(QString(text).replace(QStringLiteral("<>"), QStringLiteral("< >")).simplified());
}

// One imported layout before it gets its final name.
struct StockEntry {
    QString part;
    QString description;
    LayoutRecord record;
};

// "PART<>DESCRIPTION, N per sheet" within the name field; the shown name is
// made unique in its file with " (2)", " (3)", ...
class BrandNames {
public:
    void name(StockEntry& entry)
    {
        const QByteArray part = plainText(entry.part);
        QByteArray shown = part.left(kMaxShownNameBytes);
        for (int n = 2; m_taken.contains(fromCp1252(shown).toCaseFolded()); ++n) {
            const QByteArray suffix = " (" + QByteArray::number(n) + ")";
            shown = part.left(kMaxShownNameBytes - suffix.size()) + suffix;
        }
        m_taken.insert(fromCp1252(shown).toCaseFolded());
        const qsizetype room = LayoutRecord::kNameSize - 1 - shown.size() - 2;
        const QByteArray description = plainText(entry.description);
        const QByteArray perSheet = toCp1252(StockImportTexts::perSheet(entry.record.elementsPerSheet()));
        QByteArray note;
        if (!description.isEmpty() && description.size() + 2 + perSheet.size() <= room)
            note = description + ", " + perSheet;
        else if (!description.isEmpty())
            note = shortened(description, room);
        entry.record.setName(fromCp1252(note.isEmpty() ? shown : shown + "<>" + note));
        // A part number that reads like a heading would not be choosable.
        if (!layoutSelectable(entry.record))
            entry.record.setName(QStringLiteral("Part ") + entry.record.displayName());
    }

private:
    QSet<QString> m_taken;
};

struct Brand {
    QString spelling;  // as first seen
    std::vector<StockEntry> entries;
};

const StockTemplate* resolveEquivalent(const StockTemplate& stock, const QHash<QString, size_t>& byKey,
                                       const StockCatalog& catalog)
{
    const StockTemplate* current = &stock;
    for (int step = 0; step < kMaxEquivalentSteps && !current->equivalentOf.isEmpty(); ++step) {
        const auto found = byKey.constFind(templateKey(current->brand, current->equivalentOf));
        if (found == byKey.constEnd())
            return nullptr;
        current = &catalog.templates[*found];
    }
    return current->equivalentOf.isEmpty() ? current : nullptr;
}

void countSkip(StockImportReport& report, const StockTemplate& stock, StockSkip why)
{
    ++report.skipped[size_t(why)];
    QString line = stock.brand + QLatin1Char(' ') + stock.part + QStringLiteral(": ") + stockSkipText(why);
    if (why == StockSkip::Damaged && !stock.damage.isEmpty())
        line += QStringLiteral(" (") + stock.damage + QLatin1Char(')');
    report.skippedTemplates << line;
}

std::optional<StockEntry> entryFor(const StockTemplate& stock, const StockCatalog& catalog,
                                   const QHash<QString, size_t>& byKey, StockImportReport& report)
{
    if (!stock.damage.isEmpty()) {
        countSkip(report, stock, StockSkip::Damaged);
        return std::nullopt;
    }
    const StockTemplate* geometry = resolveEquivalent(stock, byKey, catalog);
    if (!geometry) {
        countSkip(report, stock, StockSkip::NoEquivalent);
        return std::nullopt;
    }
    StockTemplate described = *geometry;
    if (!stock.description.isEmpty())
        described.description = stock.description;
    const StockConversion conversion = stockToLayout(described, catalog.papers);
    if (conversion.skip != StockSkip::None) {
        countSkip(report, stock, conversion.skip);
        return std::nullopt;
    }
    if (conversion.roundingMillimetres > 1e-9L) {
        ++report.rounded;
        report.largestRoundingMillimetres = std::max(report.largestRoundingMillimetres, conversion.roundingMillimetres);
    }
    return StockEntry{stock.part, described.description, conversion.record};
}

QString paperGroupHeading(int paperType)
{
    return StockImportTexts::paperHeading(paperType == kPaperUserDefined
                                              ? StockImportTexts::OtherPapers
                                              : QString::fromLatin1(paperTableEntry(paperType).caption));
}

LayoutRecord headingRecord(int paperType)
{
    LayoutRecord heading;
    heading.setName(paperGroupHeading(paperType));
    heading.paperType = uint8_t(paperType);
    return heading;
}

// One brand's layouts grouped by paper in the paper table's order, each group
// under its heading and sorted by part number; as many as one layout file holds.
StockBrandFile brandFile(Brand& brand, StockImportReport& report)
{
    std::stable_sort(brand.entries.begin(), brand.entries.end(), [](const StockEntry& a, const StockEntry& b) {
        if (a.record.paperType != b.record.paperType)
            return a.record.paperType < b.record.paperType;
        return naturalLess(a.part, b.part);
    });
    constexpr size_t kMaxRecords = size_t(kMaxLayoutFileSize / LayoutRecord::kSize);
    StockBrandFile file{brand.spelling, brandFileName(brand.spelling), {}};
    BrandNames names;
    int group = -1;
    for (StockEntry& entry : brand.entries) {
        const bool newGroup = entry.record.paperType != group;
        if (file.records.size() + (newGroup ? 2 : 1) > kMaxRecords) {
            StockTemplate skipped;
            skipped.brand = brand.spelling;
            skipped.part = entry.part;
            countSkip(report, skipped, StockSkip::BrandFull);
            continue;
        }
        if (newGroup) {
            group = entry.record.paperType;
            file.records.push_back(headingRecord(group));
        }
        names.name(entry);
        file.records.push_back(entry.record);
        ++report.imported;
    }
    return file;
}

} // namespace

int StockImportReport::skippedCount() const
{
    int total = 0;
    for (int n : skipped)
        total += n;
    return total;
}

bool readStockSource(const QString& path, StockCatalog& catalog, StockImportReport& report)
{
    const QFileInfo source(path);
    QStringList files;
    if (source.isDir()) {
        const QFileInfoList entries =
            QDir(path).entryInfoList({QStringLiteral("*.xml")}, QDir::Files | QDir::Readable, QDir::Name);
        for (const QFileInfo& entry : entries)
            files << entry.filePath();
        if (files.isEmpty()) {
            report.fileProblems << path + QStringLiteral(": ") + StockImportTexts::NoStockFiles;
            return false;
        }
        if (files.size() > kMaxStockFiles) {
            report.fileProblems << path + QStringLiteral(": ") + StockImportTexts::TooManyFiles;
            return false;
        }
    } else {
        if (source.exists() && !source.isFile()) {
            report.fileProblems << path + QStringLiteral(": ") + StockImportTexts::NotAFile;
            return false;
        }
        // The paper sizes the templates name are kept in a file of their own.
        const QFileInfo papers(source.dir().filePath(kPaperSizesFile));
        if (papers.isFile() && papers.canonicalFilePath() != source.canonicalFilePath())
            readStockFile(papers.filePath(), catalog, report);
        files << path;
    }
    const int before = report.filesRead;
    for (const QString& file : files)
        readStockFile(file, catalog, report);
    return report.filesRead > before;
}

std::vector<StockBrandFile> stockLayoutFiles(const StockCatalog& catalog, StockImportReport& report)
{
    QHash<QString, size_t> byKey;
    for (size_t i = 0; i < catalog.templates.size(); ++i)
        if (catalog.templates[i].equivalentOf.isEmpty())
            byKey.insert(templateKey(catalog.templates[i].brand, catalog.templates[i].part), i);
    std::map<QString, Brand> brands;  // by case-folded name: one file per brand on any file system
    for (const StockTemplate& stock : catalog.templates) {
        std::optional<StockEntry> entry = entryFor(stock, catalog, byKey, report);
        if (!entry)
            continue;
        Brand& brand = brands[stock.brand.toCaseFolded()];
        if (brand.spelling.isEmpty())
            brand.spelling = stock.brand;
        brand.entries.push_back(std::move(*entry));
    }
    std::vector<StockBrandFile> files;
    QSet<QString> fileNames;
    for (auto& [key, brand] : brands) {
        files.push_back(brandFile(brand, report));
        files.back().fileName = uniqueFileName(files.back().fileName, fileNames);
    }
    return files;
}

void writeStockLayoutFiles(const std::vector<StockBrandFile>& files, const QString& folder, bool replaceExisting,
                           StockImportReport& report)
{
    if (!QDir().mkpath(folder)) {
        report.writeProblems << folder + QStringLiteral(": ") + StockImportTexts::CannotMakeFolder;
        return;
    }
    for (const StockBrandFile& file : files) {
        const QString path = QDir(folder).filePath(file.fileName);
        if (!replaceExisting && QFileInfo::exists(path)) {
            report.keptFiles << path;
            continue;
        }
        QString error;
        if (writeLayoutFile(path, file.records, &error))
            report.layoutFiles << path;
        else
            report.writeProblems << path + QStringLiteral(": ") + error;
    }
}

StockImportReport importStockDefinitions(const QString& source, const QString& folder, bool replaceExisting)
{
    StockImportReport report;
    StockCatalog catalog;
    if (!readStockSource(source, catalog, report))
        return report;
    writeStockLayoutFiles(stockLayoutFiles(catalog, report), folder, replaceExisting, report);
    return report;
}

QString installedStockFolder()
{
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("libglabels-3.0/templates"),
                                  QStandardPaths::LocateDirectory);
}

void seedStocksFromSystem(const QString& programFolder)
{
    const QString source = installedStockFolder();
    if (!source.isEmpty())
        importStockDefinitions(source, programFolder, false);
}
