// Writes the bundled content, all drawn in code: the templates
// (Template/<family>/<category>/*.cct), the background pictures
// (Graphics/Background/<category>/*.jpg) and the clip art (Graphics/Clipart).
//
//   make_content DATA_FOLDER                  (the repository's data/)
//   make_content --samples DATA_FOLDER OUT    every template filled with sample
//                                             personal data, as designs in OUT

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "base/AtomicFile.h"
#include "content/Artwork.h"
#include "content/TemplateDesigns.h"
#include "examples/ExampleDesigns.h"
#include "files/DesignFile.h"
#include "files/LayoutFile.h"
#include "merge/PersonalMerge.h"
#include <QDirIterator>
#include "imaging/JpegCodec.h"
#include "model/Card.h"
#include "model/Folds.h"
#include "model/ObjectManager.h"

namespace {

constexpr QSize kBackgroundSize{720, 480};
constexpr int kClipartSize = 256;
constexpr int kJpegQuality = 86;

std::optional<LayoutRecord> findStock(const QString& layoutFolder, const QString& shownStart)
{
    for (const QString& file : QDir(layoutFolder).entryList({"*.LYT"}, QDir::Files, QDir::Name))
        for (const LayoutRecord& layout : readLayoutFile(layoutFolder + "/" + file))
            if (layoutSelectable(layout) && layoutShownName(layout).startsWith(shownStart))
                return layout;
    return std::nullopt;
}

bool writeTemplate(const TemplateDesign& design, LayoutRecord layout, const QString& path)
{
    layout.wizardType = design.wizardType;
    Card surface;
    ObjectManager manager(surface);
    int32_t width = 0, height = 0;
    layout.regionSize(&width, &height);
    surface.setRegionSize(width, height);
    const int regions = int(regionCaptions(layout.foldType).size());
    DesignBuilder builder(manager);
    for (int region = 0; region < regions; ++region) {
        int32_t side = 0, panel = 0;
        regionSlotFor(layout.foldType, region, &side, &panel);
        if (!manager.showRegion({side, panel}))
            return false;
        design.build(builder, manager, region, width, height);
    }
    int32_t side = 0, panel = 0;
    regionSlotFor(layout.foldType, 0, &side, &panel);
    if (!manager.showRegion({side, panel}))
        return false;
    return writeDesignFile(manager, path, layout, QString(), 100);
}

bool writeTemplates(const QString& data)
{
    bool ok = true;
    for (const TemplateDesign& design : templateDesigns()) {
        const auto stock = findStock(data + "/layouts", design.stock);
        const QString folder = data + "/templates/" + design.family + "/" + design.category;
        QDir().mkpath(folder);
        const QString path = folder + "/" + design.name + ".cct";
        const bool written = stock && writeTemplate(design, *stock, path);
        std::printf("%s %s\n", written ? "wrote" : "FAILED", qPrintable(path));
        ok = ok && written;
    }
    return ok;
}

bool writeBackgrounds(const QString& data)
{
    bool ok = true;
    for (const Artwork::Background& art : Artwork::backgrounds()) {
        const QString folder = data + "/Graphics/Background/" + art.category;
        QDir().mkpath(folder);
        const QString path = folder + "/" + art.name + ".jpg";
        const bool written =
            writeFileAtomically(path, encodeJpeg(Artwork::backgroundImage(art, kBackgroundSize), kJpegQuality, false));
        std::printf("%s %s\n", written ? "wrote" : "FAILED", qPrintable(path));
        ok = ok && written;
    }
    return ok;
}

bool writeClipart(const QString& data)
{
    const QColor colours[][2] = {{QColor(230, 170, 40), QColor(250, 230, 140)}, {QColor(210, 60, 90), QColor(250, 190, 205)},
                                 {QColor(70, 150, 80), QColor(40, 90, 50)},    {QColor(220, 110, 160), QColor(250, 210, 90)},
                                 {QColor(230, 80, 80), QColor(80, 150, 220)},  {QColor(60, 110, 180), QColor(240, 200, 70)},
                                 {QColor(90, 110, 170), QColor(170, 200, 240)}, {QColor(60, 130, 190), QColor(255, 255, 255)},
                                 {QColor(170, 90, 60), QColor(200, 70, 60)},   {QColor(90, 150, 210), QColor(200, 230, 250)},
                                 {QColor(240, 170, 190), QColor(250, 240, 240)}, {QColor(50, 50, 70), QColor(200, 80, 90)}};
    const QString folder = data + "/Graphics/Clipart";
    QDir().mkpath(folder);
    bool ok = true;
    int i = 0;
    for (Artwork::Motif motif : Artwork::allMotifs()) {
        const QString path = folder + "/" + Artwork::motifName(motif) + ".png";
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        const bool encoded = Artwork::motifImage(motif, kClipartSize, colours[i][0], colours[i][1]).save(&buffer, "PNG");
        const bool written = encoded && writeFileAtomically(path, bytes);
        std::printf("%s %s\n", written ? "wrote" : "FAILED", qPrintable(path));
        ok = ok && written;
        ++i;
    }
    return ok;
}

PersonalMergeValues sampleValues(uint8_t wizardType)
{
    using namespace PersonalField;
    PersonalMergeValues values;
    const std::pair<int, const char*> samples[] = {
        {Name, "Margaret Oduya"},
        {FromName, "Tom & Ellie"},
        {Company, "Harrow & Finch"},
        {title, "Head of Design"},
        {Address, "Margaret Oduya\r\n48 Larkspur Lane\r\nPortland OR 97205"},
        {ReturnAddress, "T. Whitley\r\n9 Quarry Road\r\nBath BA1 2QT"},
        {Phone, "+1 503 555 0148"},
        {Fax, "+1 503 555 0149"},
        {Email, "margaret@harrowfinch.com"},
        {Website, "www.harrowfinch.com"},
        {CoverText, "Happy Birthday!"},
        {InsideText, "Wishing you a wonderful year full of laughter, good friends and new adventures."},
        {MediaTitle, "Summer Sessions"},
        {MediaAuthor, "The Larkspur Quartet"},
        {MediaDescription, "Live recordings, July 2026"},
        {MediaContents, "1. Morning Light\r\n2. Harbour Walk\r\n3. The Long Field\r\n4. Evening Tide"},
    };
    for (const auto& [field, text] : samples)
        values.fieldValues[size_t(field)] = QString::fromUtf8(text);
    // A business card's address has no name line: the name stands above it.
    if (wizardType == 4)
        values.fieldValues[Address] = QStringLiteral("48 Larkspur Lane\r\nPortland OR 97205");
    return values;
}

// Each template filled with the sample data, written as a design under out.
bool writeSamples(const QString& data, const QString& out)
{
    bool ok = true;
    QDirIterator it(data + "/templates", {"*.cct"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        Card surface;
        ObjectManager manager(surface);
        LayoutRecord layout;
        QString linked;
        int32_t zoom = 100;
        const QString relative =
            QDir(QDir(data + "/templates").absolutePath()).relativeFilePath(QFileInfo(path).absoluteFilePath());
        const QString target = out + "/" + relative.chopped(4) + ".lpd";
        QDir().mkpath(QFileInfo(target).absolutePath());
        const bool read = readDesignFile(manager, path, layout, linked, zoom) == DesignFileResult::Success;
        PersonalMergeValues values = sampleValues(layout.wizardType);
        const bool written = read && mergePersonalDataIntoRegions(manager, layout.foldType, values) &&
                             writeDesignFile(manager, target, layout, linked, zoom);
        std::printf("%s %s\n", written ? "wrote" : "FAILED", qPrintable(target));
        ok = ok && written;
    }
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc == 4 && QString::fromLocal8Bit(argv[1]) == QLatin1String("--samples"))
        return writeSamples(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])) ? 0 : 1;
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_content DATA_FOLDER | make_content --samples DATA_FOLDER OUT\n");
        return 2;
    }
    const QString data = QString::fromLocal8Bit(argv[1]);
    const bool ok = writeTemplates(data) & writeBackgrounds(data) & writeClipart(data);
    return ok ? 0 : 1;
}
