// Importing stock definitions: reading the XML and converting the whole
// catalogue, as the first run of a new per-user folder does. Reads the
// library glabels-data installs; without it, a generated one of the same size.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "files/StockImport.h"

namespace {

// 1,800 templates of 60 brands, with every shape and "same as" parts.
QByteArray generatedLibrary()
{
    QByteArray xml = "<Glabels-templates>";
    for (int i = 0; i < 1200; ++i)
        xml += "<Template brand=\"Brand " + QByteArray::number(i % 60) + "\" part=\"P" + QByteArray::number(i) +
               "\" size=\"A4\" _description=\"Labels\"><Label-rectangle width=\"63.5mm\" height=\"38.1mm\">"
               "<Layout nx=\"3\" ny=\"7\" x0=\"21.2\" y0=\"43.9\" dx=\"187.2\" dy=\"108\"/></Label-rectangle></Template>";
    for (int i = 0; i < 600; ++i)
        xml += "<Template brand=\"Brand " + QByteArray::number(i % 60) + "\" part=\"Q" + QByteArray::number(i) +
               "\" equiv=\"P" + QByteArray::number(i) + "\"/>";
    return xml + "</Glabels-templates>";
}

void BM_ReadAndConvertCatalogue(benchmark::State& state)
{
    const QString installed = installedStockFolder();
    const QByteArray generated = installed.isEmpty() ? generatedLibrary() : QByteArray();
    state.SetLabel(installed.isEmpty() ? "generated library" : "installed library");
    for (auto _ : state) {
        StockCatalog catalog;
        StockImportReport report;
        if (installed.isEmpty())
            readStockXml(generated, catalog);
        else
            readStockSource(installed, catalog, report);
        benchmark::DoNotOptimize(stockLayoutFiles(catalog, report));
    }
}
BENCHMARK(BM_ReadAndConvertCatalogue)->Unit(benchmark::kMillisecond);

void BM_ImportIntoAFolder(benchmark::State& state)
{
    const QString installed = installedStockFolder();
    if (installed.isEmpty()) {
        state.SkipWithError("glabels-data is not installed");
        return;
    }
    for (auto _ : state) {
        QTemporaryDir folder;
        benchmark::DoNotOptimize(importStockDefinitions(installed, folder.path(), true));
    }
}
BENCHMARK(BM_ImportIntoAFolder)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
