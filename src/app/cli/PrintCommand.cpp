// print: the print job without dialogs, onto a PDF file or a printer.

#include "app/cli/CliCommand.h"

#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cstdio>
#include <memory>
#include <optional>
#include <tuple>
#include <unistd.h>

#include "app/cli/CliData.h"
#include "app/cli/CliFiles.h"
#include "app/cli/CliTexts.h"
#include "base/AppInfo.h"
#include "base/AtomicFile.h"
#include "files/DesignFile.h"
#include "model/Options.h"
#include "print/DesignPrinting.h"
#include "print/PrintData.h"
#include "print/PrintTexts.h"
#include "print/PrinterCalibration.h"
#include "system/SettingsStore.h"

namespace {

int runPrint(const QStringList& args);

const CliCommandRegistration printCommand(
    {"print",
     "print DESIGN (-o OUT.pdf | --printer NAME) [--data SOURCE] [--start-cell S] [--quantity Q | --pages P] "
     "[--start-record D] [--cycle] [--side 1|2|both] [--flip] [--interleave] [--crop-marks | --no-crop-marks] "
     "[--corner-marks | --no-corner-marks] [--header] [--footer] [--offset X,Y] [--scale S]",
     "Print a design onto sheets: one element per cell, as many as asked, from any cell of the first sheet. "
     "--quantity counts elements and --pages whole sheets (default: one sheet). --data replaces the design's "
     "linked data source; a relative linked path is taken from the design file's folder. --side both puts the "
     "second pass after the first (--interleave: each back right after its front, for duplex printers). Crop "
     "marks, corner marks, orientation and the paper of a layout without one follow the stored options. "
     "--offset moves every page by X,Y tenths of a millimetre (right and down) and --scale scales it in per mille "
     "about the paper's corner; a printer's stored calibration is used unless they are given. The previous "
     "OUT.pdf stays as it was when the pages cannot be written.",
     runPrint});

namespace Option {
const QString Output = QStringLiteral("o");
const QString Printer = QStringLiteral("printer");
const QString Data = QStringLiteral("data");
const QString StartCell = QStringLiteral("start-cell");
const QString Quantity = QStringLiteral("quantity");
const QString Pages = QStringLiteral("pages");
const QString StartRecord = QStringLiteral("start-record");
const QString Side = QStringLiteral("side");
const QString CropMarks = QStringLiteral("crop-marks");
const QString NoCropMarks = QStringLiteral("no-crop-marks");
const QString CornerMarks = QStringLiteral("corner-marks");
const QString NoCornerMarks = QStringLiteral("no-corner-marks");
const QString Offset = QStringLiteral("offset");
const QString Scale = QStringLiteral("scale");
}

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

void defineOptions(CliParser& parser)
{
    const auto value = [&parser](const QStringList& names, const QString& valueName, const QString& description) {
        parser.addOption(names, description, valueName);
    };
    const auto flag = [&parser](const QString& name, const QString& description) {
        parser.addOption({name}, description);
    };
    value({Option::Output, QStringLiteral("output")}, QStringLiteral("OUT.pdf"),
          QStringLiteral("The PDF file to write."));
    value({Option::Printer}, QStringLiteral("NAME"), QStringLiteral("Print on this CUPS printer instead."));
    value({Option::Data}, QStringLiteral("SOURCE"),
          QStringLiteral("The merge data, instead of the design's linked source."));
    value({Option::StartCell}, QStringLiteral("S"),
          QStringLiteral("The first cell to print on the first sheet (default 1)."));
    value({Option::Quantity}, QStringLiteral("Q"), QStringLiteral("How many elements to print."));
    value({Option::Pages}, QStringLiteral("P"), QStringLiteral("How many whole sheets to print."));
    value({Option::StartRecord}, QStringLiteral("D"), QStringLiteral("The first record of the data, from 0."));
    value({Option::Side}, QStringLiteral("1|2|both"), QStringLiteral("The side(s) to print (default 1)."));
    flag(QStringLiteral("cycle"), QStringLiteral("Start the data again from its first record when it runs out."));
    flag(QStringLiteral("flip"), QStringLiteral("Flat cards: the paper turns over its side, not its top."));
    flag(QStringLiteral("interleave"), QStringLiteral("With --side both: each back right after its front."));
    flag(Option::CropMarks, QStringLiteral("Print crop marks."));
    flag(Option::NoCropMarks, QStringLiteral("No crop marks, whatever the stored options say."));
    flag(Option::CornerMarks, QStringLiteral("Print corner marks."));
    flag(Option::NoCornerMarks, QStringLiteral("No corner marks, whatever the stored options say."));
    flag(QStringLiteral("header"), QStringLiteral("Print the design's file name at the top of each page."));
    flag(QStringLiteral("footer"), QStringLiteral("Print the design's file name at the foot of each page."));
    value({Option::Offset}, QStringLiteral("X,Y"),
          QStringLiteral("Move every page by X,Y tenths of a millimetre, right and down (-500 to 500)."));
    value({Option::Scale}, QStringLiteral("S"),
          QStringLiteral("Scale every page about the paper's corner, in per mille (800 to 1200)."));
    parser.addPositional(QStringLiteral("DESIGN"), QStringLiteral("The design (.lpd) or template (.cct) file."));
}

// A printer's stored calibration, with --offset and --scale over it; the
// message when either is malformed.
QString readCalibration(const CliParser& parser, const QString& printer, PrinterCalibration& calibration)
{
    if (!printer.isEmpty())
        calibration = storedCalibration(SettingsStore::instance(), printer).value_or(PrinterCalibration());
    if (parser.isSet(Option::Offset)) {
        const auto offset = parseCalibrationOffset(parser.value(Option::Offset));
        if (!offset)
            return CliTexts::offsetValues(PrinterCalibration::kMaxOffset);
        std::tie(calibration.offsetX, calibration.offsetY) = *offset;
    }
    if (parser.isSet(Option::Scale)) {
        bool ok = false;
        const int scale = parser.value(Option::Scale).trimmed().toInt(&ok);
        if (!ok || scale < PrinterCalibration::kMinScale || scale > PrinterCalibration::kMaxScale)
            return CliTexts::scaleRange(PrinterCalibration::kMinScale, PrinterCalibration::kMaxScale);
        calibration.scale = scale;
    }
    return {};
}

// Returns an empty string when the arguments make sense, else what is wrong.
QString readArguments(const CliParser& parser, PrintArguments& out)
{
    const QStringList positional = parser.positional();
    if (positional.size() > 1)
        return CliTexts::MoreThanOneDesign;
    if (parser.isSet(Option::Quantity) && parser.isSet(Option::Pages))
        return CliTexts::QuantityOrPages;
    if (positional.isEmpty())
        return CliTexts::NoDesign;
    out.design = positional[0];
    out.output = parser.value(Option::Output);
    out.printer = parser.value(Option::Printer);
    out.data = parser.value(Option::Data);
    if (out.output.isEmpty() == out.printer.isEmpty())
        return CliTexts::OutputOrPrinter;
    if (!out.output.isEmpty()) {
        const QString problem = cliExtensionProblem(out.output, {QStringLiteral("pdf")});
        if (!problem.isEmpty())
            return problem;
    }
    const auto optionalValue = [&parser](const QString& name) -> std::optional<QString> {
        return parser.isSet(name) ? std::optional(parser.value(name)) : std::nullopt;
    };
    out.startCell = optionalValue(Option::StartCell);
    out.quantityInPages = parser.isSet(Option::Pages);
    out.quantity = optionalValue(out.quantityInPages ? Option::Pages : Option::Quantity);
    out.startRecord = optionalValue(Option::StartRecord);
    if (parser.isSet(Option::Side))
        out.side = parser.value(Option::Side);
    if (out.side != "1" && out.side != "2" && out.side != "both")
        return CliTexts::SideValues;

    PrintSettings& s = out.settings;
    const Options& options = Options::current();
    for (const auto& [on, off, stored, target] :
         {std::tuple{Option::CropMarks, Option::NoCropMarks, options.cropMarks, &s.cropMarks},
          std::tuple{Option::CornerMarks, Option::NoCornerMarks, options.cornerMarks, &s.cornerMarks}}) {
        if (parser.isSet(on) && parser.isSet(off))
            return CliTexts::eitherOr(on, off);
        *target = parser.isSet(on) || (stored && !parser.isSet(off));
    }
    s.setOrientation = options.setOrientation;
    s.cycle = parser.isSet(QStringLiteral("cycle"));
    s.flip = parser.isSet(QStringLiteral("flip"));
    s.interleave = parser.isSet(QStringLiteral("interleave"));
    s.header = parser.isSet(QStringLiteral("header"));
    s.footer = parser.isSet(QStringLiteral("footer"));
    s.side1 = out.side != "2";
    s.side2 = out.side != "1";
    if (s.interleave && out.side != "both")
        return CliTexts::InterleaveNeedsBothSides;
    return readCalibration(parser, out.printer, s.calibration);
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

// Where the pages go: a CUPS printer, or a PDF written through an AtomicFile
// that replaces the previous file only once every page was written.
struct PrintTarget {
    std::unique_ptr<AtomicFile> file;
    std::unique_ptr<QPagedPaintDevice> device;
};

std::optional<PrintTarget> openTarget(const PrintArguments& a)
{
    PrintTarget target;
    if (!a.printer.isEmpty()) {
        const QPrinterInfo info = QPrinterInfo::printerInfo(a.printer);
        if (info.isNull()) {
            cliError(PrintTexts::noSuchPrinter(a.printer));
            return std::nullopt;
        }
        auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        printer->setDocName(PrintTexts::DocumentTitle);
        target.device = std::move(printer);
        return target;
    }
    target.file = std::make_unique<AtomicFile>(a.output);
    if (!target.file->open()) {
        cliError(PrintTexts::cannotWriteFile(a.output));
        cliError(target.file->errorString());
        return std::nullopt;
    }
    auto writer = std::make_unique<QPdfWriter>(target.file.get());
    writer->setResolution(600);
    writer->setCreator(AppInfo::productTitle());
    // The page the layout does not decide ("<<None>>", or the option off).
    const QPageSize page(Options::current().metricUnits ? QPageSize::A4 : QPageSize::Letter);
    writer->setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF()));
    target.device = std::move(writer);
    return target;
}

