// The preview: composing one page of the merged address example (30 labels a
// sheet, each with its own record) at the size the window shows it, and
// switching pages in the preview window (page button, then the repaint).

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include "ui/printing/PreviewModel.h"
#include "ui/printing/PreviewWindow.h"
#include "ui/shell/DesignDocument.h"

namespace {

// The address example and its data, in a preview of 10,000 labels (334 sheets).
struct MergedPreview {
    DesignDocument document;
    QBuffer buffer;
    QPdfWriter writer{&buffer};
    std::unique_ptr<PreviewModel> model;

    MergedPreview()
    {
        if (!document.open(QStringLiteral(STICKWELL_DATA_SOURCE "/examples/address-label.lpd")))
            return;
        writer.setResolution(600);
        PrintSettings settings;
        settings.quantity = 10000;
        settings.cropMarks = true;
        settings.cycle = true;  // every page full of records, however few the data has
        model = std::make_unique<PreviewModel>(document, settings, 0, writer);
    }
};

MergedPreview& preview()
{
    static MergedPreview merged;
    return merged;
}

void BM_ComposePreviewPage(benchmark::State& state)
{
    PreviewModel& model = *preview().model;
    // A Letter page at 100 % on a 96 dpi screen.
    QImage image(816, 1056, QImage::Format_RGB32);
    int page = 0;
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        model.paintPage(painter, image.rect(), page);
        page = (page + 1) % model.pageCount();
    }
    state.SetLabel("30 merged labels a page");
}
BENCHMARK(BM_ComposePreviewPage)->Unit(benchmark::kMillisecond);

void BM_SwitchPreviewPage(benchmark::State& state)
{
    PreviewModel& model = *preview().model;
    model.chooseZoomItem(0);
    PreviewWindow window(model);
    window.resize(760, 860);
    window.show();
    QApplication::processEvents();
    QAction* next = window.findChild<QAction*>(QStringLiteral("NextPageBtn"));
    QAction* first = window.findChild<QAction*>(QStringLiteral("FirstPageBtn"));
    QWidget* page = window.findChild<QWidget*>(QStringLiteral("PreviewPage"));
    for (auto _ : state) {
        (model.canGoForward() ? next : first)->trigger();
        page->repaint();
    }
}
BENCHMARK(BM_SwitchPreviewPage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (!preview().model || !preview().model->ready()) {
        std::fprintf(stderr, "cannot open the address example\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
