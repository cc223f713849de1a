// print: the print job without dialogs, onto a PDF file or a printer.

#include "app/cli/CliCommand.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cstdio>
#include <memory>
#include <optional>
#include <unistd.h>

#include "files/DesignFile.h"
#include "model/Options.h"
#include "print/DesignPrinting.h"
#include "print/PrintData.h"
#include "print/PrintTexts.h"

namespace {

int runPrint(const QStringList& args);

const CliCommandRegistration printCommand(
    {"print",
     "print DESIGN (-o OUT.pdf | --printer NAME) [--data SOURCE] [--start-cell S] [--quantity Q | --pages P] "
     "[--start-record D] [--cycle] [--side 1|2|both] [--flip] [--interleave] [--crop-marks] [--corner-marks] "
     "[--header] [--footer]",
     "Print a design onto sheets: one element per cell, as many as asked, from any cell of the first sheet.\n"
     "--quantity counts elements and --pages whole sheets (default: one sheet). --data replaces the design's\n"
     "linked data source; a relative linked path is taken from the design file's folder. --side both puts the\n"
     "second pass after the first (--interleave: each back right after its front, for duplex printers).",
     runPrint});

struct PrintArguments {
    QString design;
    QString output;
    QString printer;
    QString data;
    std::optional<QString> startCell;
    std::optional<QString> quantity;
    bool quantityInPages = false;
    std::optional<QString> startRecord;
    QString side = QStringLiteral("1");
    PrintSettings settings;
};

int usage(const QString& problem = {})
{
    if (!problem.isEmpty())
        cliError(QStringLiteral("print: ") + problem);
    for (const CliCommand& c : cliCommands())
        if (c.name == QLatin1String("print"))
            cliPrintUsage(c);
    return CliExit::Usage;
}

// Returns an empty string when the arguments parse, else what is wrong.
QString parseArguments(const QStringList& args, PrintArguments& out)
{
    const Options& options = Options::current();
    out.settings.cropMarks = options.cropMarks;
    out.settings.cornerMarks = options.cornerMarks;
    out.settings.setOrientation = options.setOrientation;
    const auto flags = std::initializer_list<std::pair<const char*, bool*>>{
        {"--cycle", &out.settings.cycle},           {"--flip", &out.settings.flip},
        {"--crop-marks", &out.settings.cropMarks},  {"--corner-marks", &out.settings.cornerMarks},
        {"--header", &out.settings.header},         {"--footer", &out.settings.footer},
        {"--interleave", &out.settings.interleave},
    };
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        bool isFlag = false;
        for (const auto& [name, target] : flags)
            if (a == QLatin1String(name)) {
                *target = true;
                isFlag = true;
            }
        if (isFlag)
            continue;
        const auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= args.size())
                return std::nullopt;
            return args[++i];
        };
        std::optional<QString>* optionalTarget = nullptr;
        QString* target = nullptr;
        if (a == "-o")
            target = &out.output;
        else if (a == "--printer")
            target = &out.printer;
        else if (a == "--data")
            target = &out.data;
        else if (a == "--side")
            target = &out.side;
        else if (a == "--start-cell")
            optionalTarget = &out.startCell;
        else if (a == "--start-record")
            optionalTarget = &out.startRecord;
        else if (a == "--quantity" || a == "--pages") {
            if (out.quantity)
                return QStringLiteral("give either --quantity or --pages, once");
            out.quantityInPages = a == "--pages";
            optionalTarget = &out.quantity;
        } else if (a.startsWith('-'))
            return QStringLiteral("unknown option ") + a;
        else if (out.design.isEmpty()) {
            out.design = a;
            continue;
        } else
            return QStringLiteral("more than one design given");
        const std::optional<QString> v = value();
        if (!v)
            return a + QStringLiteral(" needs a value");
        if (target)
            *target = *v;
        else
            *optionalTarget = *v;
    }
    if (out.design.isEmpty())
        return QStringLiteral("no design given");
    if (out.output.isEmpty() == out.printer.isEmpty())
        return QStringLiteral("give either -o OUT.pdf or --printer NAME");
    if (out.side != "1" && out.side != "2" && out.side != "both")
        return QStringLiteral("--side takes 1, 2 or both");
    out.settings.side1 = out.side != "2";
    out.settings.side2 = out.side != "1";
    if (out.settings.interleave && out.side != "both")
        return QStringLiteral("--interleave needs --side both");
    return {};
}