int runPrint(const QStringList& args)
{
    CliParser parser(QStringLiteral("print"));
    defineOptions(parser);
    if (const auto exit = parser.parse(args))
        return *exit;
    PrintArguments a;
    if (const QString problem = readArguments(parser, a); !problem.isEmpty())
        return parser.usageError(problem);

    if (!cliCheckDesignReadable(a.design))
        return CliExit::Refused;
    if (cliWouldReplace(a.output, a.design))
        return parser.usageError(CliTexts::outputIsDesign(a.output));
    DesignForPrinting design;
    const int32_t loaded = design.load(a.design);
    if (loaded != DesignFileResult::Success)
        return cliRefuseDesign(a.design, loaded);
    const QString source = a.data.isEmpty() ? resolveLinkedPath(a.design, design.linkedPath) : a.data;
    if (cliWouldReplace(a.output, source))
        return parser.usageError(CliTexts::outputIsDataSource(a.output, source));
    PrintData data;
    if (!source.isEmpty() && !data.open(source)) {
        cliError(PrintTexts::cannotOpenData(source));
        cliExplainDataSource(source);
        return CliExit::Refused;
    }
    const QString invalid = applyDialogValues(a, design.layout, data.recordCount());
    if (!invalid.isEmpty()) {
        cliError(invalid);
        return CliExit::Usage;
    }

    std::optional<PrintTarget> target = openTarget(a);
    if (!target)
        return a.printer.isEmpty() ? CliExit::CannotWrite : CliExit::Refused;
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
    const PrintJobResult result = runPrintJob(job, *target->device, a.settings, data.drawing(), callbacks);
    target->device.reset();  // finishes the document or hands the job to the printer
    if (showProgress)
        std::fprintf(stderr, "\n");
    // A file is put in place only when every page was drawn and written.
    if (result.printed && (!target->file || target->file->commit()))
        return CliExit::Ok;
    // Otherwise the file is cancelled with the target: the previous one stays.
    if (target->file && (result.printed || result.error == PrintTexts::CannotPrint))
        cliError(PrintTexts::cannotWriteFile(a.output));
    else
        cliError(result.error);
    if (target->file && target->file->hasFailed())
        cliError(target->file->errorString());
    return CliExit::CannotWrite;
}

} // namespace
