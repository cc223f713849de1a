// render: a region of a design written as a picture, as the screen shows it.

#include "app/cli/CliCommand.h"

#include <QFileInfo>

#include "app/cli/CliFiles.h"
#include "app/cli/CliTexts.h"
#include "export/ExportFormat.h"
#include "export/RegionExport.h"
#include "files/DesignFile.h"
#include "model/Card.h"
#include "model/LayoutRecord.h"
#include "model/ObjectManager.h"
#include "render/RegionRender.h"

namespace {

constexpr int kMinZoom = 1;
constexpr int kMaxZoom = 1000;  // keeps the picture within a sane size
constexpr int kMaxRegion = 7;
constexpr int kDefaultQuality = 75;

int runRender(const QStringList& args);

const CliCommandRegistration renderCommand(
    {"render",
     "render DESIGN -o OUT.(png|bmp|jpg|jpeg|emf|wmf|svg|pdf) [--format F] [--region N] [--zoom Z] "
     "[--quality Q] [--progressive]",
     "Write one region of a design as a picture at a zoom. The extension of OUT names the format (.jpg and .jpeg "
     "are JPEG, .wmf is written as an enhanced metafile, .svg and .pdf are vector files of the region at its "
     "true size, text kept as text), or --format does, for a device or pipe such as /dev/stdout. The previous "
     "OUT stays as it was when the picture cannot be written.",
     runRender});

const QString kOutput = QStringLiteral("o");
const QString kFormat = QStringLiteral("format");
const QString kRegion = QStringLiteral("region");
const QString kZoom = QStringLiteral("zoom");
const QString kQuality = QStringLiteral("quality");
const QString kProgressive = QStringLiteral("progressive");

QString formatList() { return exportExtensions().join(QStringLiteral(", ")); }

// The format to write, from --format or else the output's extension; empty
// (after the message) when neither names one.
std::optional<ExportFormat> chooseFormat(const CliParser& parser, const QString& output)
{
    if (parser.isSet(kFormat)) {
        const auto format = exportFormatNamed(parser.value(kFormat));
        if (!format)
            parser.usageError(CliTexts::formatTakes(formatList()));
        return format;
    }
    const auto format = exportFormatForExtension(output);
    if (format)
        return format;
    if (cliIsSpecialFile(output))
        parser.usageError(CliTexts::deviceNeedsFormat(output, formatList()));
    else
        parser.usageError(cliExtensionProblem(output, exportExtensions()) + CliTexts::OrGiveFormat);
    return std::nullopt;
}

int runRender(const QStringList& args)
{
    CliParser parser(QStringLiteral("render"));
    parser.addOption({kOutput, QStringLiteral("output")}, QStringLiteral("The picture file to write."),
                     QStringLiteral("OUT"));
    parser.addOption({kFormat},
                     QStringLiteral("The picture format, whatever OUT is called: ") + formatList() + QLatin1Char('.'),
                     QStringLiteral("F"));
    parser.addOption({kRegion}, QStringLiteral("The region to write, from 0 (default 0)."), QStringLiteral("N"));
    parser.addOption({kZoom}, QStringLiteral("The zoom in percent, 1 to 1000 (default: the design's own)."),
                     QStringLiteral("Z"));
    parser.addOption({kQuality}, QStringLiteral("JPEG quality, 1 to 100 (default 75)."), QStringLiteral("Q"));
    parser.addOption({kProgressive}, QStringLiteral("Write a progressive JPEG."));
    parser.addPositional(QStringLiteral("DESIGN"), QStringLiteral("The design (.lpd) or template (.cct) file."));
    if (const auto exit = parser.parse(args))
        return *exit;

    const QStringList positional = parser.positional();
    if (positional.size() > 1)
        return parser.usageError(CliTexts::unexpectedArgument(positional[1]));
    const QString output = parser.value(kOutput);
    if (positional.isEmpty() || output.isEmpty())
        return parser.usageError(CliTexts::DesignAndOutputNeeded);
    const QString& design = positional[0];
    const auto region =
        parser.intValue(kRegion, 0, kMaxRegion, 0, CliTexts::RegionRange);
    if (!region)
        return CliExit::Usage;
    const auto requestedZoom =
        parser.intValue(kZoom, kMinZoom, kMaxZoom, 0, CliTexts::ZoomRange);
    if (!requestedZoom)
        return CliExit::Usage;
    const auto quality =
        parser.intValue(kQuality, 1, 100, kDefaultQuality, CliTexts::QualityRange);
    if (!quality)
        return CliExit::Usage;
    const auto format = chooseFormat(parser, output);
    if (!format)
        return CliExit::Usage;

    if (!cliCheckDesignReadable(design))
        return CliExit::Refused;
    if (cliWouldReplace(output, design))
        return parser.usageError(CliTexts::outputIsDesign(output));
    Card surface;
    ObjectManager manager(surface);
    LayoutRecord layout;
    QString linked;
    int32_t storedZoom = 100;
    const int32_t result = readDesignFile(manager, design, layout, linked, storedZoom);
    if (result != DesignFileResult::Success)
        return cliRefuseDesign(design, result);
    int zoom = *requestedZoom;
    if (zoom == 0)
        zoom = storedZoom >= kMinZoom && storedZoom <= kMaxZoom ? storedZoom : 100;
    if (!showRegionByIndex(manager, layout, *region)) {
        cliError(CliTexts::noSuchRegion(*region));
        return CliExit::Usage;
    }
    surface.baseImage = layout.stockType <= 3 ? layout.stockType : 0;
    QString error;
    if (exportCard(surface, output, *format, {*quality, parser.isSet(kProgressive), zoom}, &error))
        return CliExit::Ok;
    cliError(error);
    cliError(exportSaveErrorText());
    return CliExit::CannotWrite;
}

} // namespace
