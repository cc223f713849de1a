// The floor for bench_print: the same address strings at the same places on
// the same pages, drawn with QPdfWriter and nothing else (no design, no
// merge reader, no bar-code encoder).
//
//   bench_print_floor DATA.csv LABELS OUT.pdf [--bars]
//
// With --bars it also draws each label's POSTNET bars as plain rectangles
// (one path per label), to tell the cost of the bars from the rest.

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

// POSTNET: a frame bar, five bars per digit (two of them full) and the check digit, a frame bar.
QList<QRect> postnetBars(const QString& zip, int x, int y)
{
    static const char* const kDigits[10] = {"11000", "00011", "00101", "00110", "01001",
                                            "01010", "01100", "10001", "10010", "10100"};
    QString full = "1";
    int sum = 0;
    for (const QChar c : zip)
        if (c.isDigit()) {
            full += kDigits[c.digitValue()];
            sum += c.digitValue();
        }
    full += kDigits[(10 - sum % 10) % 10];
    full += "1";
    QList<QRect> bars;
    for (int i = 0; i < full.size(); ++i) {
        const int h = full[i] == '1' ? 11 : 5;
        bars << QRect(x + i * 5 * 6, y + (11 - h) * 6, 2 * 6, h * 6);
    }
    return bars;
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const bool withBars = argc == 5 && qstrcmp(argv[4], "--bars") == 0;
    if (argc != 4 && !withBars) {
        std::fprintf(stderr, "usage: bench_print_floor DATA.csv LABELS OUT.pdf [--bars]\n");
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
        if (withBars) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::black);
            const QList<QRect> bars = postnetBars(f.value(5), x, y + 58 * 6);
            painter.drawRects(bars.constData(), int(bars.size()));
            painter.setPen(Qt::black);
        } else {
            painter.drawText(QRect(x, y + 58 * 6, 200 * 6, 20 * 6), Qt::AlignLeft | Qt::AlignTop, f.value(5));
        }
    }
    painter.end();
    const double seconds = timer.nsecsElapsed() / 1e9;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    // CPU time too: wall time on a shared machine varies from run to run.
    const double cpu = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
                       (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    std::printf("floor%s: %d labels, %d pages, %.3f s, cpu %.3f s, peak %ld KiB\n", withBars ? " with bars" : "", labels,
                pages, seconds, cpu, usage.ru_maxrss);
    return 0;
}
