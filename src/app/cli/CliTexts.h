#pragma once
// The command-line front end's own texts, in one table. The core's texts
// (design file results, the print job's messages, the merge reader's errors)
// come from the core's own tables.

#include <QString>
#include <cstdint>

namespace CliTexts {

// Usage errors: stderr, after "COMMAND: ", before the usage.
inline QString unknownOption(const QString& option) { return QStringLiteral("unknown option ") + option; }
inline QString needsValue(const QString& option) { return option + QStringLiteral(" needs a value"); }
inline QString givenTwice(const QString& option) { return option + QStringLiteral(" given more than once"); }
inline QString noneGiven(const QString& what) { return QStringLiteral("no %1 given").arg(what); }
inline QString unexpectedArgument(const QString& argument)
{
    return QStringLiteral("unexpected argument: ") + argument;
}
inline QString outputIsDesign(const QString& output)
{
    return QStringLiteral("the output %1 is the design file itself").arg(output);
}
inline QString outputIsDataSource(const QString& output, const QString& source)
{
    return QStringLiteral("the output %1 is the data source %2").arg(output, source);
}
// "cannot write .gif files: name the output .png or .bmp"
inline QString wrongExtension(const QString& output, const QString& suffix, const QString& extensionList)
{
    return (suffix.isEmpty() ? QStringLiteral("%1 has no extension").arg(output)
                             : QStringLiteral("cannot write .%1 files").arg(suffix)) +
           QStringLiteral(": name the output ") + extensionList;
}
inline const QString OrGiveFormat = QStringLiteral(", or give --format");
inline QString deviceNeedsFormat(const QString& output, const QString& formats)
{
    return QStringLiteral("%1 has no picture extension: give --format (%2)").arg(output, formats);
}
inline QString formatTakes(const QString& formats) { return QStringLiteral("--format takes one of ") + formats; }
inline const QString OutputNeeded = QStringLiteral("-o OUT is needed");
inline QString outputIsDescription(const QString& output)
{
    return QStringLiteral("the output %1 is the description itself").arg(output);
}
inline const QString DesignAndOutputNeeded = QStringLiteral("a design and -o OUT are needed");
inline const QString RegionRange = QStringLiteral("--region takes a region index from 0");
inline const QString ZoomRange = QStringLiteral("--zoom takes a percentage from 1 to 1000");
inline const QString QualityRange = QStringLiteral("--quality takes a number from 1 to 100");
inline const QString FirstRange = QStringLiteral("--first takes a record number from 0");
inline const QString CountRange = QStringLiteral("--count takes a number from 0");
inline const QString MoreThanOneDesign = QStringLiteral("more than one design given");
inline const QString NoDesign = QStringLiteral("no design given");
inline const QString QuantityOrPages = QStringLiteral("give either --quantity or --pages, once");
inline const QString OutputOrPrinter = QStringLiteral("give either -o OUT.pdf or --printer NAME");
inline const QString SideValues = QStringLiteral("--side takes 1, 2 or both");
inline QString offsetValues(int limit)
{
    return QStringLiteral("--offset takes X,Y in tenths of a millimetre, each from -%1 to %1").arg(limit);
}
inline QString scaleRange(int low, int high)
{
    return QStringLiteral("--scale takes a scale in per mille from %1 to %2").arg(low).arg(high);
}
inline const QString InterleaveNeedsBothSides = QStringLiteral("--interleave needs --side both");
inline QString eitherOr(const QString& on, const QString& off)
{
    return QStringLiteral("give either --%1 or --%2").arg(on, off);
}
inline QString usage(const QString& program, const QString& synopsis)
{
    return QStringLiteral("Usage: ") + program + QLatin1Char(' ') + synopsis;
}
inline QString tryHelp(const QString& program, const QString& command)
{
    return QStringLiteral("Try '%1 %2 --help' for more.").arg(program, command);
}

// Inputs and outputs.
inline QString cannotRead(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot read %1: %2").arg(path, reason);
}
inline QString emptyIsNoDesign(const QString& path)
{
    return QStringLiteral("%1 is empty: it is not a design file.").arg(path);
}
inline QString notADesign(const QString& path) { return QStringLiteral("%1 is not a design file.").arg(path); }
inline QString designRefused(int32_t code, const QString& text)
{
    return QStringLiteral("error %1: %2").arg(code).arg(text);
}
inline QString noSuchRegion(int region) { return QStringLiteral("render: the design has no region %1").arg(region); }
inline QString descriptionTooLarge(const QString& path, qint64 limit)
{
    return QStringLiteral("%1 is too large for a design description (at most %2 bytes)").arg(path).arg(limit);
}
inline QString badDescription(const QString& path, const QString& problem)
{
    return QStringLiteral("build: %1: %2").arg(path, problem);
}
inline QString cannotOpenLayoutFile(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot open layout file: %1: %2").arg(path, reason);
}
inline QString layoutFileTooLarge(qint64 size, qint64 limit)
{
    return QStringLiteral("%1 bytes is too large for a layout file (at most %2)").arg(size).arg(limit);
}
inline const QString ImportNeedsSourceAndFolder = QStringLiteral("--import DIR_OR_FILE and -o FOLDER are needed");
inline QString noStockTemplates(const QString& source)
{
    return QStringLiteral("No stock templates could be read from %1.").arg(source);
}
inline QString cannotWriteFolder(const QString& folder, const QString& reason)
{
    return QStringLiteral("Cannot write into %1: %2").arg(folder, reason);
}
inline QString warning(const QString& text) { return QStringLiteral("warning: ") + text; }
inline QString skippedTemplate(const QString& text) { return QStringLiteral("skipped: ") + text; }
// The import's report, on stdout.
inline QString importedLayouts(int layouts, int files, const QString& folder, int sourceFiles)
{
    return QStringLiteral("Imported %1 layouts from %2 stock definition files into %3 layout files in %4.\n")
        .arg(layouts)
        .arg(sourceFiles)
        .arg(files)
        .arg(folder);
}
inline QString keptLayoutFiles(int files)
{
    return QStringLiteral("Kept %1 layout files that were there already.\n").arg(files);
}
inline QString skippedTemplates(int count) { return QStringLiteral("Skipped %1 templates:\n").arg(count); }
inline QString skipLine(int count, const QString& reason)
{
    return QStringLiteral("  %1 %2\n").arg(count, 6).arg(reason);
}
inline QString roundedLayouts(int count, double millimetres, double inches)
{
    return QStringLiteral("Rounded %1 layouts to hundredths; no edge moved by more than %2 mm (%3 in).\n")
        .arg(count)
        .arg(millimetres, 0, 'f', 4)
        .arg(inches, 0, 'f', 5);
}
inline const QString DesignIsNoLayoutFile = QStringLiteral("this is a design file, not a layout file");
inline QString cannotOpenDataSource(const QString& source)
{
    return QStringLiteral("Cannot open the data source: ") + source;
}
inline const QString DataSourceNeedsExtension =
    QStringLiteral("A data source needs an extension that names its kind: .csv or .txt for a text file, .dlf for "
                   "a data link, .dat for a personal database.");
inline QString cannotWriteStdout(const QString& reason)
{
    return QStringLiteral("Cannot write to standard output: ") + reason;
}
inline QString qtMessage(const QString& text) { return QStringLiteral("Qt: ") + text; }

// The program's overview.
inline QString overviewHead(const QString& program)
{
    return QStringLiteral("Usage: %1 COMMAND [options]\n\nCommands:\n").arg(program);
}
inline QString overviewFoot(const QString& program)
{
    return QStringLiteral("Every command takes --help; %1 --version shows the version.\n").arg(program);
}
inline QString unknownCommand(const QString& program, const QString& name)
{
    return QStringLiteral("%1: unknown command '%2'").arg(program, name);
}
inline QString tryOverview(const QString& program)
{
    return QStringLiteral("Try '%1 --help' for the list of commands.").arg(program);
}

// Options every command takes.
inline const QString HelpOption = QStringLiteral("Show this help.");
inline const QString VersionOption = QStringLiteral("Show the program's version.");
inline const QString VerboseOption = QStringLiteral("Also show the Qt library's own warnings on stderr.");

} // namespace CliTexts
