// Printing the picture example (two pictures and a background on every label)
// to PDF at 30, 300 and 3,000 labels: the time and the file's size, beside
// the same job without the pictures. A picture drawn on every label should
// be stored in the file once, so the size hardly grows with the labels.
//
//   bench_picture_print --benchmark_counters_tabular=true

#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "examples/ExampleDesigns.h"
#include "print/DesignPrinting.h"
#include "print/PrintData.h"

namespace {

ExampleDesign pictureExample() { return exampleNamed(QStringLiteral("picture-and-codes.lpd")); }

void printLabels(benchmark::State& state, const ExampleDesign& example)
{
    const int labels = int(state.range(0));
    QTemporaryDir dir;
    const QString designPath = dir.filePath(example.fileName);
    if (!writeExample(example, designPath)) {
        state.SkipWithError("cannot write the design");
        return;
    }
    DesignForPrinting design;
    if (design.load(designPath) != 1) {
        state.SkipWithError("cannot read the design");
        return;
    }
    PrintData data;
    PrintSettings settings;
    settings.quantity = labels;
    const QString pdf = dir.filePath("labels.pdf");
    for (auto _ : state) {
        QPdfWriter writer(pdf);
        writer.setResolution(600);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
        PrintDesign job = design.printDesign();
        const PrintJobResult result = runPrintJob(job, writer, settings, data.drawing());
        if (!result.printed)
            state.SkipWithError("the job failed");
    }
    state.counters["bytes"] = double(QFileInfo(pdf).size());
    state.counters["bytes_per_label"] = double(QFileInfo(pdf).size()) / labels;
}

void BM_PrintPictureExample(benchmark::State& state) { printLabels(state, pictureExample()); }
void BM_PrintWithoutPictures(benchmark::State& state) { printLabels(state, withoutPictures(pictureExample())); }

} // namespace

BENCHMARK(BM_PrintPictureExample)->Arg(30)->Arg(300)->Arg(3000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintWithoutPictures)->Arg(30)->Arg(300)->Arg(3000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
