// info, save and layouts: the design files and layout files as the core reads them.

#include "app/cli/CliCommand.h"

#include <QFileInfo>

#include "app/cli/CliFiles.h"
#include "app/cli/CliLayoutImport.h"
#include "app/cli/CliTexts.h"
#include "base/JsonWriter.h"
#include "files/DesignFile.h"
#include "files/DesignInfo.h"
#include "files/LayoutFile.h"
#include "model/Card.h"
#include "model/ObjectManager.h"

namespace {

int runInfo(const QStringList& args);
int runSave(const QStringList& args);
int runLayouts(const QStringList& args);

const CliCommandRegistration infoCommand(
    {"info", "info DESIGN [--with-pictures]",
     "Print the parsed design file as JSON. With --with-pictures every picture's stored bytes are included as "
     "base64, so that build can make the same file from it.",
     runInfo});
const CliCommandRegistration saveCommand(
    {"save", "save DESIGN -o OUT",
     "Read a design or template and write it again as Save does. The previous OUT stays as it was when the "
     "file cannot be written; OUT may be DESIGN itself.",
     runSave});
const CliCommandRegistration layoutsCommand(
    {"layouts", "layouts (FILE.LYT | --import DIR_OR_FILE -o FOLDER)",
     "Print the layouts of a layout file as JSON. With --import, read stock definition XML instead (a folder of "
     "*.xml files such as /usr/share/libglabels-3.0/templates, or one file) and write one layout file per brand "
     "into FOLDER, replacing files of the same name there; templates that a layout cannot hold are skipped and "
     "counted. --verbose names each skipped template on stderr.",
     runLayouts});

const QString kOutput = QStringLiteral("o");
const QString kImport = QStringLiteral("import");
const QString kWithPictures = QStringLiteral("with-pictures");

int runInfo(const QStringList& args)
{
    CliParser parser(QStringLiteral("info"));
    parser.addOption({kWithPictures}, QStringLiteral("Include the pictures' bytes as base64."));
    parser.addPositional(QStringLiteral("DESIGN"), QStringLiteral("The design (.lpd) or template (.cct) file."));
    if (const auto exit = parser.parse(args))
        return *exit;
    const std::optional<QString> design = parser.onePositional(QStringLiteral("design"));
    if (!design)
        return CliExit::Usage;
    if (!cliCheckDesignReadable(*design))
        return CliExit::Refused;
    QByteArray json;
    const int32_t result = describeDesignFile(*design, json, parser.isSet(kWithPictures));
    if (result != DesignFileResult::Success)
        return cliRefuseDesign(*design, result);
    return cliWriteStdout(json + '\n');
}

int runSave(const QStringList& args)
{
    CliParser parser(QStringLiteral("save"));
    parser.addOption({kOutput, QStringLiteral("output")}, QStringLiteral("The file to write."),
                     QStringLiteral("OUT"));
    parser.addPositional(QStringLiteral("DESIGN"), QStringLiteral("The design (.lpd) or template (.cct) file."));
    if (const auto exit = parser.parse(args))
        return *exit;
    const std::optional<QString> design = parser.onePositional(QStringLiteral("design"));
    if (!design)
        return CliExit::Usage;
    const QString output = parser.value(kOutput);
    if (output.isEmpty())
        return parser.usageError(CliTexts::OutputNeeded);
    if (!cliCheckDesignReadable(*design))
        return CliExit::Refused;
    // Saving a design onto itself is safe: it is read whole before the new
    // file replaces it, and only once that was written completely.
    Card surface;
    ObjectManager manager(surface);
    LayoutRecord layout;
    QString linked;
    int32_t zoom = 100;
    const int32_t result = readDesignFile(manager, *design, layout, linked, zoom);
    if (result != DesignFileResult::Success)
        return cliRefuseDesign(*design, result);
    QString error;
    if (!writeDesignFile(manager, output, layout, linked, zoom, &error)) {
        cliError(error);
        cliError(designFileResultText(DesignFileResult::SaveError, false));
        return CliExit::CannotWrite;
    }
    return CliExit::Ok;
}

int runLayouts(const QStringList& args)
{
    CliParser parser(QStringLiteral("layouts"));
    parser.addPositional(QStringLiteral("FILE.LYT"), QStringLiteral("The layout file."));
    parser.addOption({kImport}, QStringLiteral("Import the stock definitions of a folder or file."),
                     QStringLiteral("DIR_OR_FILE"));
    parser.addOption({kOutput, QStringLiteral("output")}, QStringLiteral("The folder the imported layout files go to."),
                     QStringLiteral("FOLDER"));
    if (const auto exit = parser.parse(args))
        return *exit;
    if (parser.isSet(kImport) || parser.isSet(kOutput))
        return runLayoutImport(parser, parser.value(kImport), parser.value(kOutput));
    const std::optional<QString> file = parser.onePositional(QStringLiteral("layout file"));
    if (!file)
        return CliExit::Usage;
    const QString& path = *file;
    const auto refuse = [&path](const QString& reason) {
        cliError(CliTexts::cannotOpenLayoutFile(path, reason));
        return CliExit::Refused;
    };
    if (const QString reason = cliUnreadableReason(path); !reason.isEmpty())
        return refuse(reason);
    const QFileInfo info(path);
    if (info.isFile() && info.size() > kMaxLayoutFileSize)
        return refuse(CliTexts::layoutFileTooLarge(info.size(), kMaxLayoutFileSize));
    if (hasDesignFileSignature(cliFileHead(path, 8)))
        return refuse(CliTexts::DesignIsNoLayoutFile);
    JsonArray list;
    for (const LayoutRecord& record : readLayoutFile(path))
        list.raw(JsonObject()
                     .add("name", record.displayName())
                     .add("shown_name", layoutShownName(record))
                     .add("note", layoutNote(record))
                     .add("selectable", layoutSelectable(record))
                     .raw("record", layoutRecordJson(record))
                     .toJson());
    return cliWriteStdout(list.toJson() + '\n');
}

} // namespace