// The dialog's checks on what was typed; the message, or empty.
QString applyDialogValues(PrintArguments& a, const LayoutRecord& layout, int32_t recordCount)
{
    const int32_t perSheet = layout.elementsPerSheet();
    PrintSettings& s = a.settings;
    s.startCell = 1;
    if (a.startCell) {
        if (s.side2 && a.startCell->trimmed() != "1")
            return PrintTexts::SecondSideStartsAtCellOne;
        const QString problem = checkStartPosition(*a.startCell, perSheet, &s.startCell);
        if (!problem.isEmpty())
            return problem;
    }
    s.quantity = perSheet;
    if (a.quantity) {
        int32_t q = 0;
        const QString problem = checkQuantity(*a.quantity, &q);
        if (!problem.isEmpty())
            return problem;
        s.quantity = quantityInElements(q, a.quantityInPages, perSheet);
    }
    s.startRecord = 0;
    if (a.startRecord) {
        bool ok = false;
        const int v = a.startRecord->trimmed().toInt(&ok);
        if (!ok || v < 0 || v > recordCount)
            return PrintTexts::startRecordRange(recordCount);
        s.startRecord = v;
    }
    return checkPrintSettings(s, layout);
}

bool onTerminal() { return isatty(fileno(stderr)) != 0; }

std::unique_ptr<QPagedPaintDevice> makeDevice(const PrintArguments& a, QString* problem)
{
    if (!a.printer.isEmpty()) {
        const QPrinterInfo info = QPrinterInfo::printerInfo(a.printer);
        if (info.isNull()) {
            *problem = PrintTexts::noSuchPrinter(a.printer);
            return nullptr;
        }
        auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        printer->setDocName(PrintTexts::DocumentTitle);
        return printer;
    }
    auto writer = std::make_unique<QPdfWriter>(a.output);
    writer->setResolution(600);
    writer->setCreator(QStringLiteral("Quillon Stickwell"));
    // The page the layout does not decide ("<<None>>", or the option off).
    const QPageSize page(Options::current().metricUnits ? QPageSize::A4 : QPageSize::Letter);
    writer->setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF()));
    return writer;
}

int runPrint(const QStringList& args)
{
    if (cliWantsHelp(args))
        return usage(), CliExit::Ok;
    PrintArguments a;
    const QString problem = parseArguments(args, a);
    if (!problem.isEmpty())
        return usage(problem);

    DesignForPrinting design;
    const int32_t loaded = design.load(a.design);
    if (loaded != DesignFileResult::Success) {
        cliError(QStringLiteral("error %1: %2").arg(loaded).arg(designFileResultText(loaded)));
        return CliExit::Refused;
    }
    const QString source = a.data.isEmpty() ? resolveLinkedPath(a.design, design.linkedPath) : a.data;
    PrintData data;
    if (!source.isEmpty() && !data.open(source)) {
        cliError(PrintTexts::cannotOpenData(source));
        return CliExit::Refused;
    }
    const QString invalid = applyDialogValues(a, design.layout, data.recordCount());
    if (!invalid.isEmpty()) {
        cliError(invalid);
        return CliExit::Usage;
    }

    QString deviceProblem;
    std::unique_ptr<QPagedPaintDevice> device = makeDevice(a, &deviceProblem);
    if (!device) {
        cliError(deviceProblem);
        return CliExit::Refused;
    }
    a.settings.documentPerPass = !a.printer.isEmpty() && !a.settings.interleave;

    PrintJobCallbacks callbacks;
    const bool showProgress = onTerminal();
    callbacks.progress = [showProgress](int done, int total) {
        if (showProgress)
            std::fprintf(stderr, "\rPrinting page %d of %d", done, total);
    };
    callbacks.beforeSecondPass = [](bool sideFlip) {
        cliError(QStringLiteral("\n") + PrintTexts::turnInstructions(sideFlip));
        if (isatty(fileno(stdin)))
            return std::getchar() != EOF;
        return true;
    };
    // The source was opened just now, so it already starts afresh.
    PrintDesign job = design.printDesign();
    const PrintJobResult result = runPrintJob(job, *device, a.settings, data.drawing(), callbacks);
    device.reset();  // finishes the file or hands the job to the printer
    if (showProgress)
        std::fprintf(stderr, "\n");
    if (!result.printed) {
        cliError(a.output.isEmpty() || result.error != PrintTexts::CannotPrint
                     ? result.error
                     : PrintTexts::cannotWriteFile(a.output));
        return CliExit::CannotWrite;
    }
    return CliExit::Ok;
}

} // namespace
