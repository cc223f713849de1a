// The floor for bench_print: the same address strings at the same places on
// the same pages, drawn with QPdfWriter and nothing else (no design, no
// merge reader, no bar-code encoder).
//
//   bench_print_floor DATA.csv LABELS OUT.pdf

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>
#include <sys/resource.h>

namespace {
// The example's quoted CSV: no commas or quotes inside its values.
QStringList fields(const QByteArray& line)
{
    QStringList out;
    for (QByteArray f : line.split(','))
        out << QString::fromLatin1(f.replace('"', ""));
    return out;
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: bench_print_floor DATA.csv LABELS OUT.pdf\n");
        return 2;
    }
    const int labels = std::atoi(argv[2]);
    QElapsedTimer timer;
    timer.start();
    QFile csv(QString::fromLocal8Bit(argv[1]));
    if (!csv.open(QIODevice::ReadOnly))
        return 1;
    QList<QByteArray> lines = csv.readAll().split('\n');
    lines.removeFirst();

    QPdfWriter writer(QString::fromLocal8Bit(argv[3]));
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
    QPainter painter(&writer);
    QFont font("Arial");
    font.setPixelSize(14 * 6);
    painter.setFont(font);
    int pages = 1;
    for (int n = 0; n < labels; ++n) {
        if (n > 0 && n % 30 == 0) {
            writer.newPage();
            ++pages;
        }
        const QStringList f = fields(lines.value(n % (lines.size() - 1)).trimmed());
        const int cell = n % 30;
        // 600 dpi: design units (1/100 in) × 6; the text object sits at (14, 10) in the label.
        const int x = (19 + (cell % 3) * (262 + 12) + 14) * 6;
        const int y = (50 + (cell / 3) * 100 + 10) * 6;
        const QString text = f.value(0) + " " + f.value(1) + "\n" + f.value(2) + "\n" + f.value(3) + ", " +
                             f.value(4) + "  " + f.value(5);
        painter.drawText(QRect(x, y, 236 * 6, 52 * 6), Qt::AlignLeft | Qt::AlignTop, text);
        painter.drawText(QRect(x, y + 58 * 6, 200 * 6, 20 * 6), Qt::AlignLeft | Qt::AlignTop, f.value(5));
    }
    painter.end();
    const double seconds = timer.nsecsElapsed() / 1e9;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("floor: %d labels, %d pages, %.3f s, peak %ld KiB\n", labels, pages, seconds, usage.ru_maxrss);
    return 0;
}
