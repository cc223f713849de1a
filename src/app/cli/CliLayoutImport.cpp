#include "app/cli/CliLayoutImport.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include "app/cli/CliCommand.h"
#include "app/cli/CliTexts.h"
#include "files/StockImport.h"

namespace {

constexpr long double kMillimetresPerInch = 25.4L;

QString importSummary(const StockImportReport& report, const QString& folder)
{
    QString text = CliTexts::importedLayouts(report.imported, int(report.layoutFiles.size()), folder,
                                             report.filesRead);
    if (!report.keptFiles.isEmpty())
        text += CliTexts::keptLayoutFiles(int(report.keptFiles.size()));
    if (const int skipped = report.skippedCount(); skipped > 0) {
        text += CliTexts::skippedTemplates(skipped);
        for (size_t reason = 0; reason < report.skipped.size(); ++reason)
            if (report.skipped[reason] > 0)
                text += CliTexts::skipLine(report.skipped[reason], stockSkipText(StockSkip(reason)));
    }
    if (report.rounded > 0)
        text += CliTexts::roundedLayouts(report.rounded, double(report.largestRoundingMillimetres),
                                         double(report.largestRoundingMillimetres / kMillimetresPerInch));
    return text;
}

void printProblems(const QStringList& problems)
{
    for (const QString& problem : problems)
        cliError(CliTexts::warning(problem));
}

} // namespace

int runLayoutImport(const CliParser& parser, const QString& source, const QString& folder)
{
    if (source.isEmpty() || folder.isEmpty())
        return parser.usageError(CliTexts::ImportNeedsSourceAndFolder);
    if (!parser.positional().isEmpty())
        return parser.usageError(CliTexts::unexpectedArgument(parser.positional().first()));
    if (!QFileInfo::exists(source)) {
        cliError(CliTexts::cannotRead(source, QString::fromLocal8Bit(std::strerror(ENOENT))));
        return CliExit::Refused;
    }
    if (QFileInfo::exists(folder) && !QFileInfo(folder).isDir()) {
        cliError(CliTexts::cannotWriteFolder(folder, QString::fromLocal8Bit(std::strerror(ENOTDIR))));
        return CliExit::CannotWrite;
    }
    StockImportReport report;
    StockCatalog catalog;
    const bool read = readStockSource(source, catalog, report);
    printProblems(report.fileProblems);
    if (!read || catalog.templates.empty()) {
        cliError(CliTexts::noStockTemplates(source));
        return CliExit::Refused;
    }
    const std::vector<StockBrandFile> files = stockLayoutFiles(catalog, report);
    writeStockLayoutFiles(files, folder, true, report);
    if (cliVerbose())
        for (const QString& skipped : report.skippedTemplates)
            cliError(CliTexts::skippedTemplate(skipped));
    printProblems(report.writeProblems);
    const int written = cliWriteStdout(importSummary(report, folder).toLocal8Bit());
    if (!report.writeProblems.isEmpty())
        return CliExit::CannotWrite;
    return written;
}
