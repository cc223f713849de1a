// render: a region of a design written as a picture, as the screen shows it.

#include "app/cli/CliCommand.h"

#include "files/DesignFile.h"
#include "model/LayoutRecord.h"
#include "model/Card.h"
#include "model/ObjectManager.h"
#include "export/RegionExport.h"
#include "render/RegionRender.h"

namespace {

constexpr int kMinZoom = 1;
constexpr int kMaxZoom = 1000;  // keeps the picture within a sane size

struct RenderArgs {
    QString design;
    QString output;
    int region = 0;
    int zoom = 0;  // 0: the design's stored zoom
    int quality = 75;
    bool progressive = false;
};

int runRender(const QStringList& args);

const CliCommandRegistration renderCommand(
    {"render", "render DESIGN -o OUT.(png|bmp|jpg|emf|wmf) [--region N] [--zoom Z] [--quality Q] [--progressive]",
     "Write one region of a design as a picture at a zoom.", runRender});

const CliCommand& commandEntry()
{
    for (const CliCommand& c : cliCommands())
        if (c.name == "render")
            return c;
    return cliCommands().front();
}

bool parseInt(const QString& text, int low, int high, int* out)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        return false;
    *out = value;
    return true;
}

// False (with the reason) on a malformed command line.
bool parseArgs(const QStringList& args, RenderArgs* out, QString* error)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "-o" && hasValue) {
            out->output = args[++i];
        } else if (a == "--region" && hasValue) {
            if (!parseInt(args[++i], 0, 7, &out->region))
                return *error = QStringLiteral("--region takes a region index from 0"), false;
        } else if (a == "--zoom" && hasValue) {
            if (!parseInt(args[++i], kMinZoom, kMaxZoom, &out->zoom))
                return *error = QStringLiteral("--zoom takes a percentage from 1 to 1000"), false;
        } else if (a == "--quality" && hasValue) {
            // A quality that is not a number falls back to 75, as the export dialog does.
            if (!parseInt(args[++i], 0, 100, &out->quality))
                out->quality = 75;
        } else if (a == "--progressive") {
            out->progressive = true;
        } else if (!a.startsWith('-') && out->design.isEmpty()) {
            out->design = a;
        } else {
            return *error = QStringLiteral("unexpected argument: ") + a, false;
        }
    }
    if (out->design.isEmpty() || out->output.isEmpty())
        return *error = QStringLiteral("a design and -o OUT are needed"), false;
    return true;
}

int runRender(const QStringList& args)
{
    const CliCommand& self = commandEntry();
    RenderArgs options;
    QString error;
    if (cliWantsHelp(args)) {
        cliPrintUsage(self);
        return CliExit::Ok;
    }
    if (!parseArgs(args, &options, &error)) {
        cliError(QStringLiteral("render: ") + error);
        cliPrintUsage(self);
        return CliExit::Usage;
    }
    Card surface;
    ObjectManager manager(surface);
    LayoutRecord layout;
    QString linked;
    int32_t storedZoom = 100;
    const int32_t result = readDesignFile(manager, options.design, layout, linked, storedZoom);
    if (result != DesignFileResult::Success) {
        cliError(QStringLiteral("error %1: %2").arg(result).arg(designFileResultText(result)));
        return CliExit::Refused;
    }
    int zoom = options.zoom;
    if (zoom == 0)
        zoom = storedZoom >= kMinZoom && storedZoom <= kMaxZoom ? storedZoom : 100;
    if (!showRegionAtZoom(manager, layout, options.region, zoom)) {
        cliError(QStringLiteral("render: the design has no region %1").arg(options.region));
        return CliExit::Usage;
    }
    surface.baseImage = layout.stockType <= 3 ? layout.stockType : 0;
    if (exportCard(surface, options.output, {options.quality, options.progressive}))
        return CliExit::Ok;
    cliError(exportSaveErrorText());
    return CliExit::CannotWrite;
}

} // namespace
