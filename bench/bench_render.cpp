// Rendering speed: one busy label (30 objects of every kind) painted at
// zoom 100, and a region exported as a picture at zoom 400.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "model/Card.h"
#include "model/ObjectManager.h"
#include "examples/ExampleDesigns.h"
#include "export/RegionExport.h"
#include "render/RegionRender.h"

namespace {

struct BusyCard {
    explicit BusyCard(int zoom) : zoom(zoom)
    {
        design = busyLabel();
        buildExample(manager, design);
        showRegionByIndex(manager, design.layout, 0);
    }
    int zoom;
    Card surface;
    ObjectManager manager{surface};
    ExampleDesign design;
};

void BM_PaintLabelAtZoom100(benchmark::State& state)
{
    BusyCard card(100);
    QImage image(cardPixelSize(card.surface, 100), QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        paintCardOn(painter, card.surface, CardPaintOptions{});
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["objects"] = double(card.surface.objectCount());
}
BENCHMARK(BM_PaintLabelAtZoom100)->Unit(benchmark::kMillisecond);

void BM_ExportRegionAtZoom400(benchmark::State& state, const char* extension)
{
    BusyCard card(400);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("region.") + extension);
    for (auto _ : state) {
        if (!exportCard(card.surface, path, ExportOptions{.zoom = card.zoom})) {
            state.SkipWithError("export failed");
            break;
        }
    }
    const QSize pixels = cardPixelSize(card.surface, card.zoom);
    state.counters["pixels"] = double(pixels.width()) * pixels.height();
}
BENCHMARK_CAPTURE(BM_ExportRegionAtZoom400, png, "png")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportRegionAtZoom400, bmp, "bmp")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportRegionAtZoom400, jpg, "jpg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportRegionAtZoom400, emf, "emf")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
