// data: the fields, record count and records of a merge source, read through
// the same reader the print job uses.

#include "app/cli/CliCommand.h"

#include <limits>

#include "app/cli/CliData.h"
#include "app/cli/CliTexts.h"
#include "base/JsonWriter.h"
#include "merge/DataReader.h"

namespace {

int runData(const QStringList& args);

const CliCommandRegistration dataCommand(
    {"data", "data SOURCE [--first N] [--count C]",
     "Print the fields, record count and records (from N, at most C) of a merge source as JSON.", runData});

const QString kFirst = QStringLiteral("first");
const QString kCount = QStringLiteral("count");
constexpr int kMaxInt = std::numeric_limits<int32_t>::max();

int runData(const QStringList& args)
{
    CliParser parser(QStringLiteral("data"));
    parser.addOption({kFirst}, QStringLiteral("The first record to print, from 0 (default 0)."), QStringLiteral("N"));
    parser.addOption({kCount}, QStringLiteral("Print at most C records (default: all)."), QStringLiteral("C"));
    parser.addPositional(QStringLiteral("SOURCE"),
                         QStringLiteral("A text file (.csv, .txt, ...), a data link (.dlf) or a personal database "
                                        "(.dat)."));
    if (const auto exit = parser.parse(args))
        return *exit;
    const auto first = parser.intValue(kFirst, 0, kMaxInt, 0, CliTexts::FirstRange);
    if (!first)
        return CliExit::Usage;
    const auto count = parser.intValue(kCount, 0, kMaxInt, -1, CliTexts::CountRange);
    if (!count)
        return CliExit::Usage;
    const std::optional<QString> given = parser.onePositional(QStringLiteral("data source"));
    if (!given)
        return CliExit::Usage;
    const QString& source = *given;

    // The reader's own messages reach stderr through the CLI's message sink.
    DataReader reader;
    QStringList fields;
    if (reader.open(source, &fields) < 0) {
        cliError(CliTexts::cannotOpenDataSource(source));
        cliExplainDataSource(source);
        return CliExit::Refused;
    }
    const int32_t total = reader.recordCount();
    const int32_t last = *count < 0 ? total : int32_t(std::min<int64_t>(total, int64_t(*first) + *count));
    JsonArray records;
    for (int32_t r = *first; r < last; ++r) {
        if (reader.gotoRecord(r) < 0)
            break;
        QStringList values;
        for (const QString& field : fields)
            values << reader.fieldValue(field);
        records.raw(Json::stringArray(values));
    }
    return cliWriteStdout(JsonObject()
                              .raw("fields", Json::stringArray(fields))
                              .add("record_count", total)
                              .raw("records", records.toJson())
                              .toJson() +
                          '\n');
}

} // namespace
