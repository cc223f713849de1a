// info, save and layouts: the design files and layout files as the core reads them.

#include "app/cli/CliCommand.h"

#include <QFileInfo>

#include "files/DesignFile.h"
#include "files/DesignInfo.h"
#include "files/LayoutFile.h"
#include "model/Card.h"
#include "model/ObjectManager.h"
#include "base/JsonWriter.h"

namespace {

int refuse(int32_t code)
{
    cliError(QStringLiteral("error %1: %2").arg(code).arg(designFileResultText(code)));
    return CliExit::Refused;
}

int runInfo(const QStringList& args);
int runSave(const QStringList& args);
int runLayouts(const QStringList& args);

const CliCommandRegistration infoCommand({"info", "info DESIGN", "Print the parsed design file as JSON.", runInfo});
const CliCommandRegistration saveCommand(
    {"save", "save DESIGN -o OUT", "Read a design or template and write it again as Save does.", runSave});
const CliCommandRegistration layoutsCommand(
    {"layouts", "layouts FILE.LYT", "Print the layouts of a layout file as JSON.", runLayouts});

const CliCommand& commandNamed(const QString& name)
{
    for (const CliCommand& c : cliCommands())
        if (c.name == name)
            return c;
    return cliCommands().front();
}

int runInfo(const QStringList& args)
{
    if (cliWantsHelp(args) || args.size() != 1) {
        cliPrintUsage(commandNamed("info"));
        return cliWantsHelp(args) ? CliExit::Ok : CliExit::Usage;
    }
    QByteArray json;
    const int32_t result = describeDesignFile(args[0], json);
    if (result != DesignFileResult::Success)
        return refuse(result);
    cliWriteStdout(json + '\n');
    return CliExit::Ok;
}

int runSave(const QStringList& args)
{
    const qsizetype at = args.indexOf("-o");
    if (cliWantsHelp(args) || args.size() != 3 || at < 0 || at + 1 >= args.size()) {
        cliPrintUsage(commandNamed("save"));
        return cliWantsHelp(args) ? CliExit::Ok : CliExit::Usage;
    }
    const QString output = args[at + 1];
    QStringList rest = args;
    rest.remove(at, 2);
    Card surface;
    ObjectManager manager(surface);
    LayoutRecord layout;
    QString linked;
    int32_t zoom = 100;
    const int32_t result = readDesignFile(manager, rest[0], layout, linked, zoom);
    if (result != DesignFileResult::Success)
        return refuse(result);
    if (!writeDesignFile(manager, output, layout, linked, zoom, manager.currentSide, manager.currentPanel)) {
        cliError(designFileResultText(DesignFileResult::SaveError));
        return CliExit::CannotWrite;
    }
    return CliExit::Ok;
}

int runLayouts(const QStringList& args)
{
    if (cliWantsHelp(args) || args.size() != 1) {
        cliPrintUsage(commandNamed("layouts"));
        return cliWantsHelp(args) ? CliExit::Ok : CliExit::Usage;
    }
    if (!QFileInfo(args[0]).isReadable()) {
        cliError(QStringLiteral("Cannot open layout file: ") + args[0]);
        return CliExit::Refused;
    }
    JsonArray list;
    for (const LayoutRecord& record : readLayoutFile(args[0]))
        list.raw(JsonObject()
                     .add("name", record.displayName())
                     .add("shown_name", layoutShownName(record))
                     .add("note", layoutNote(record))
                     .add("selectable", layoutSelectable(record))
                     .raw("record", layoutRecordJson(record))
                     .toJson());
    cliWriteStdout(list.toJson() + '\n');
    return CliExit::Ok;
}

} // namespace
