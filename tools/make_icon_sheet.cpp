// Writes a contact sheet of the program's icons: every icon at 16, 24 and
// 48 px, once on white and once on a toolbar grey, each with its name.
//   make_icon_sheet [OUT.png] [DEVICE_PIXEL_RATIO]     (default /tmp/icons.png, 1)
//   make_icon_sheet OUT.png pixels SIZE                every icon at SIZE px, each pixel
//                                                      shown 4 times as large, to judge crispness
#include <QApplication>
#include <QImage>
#include <QPainter>

#include "ui/icons/Icons.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/icons.png");
    if (argc > 3 && QString::fromLocal8Bit(argv[2]) == QLatin1String("pixels")) {
        const int size = QString::fromLocal8Bit(argv[3]).toInt();
        const QStringList names = stickwellIconNames();
        const int scale = 4, columns = 8, pad = 6, step = size * scale + pad;
        const int rows = int((names.size() + columns - 1) / columns);
        QImage sheet(columns * step + pad, rows * step + pad, QImage::Format_ARGB32);
        sheet.fill(QColor(0xd6, 0xd6, 0xd6));
        QPainter painter(&sheet);
        for (int i = 0; i < names.size(); ++i) {
            const QImage icon = stickwellOwnIcon(names[i]).pixmap(size, size).toImage();
            const QRect target(pad + (i % columns) * step, pad + (i / columns) * step, size * scale, size * scale);
            painter.fillRect(target, Qt::white);
            painter.drawImage(target, icon.scaled(size * scale, size * scale));
        }
        painter.end();
        return sheet.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
    }
    const qreal ratio = argc > 2 ? QString::fromLocal8Bit(argv[2]).toDouble() : 1.0;

    const QStringList names = stickwellIconNames();
    const int sizes[] = {16, 24, 48};
    const QColor backgrounds[] = {Qt::white, QColor(0xd6, 0xd6, 0xd6)};
    // Two columns of entries: a name, then the three sizes on white and on grey.
    const int nameWidth = 170, cell = 54, rowHeight = 54, columns = 2;
    const int entryWidth = nameWidth + 2 * 3 * cell + 12;
    const int rows = int((names.size() + columns - 1) / columns);
    const int width = columns * entryWidth;
    const int height = rows * rowHeight;

    QImage sheet(QSize(width, height) * ratio, QImage::Format_ARGB32);
    sheet.setDevicePixelRatio(ratio);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    for (int index = 0; index < names.size(); ++index) {
        const int top = (index % rows) * rowHeight;
        const int origin = (index / rows) * entryWidth;
        painter.setPen(Qt::black);
        painter.drawText(QRect(origin + 4, top, nameWidth - 8, rowHeight), Qt::AlignVCenter | Qt::TextWrapAnywhere,
                         names[index]);
        const QIcon icon = stickwellOwnIcon(names[index]);
        for (int b = 0; b < 2; ++b) {
            const int left = origin + nameWidth + b * 3 * cell;
            painter.fillRect(QRect(left, top, 3 * cell, rowHeight), backgrounds[b]);
            for (int s = 0; s < 3; ++s) {
                const int size = sizes[s];
                const QPixmap pixmap = icon.pixmap(QSize(size, size), ratio);
                painter.drawPixmap(left + s * cell + (cell - size) / 2, top + (rowHeight - size) / 2, pixmap);
            }
        }
        painter.setPen(QColor(0xee, 0xee, 0xee));
        painter.drawLine(origin, top + rowHeight - 1, origin + entryWidth, top + rowHeight - 1);
    }
    painter.end();
    return sheet.save(out) ? 0 : 1;
}
