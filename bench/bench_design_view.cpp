// The design window's card widget: repainting a card of 100 mixed objects at
// zoom 100 and 400 (after an object changed, and when only the selection
// did), and opening the address example to its first paint.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "examples/ExampleDesigns.h"
#include "files/DesignFile.h"
#include "model/DesignEditor.h"
#include "model/LayoutRecord.h"
#include "model/DesignObject.h"
#include "render/ArcText.h"
#include "render/BarCode.h"
#include "ui/designwindow/CardView.h"
#include "ui/designwindow/DesignSurface.h"
#include "ui/designwindow/DesignView.h"

namespace {

QImage samplePicture()
{
    QImage image(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 4, y * 5, 128));
    return image;
}

// 100 objects of every kind over a 600 × 400 card, shown at a zoom.
struct HundredObjects {
    explicit HundredObjects(int zoom)
    {
        editor.card().setRegionSize(600, 400);
        DesignBuilder b(editor.manager());
        const QImage picture = samplePicture();
        for (int i = 0; i < 100; ++i) {
            const int x = 10 + (i % 10) * 58, y = 10 + (i / 10) * 38;
            switch (i % 6) {
            case 0: b.text({x, y, 55, 35}, QStringLiteral("Text %1 wraps over lines").arg(i), 0); break;
            case 1: b.shape(ObjectKind::Box, {x, y, 55, 35}, i % 3); break;
            case 2: b.shape(ObjectKind::Ellipse, {x, y, 55, 35}, i % 3); break;
            case 3: b.barCode({x, y, 55, 35}, "400638133393", BarCodeType::Ean13); break;
            case 4: b.arcText({x, y, 55, 35}, "Arc text", ArcSubStyle::HalfCircle, -12); break;
            case 5: b.picture({x, y, 55, 35}, picture); break;
            }
        }
        Options options;
        options.showGrid = true;
        surface.applyOptions(options);
        surface.setZoom(zoom, false);
        image = QImage(view.size(), QImage::Format_RGB32);
    }
    void render()
    {
        image.fill(Qt::white);
        view.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }

    DesignEditor editor;
    DesignSurface surface{editor};
    CardView view{surface};
    QImage image;
};

// An object moved: the card is drawn again.
void BM_RepaintAfterChange(benchmark::State& state)
{
    HundredObjects card(int(state.range(0)));
    DesignObject* first = card.editor.card().object(0);
    card.surface.selectOnly(first);
    int direction = 1;
    for (auto _ : state) {
        card.surface.keyPress(direction > 0 ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
        direction = -direction;
        card.render();
    }
    state.counters["objects"] = double(card.editor.card().objectCount());
    state.counters["pixels"] = double(card.image.width()) * card.image.height();
}
BENCHMARK(BM_RepaintAfterChange)->Arg(100)->Arg(400)->Unit(benchmark::kMillisecond);

// Only the selection changed: the card's drawing is reused.
void BM_RepaintSelectionOnly(benchmark::State& state)
{
    HundredObjects card(int(state.range(0)));
    int index = 0;
    for (auto _ : state) {
        card.surface.selectOnly(card.editor.card().object(index));
        index = (index + 1) % card.editor.card().objectCount();
        card.render();
    }
}
BENCHMARK(BM_RepaintSelectionOnly)->Arg(100)->Arg(400)->Unit(benchmark::kMillisecond);

// A drag in progress: the outline moves over a drawn card.
void BM_DragOutline(benchmark::State& state)
{
    HundredObjects card(int(state.range(0)));
    // The first object's middle, in card pixels at the zoom.
    const QPoint middle = card.editor.card().object(0)->rect().center() * card.editor.zoom / 100;
    card.surface.mousePress(middle, Qt::LeftButton, Qt::NoModifier);
    int step = 0;
    for (auto _ : state) {
        card.surface.mouseMove(QPoint(40 + step % 200, 30 + step % 100), Qt::LeftButton);
        ++step;
        card.render();
    }
}
BENCHMARK(BM_DragOutline)->Arg(100)->Arg(400)->Unit(benchmark::kMillisecond);

void BM_OpenAddressExampleToFirstPaint(benchmark::State& state)
{
    const QString path = QStringLiteral(STICKWELL_DATA_SOURCE "/examples/address-label.lpd");
    for (auto _ : state) {
        DesignEditor editor;
        LayoutRecord layout;
        QString linked;
        int32_t zoom = 100;
        if (readDesignFile(editor.manager(), path, layout, linked, zoom) != DesignFileResult::Success) {
            state.SkipWithError("cannot read the address example");
            break;
        }
        DesignSurface surface(editor);
        surface.setZoom(zoom, false);
        DesignView view(surface);
        view.resize(800, 600);
        QImage image(view.size(), QImage::Format_RGB32);
        view.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_OpenAddressExampleToFirstPaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
