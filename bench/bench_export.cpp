// Export of a busy card at zoom 400 to each picture format, and the colour
// reduction a true-colour picture file goes through when it is loaded.

#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>

#include "export/PictureExport.h"
#include "imaging/Dib.h"

namespace {

// 350 x 200 design units at zoom 400.
const QSize kCardSize(1400, 800);

QImage photo(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 255) / width, (y * 255) / height, ((x ^ y) * 7) % 256));
    return image;
}

void paintCard(QPainter& painter)
{
    static const QImage picture = photo(300, 200);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(48);
    painter.setFont(font);
    for (int i = 0; i < 30; ++i) {
        const int x = (i % 6) * 220 + 20, y = (i / 6) * 150 + 20;
        painter.setPen(QPen(Qt::black, 4));
        painter.setBrush(QColor::fromHsv((i * 37) % 360, 200, 230));
        switch (i % 5) {
        case 0: painter.drawRect(x, y, 180, 110); break;
        case 1: painter.drawRoundedRect(QRectF(x, y, 180, 110), 19, 19); break;
        case 2: painter.drawEllipse(QRect(x, y, 180, 110)); break;
        case 3: painter.drawImage(QRect(x, y, 180, 110), picture); break;
        default:
            painter.save();
            painter.translate(x, y + 60);
            painter.rotate(-15);
            painter.drawText(QPointF(0, 0), QStringLiteral("Label %1").arg(i));
            painter.restore();
        }
    }
}

void exportCard(benchmark::State& state, ExportFormat format)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("card");
    for (auto _ : state) {
        if (!exportPicture(path, format, kCardSize, paintCard, {75, false})) {
            state.SkipWithError("export failed");
            break;
        }
    }
    state.counters["bytes"] = double(QFileInfo(path).size());
}

void BM_ExportEmf(benchmark::State& state) { exportCard(state, ExportFormat::Emf); }
void BM_ExportBmp(benchmark::State& state) { exportCard(state, ExportFormat::Bmp); }
void BM_ExportJpeg(benchmark::State& state) { exportCard(state, ExportFormat::Jpeg); }
void BM_ExportPng(benchmark::State& state) { exportCard(state, ExportFormat::Png); }

void BM_ReduceColors1000x1000(benchmark::State& state)
{
    const QImage image = photo(1000, 1000);
    for (auto _ : state)
        benchmark::DoNotOptimize(reduceColors(image, 256));
}

} // namespace

BENCHMARK(BM_ExportEmf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportBmp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportJpeg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportPng)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReduceColors1000x1000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
