// data: the fields, record count and records of a merge source, read through
// the same reader the print job uses.

#include "app/cli/CliCommand.h"

#include "merge/DataReader.h"
#include "base/JsonWriter.h"

namespace {

int runData(const QStringList& args);

const CliCommandRegistration dataCommand(
    {"data", "data SOURCE [--first N] [--count C]",
     "Print the fields, record count and records (from N, at most C) of a merge source as JSON.", runData});

const CliCommand& self()
{
    for (const CliCommand& c : cliCommands())
        if (c.name == QLatin1String("data"))
            return c;
    return cliCommands().front();
}

int usage(const QStringList& args)
{
    cliPrintUsage(self());
    return cliWantsHelp(args) ? CliExit::Ok : CliExit::Usage;
}

// Reads "--name VALUE" as a non-negative integer; false on a bad value.
bool takeOption(QStringList& args, const QString& name, int32_t& value)
{
    const qsizetype at = args.indexOf(name);
    if (at < 0)
        return true;
    if (at + 1 >= args.size())
        return false;
    bool ok = false;
    value = args[at + 1].toInt(&ok);
    args.remove(at, 2);
    return ok && value >= 0;
}

int runData(const QStringList& arguments)
{
    QStringList args = arguments;
    if (cliWantsHelp(args))
        return usage(args);
    int32_t first = 0;
    int32_t count = -1;
    if (!takeOption(args, QStringLiteral("--first"), first) || !takeOption(args, QStringLiteral("--count"), count) ||
        args.size() != 1)
        return usage(args);

    // The reader's own messages reach stderr through the CLI's message sink.
    DataReader reader;
    QStringList fields;
    if (reader.open(args[0], &fields) < 0) {
        cliError(QStringLiteral("Cannot open the data source: ") + args[0]);
        return CliExit::Refused;
    }
    const int32_t total = reader.recordCount();
    const int32_t last = count < 0 ? total : int32_t(std::min<int64_t>(total, int64_t(first) + count));
    JsonArray records;
    for (int32_t r = first; r < last; ++r) {
        if (reader.gotoRecord(r) < 0)
            break;
        QStringList values;
        for (const QString& field : fields)
            values << reader.getFieldValue(field);
        records.raw(Json::stringArray(values));
    }
    cliWriteStdout(JsonObject()
                       .raw("fields", Json::stringArray(fields))
                       .add("record_count", total)
                       .raw("records", records.toJson())
                       .toJson() +
                   '\n');
    return CliExit::Ok;
}

} // namespace
