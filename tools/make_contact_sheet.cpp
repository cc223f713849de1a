// Puts pictures on one contact sheet: one tile per entry, its pictures side
// by side, scaled to fit, with the entry's label under them.
//
//   make_contact_sheet OUT.png LABEL PICTURES [LABEL PICTURES ...]
//
// PICTURES is a list of PNG files separated by ':'.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

namespace {

constexpr int kTileWidth = 640;
constexpr int kTileHeight = 330;
constexpr int kLabelHeight = 26;
constexpr int kColumns = 3;
constexpr int kGap = 10;

QImage tile(const QString& label, const QStringList& files)
{
    QImage image(kTileWidth, kTileHeight, QImage::Format_RGB32);
    image.fill(QColor(232, 232, 232));
    QPainter p(&image);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QList<QImage> pictures;
    int total = 0, tallest = 1;
    for (const QString& file : files) {
        QImage picture(file);
        if (picture.isNull())
            continue;
        pictures << picture;
        total += picture.width();
        tallest = std::max(tallest, picture.height());
    }
    const int room = kTileWidth - kGap * int(pictures.size() + 1);
    const double scale = std::min({1.0, double(room) / std::max(1, total), double(kTileHeight - kLabelHeight - 2 * kGap) / tallest});
    int x = (kTileWidth - int(total * scale) - kGap * int(pictures.size() - 1)) / 2;
    for (const QImage& picture : pictures) {
        const QRect target(x, kGap + (kTileHeight - kLabelHeight - 2 * kGap - int(picture.height() * scale)) / 2,
                           int(picture.width() * scale), int(picture.height() * scale));
        p.fillRect(target.translated(3, 3), QColor(0, 0, 0, 50));
        p.drawImage(target, picture);
        x += target.width() + kGap;
    }
    p.setPen(QColor(30, 30, 30));
    p.drawText(QRect(0, kTileHeight - kLabelHeight, kTileWidth, kLabelHeight), Qt::AlignCenter, label);
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 4 || argc % 2 != 0) {
        std::fprintf(stderr, "usage: make_contact_sheet OUT.png LABEL PICTURES [LABEL PICTURES ...]\n");
        return 2;
    }
    const int entries = (argc - 2) / 2;
    const int rows = (entries + kColumns - 1) / kColumns;
    QImage sheet(kColumns * kTileWidth, rows * kTileHeight, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    for (int i = 0; i < entries; ++i) {
        const QString label = QString::fromLocal8Bit(argv[2 + 2 * i]);
        const QStringList files = QString::fromLocal8Bit(argv[3 + 2 * i]).split(':', Qt::SkipEmptyParts);
        p.drawImage((i % kColumns) * kTileWidth, (i / kColumns) * kTileHeight, tile(label, files));
    }
    p.end();
    if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
