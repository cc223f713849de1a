// Times printing merged address labels to PDF, the way `stickwell-cli print`
// does it, and reports the peak memory of the process.
//
//   bench_print DESIGN.lpd DATA.csv LABELS OUT.pdf
//
// Make the design and its data with `make_address_example FOLDER 10000`.
// bench_print_floor draws the same strings at the same places with nothing
// but QPdfWriter; compare the two.

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>

#include <cstdio>
#include <sys/resource.h>

#include "print/DesignPrinting.h"
#include "print/PrintData.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: bench_print DESIGN.lpd DATA.csv LABELS OUT.pdf\n");
        return 2;
    }
    const int labels = std::atoi(argv[3]);
    QElapsedTimer timer;
    timer.start();

    DesignForPrinting design;
    if (design.load(QString::fromLocal8Bit(argv[1])) != 1) {
        std::fprintf(stderr, "cannot read the design\n");
        return 1;
    }
    PrintData data;
    if (!data.open(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "cannot open the data\n");
        return 1;
    }
    const double openSeconds = timer.nsecsElapsed() / 1e9;
    PrintSettings settings;
    settings.quantity = labels;
    PrintJobResult result;
    {
        QPdfWriter writer(QString::fromLocal8Bit(argv[4]));
        writer.setResolution(600);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
        PrintDesign job = design.printDesign();
        result = runPrintJob(job, writer, settings, data.drawing());
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    // CPU time too: wall time on a shared machine varies from run to run.
    const double cpu = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
                       (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    std::printf("stickwell: %d labels, %d pages, %.3f s, cpu %.3f s (design and data %.3f s), peak %ld KiB%s\n", labels,
                result.pages, seconds, cpu, openSeconds, usage.ru_maxrss, result.printed ? "" : " (FAILED)");
    return result.printed ? 0 : 1;
}
