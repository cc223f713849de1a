// build: a design file from its JSON description, the inverse of info --with-pictures.

#include "app/cli/CliCommand.h"

#include <QFile>

#include "app/cli/CliFiles.h"
#include "app/cli/CliTexts.h"
#include "base/AtomicFile.h"
#include "base/BoundedRead.h"
#include "files/DesignBuild.h"
#include "files/DesignFile.h"

namespace {

int runBuild(const QStringList& args);

const CliCommandRegistration buildCommand(
    {"build", "build DESCRIPTION.json -o DESIGN",
     "Build a design file from its JSON description, the shape info --with-pictures prints "
     "(DESCRIPTION.json may be - for standard input). A description with a missing key, a wrong type, a value out of range or an unknown "
     "object kind is refused with the JSON path of the value, and nothing is written.",
     runBuild});

const QString kOutput = QStringLiteral("o");
const QString kStandardInput = QStringLiteral("-");
// Pictures come as base64, a third larger than a design file may be.
constexpr qint64 kMaxDescriptionSize = 256ll * 1024 * 1024;

// The description's text; empty (with the reason on stderr) when it cannot be read.
bool openDescription(QFile& file, const QString& path)
{
    if (path == kStandardInput)
        return file.open(stdin, QIODevice::ReadOnly);
    if (const QString reason = cliUnreadableReason(path); !reason.isEmpty()) {
        cliError(CliTexts::cannotRead(path, reason));
        return false;
    }
    file.setFileName(path);
    if (file.open(QIODevice::ReadOnly))
        return true;
    cliError(CliTexts::cannotRead(path, file.errorString()));
    return false;
}

// The description's text; empty (with the reason on stderr) when it cannot be read.
std::optional<QByteArray> readDescription(const QString& path)
{
    QFile file;
    if (!openDescription(file, path))
        return std::nullopt;
    std::optional<QByteArray> bytes = readAtMost(file, kMaxDescriptionSize);
    if (!bytes)
        cliError(CliTexts::descriptionTooLarge(path, kMaxDescriptionSize));
    return bytes;
}

int runBuild(const QStringList& args)
{
    CliParser parser(QStringLiteral("build"));
    parser.addOption({kOutput, QStringLiteral("output")}, QStringLiteral("The design file to write."),
                     QStringLiteral("DESIGN"));
    parser.addPositional(QStringLiteral("DESCRIPTION.json"), QStringLiteral("The design's JSON description, or -."));
    if (const auto exit = parser.parse(args))
        return *exit;
    const std::optional<QString> description = parser.onePositional(QStringLiteral("description"));
    if (!description)
        return CliExit::Usage;
    const QString output = parser.value(kOutput);
    if (output.isEmpty())
        return parser.usageError(CliTexts::OutputNeeded);
    if (cliWouldReplace(output, *description))
        return parser.usageError(CliTexts::outputIsDescription(output));
    const std::optional<QByteArray> json = readDescription(*description);
    if (!json)
        return CliExit::Refused;
    const DesignBuildResult built = buildDesignFromJson(*json);
    if (!built.ok()) {
        cliError(CliTexts::badDescription(*description, built.error));
        return CliExit::Usage;
    }
    QString error;
    if (!writeFileAtomically(output, built.bytes, &error)) {
        cliError(error);
        cliError(designFileResultText(DesignFileResult::SaveError, false));
        return CliExit::CannotWrite;
    }
    return CliExit::Ok;
}

} // namespace
