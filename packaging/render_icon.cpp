// Draws the application icon's SVG drawing as the PNG sizes of the hicolor
// theme: render_icon SVG OUTDIR SIZE... writes OUTDIR/NxN/apps/NAME.png.

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

#include "base/AtomicFile.h"

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: render_icon SVG OUTDIR SIZE...\n");
        return 2;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    const QString name = QFileInfo(args[1]).completeBaseName();
    for (const QString& sizeText : args.mid(3)) {
        const int size = sizeText.toInt();
        if (size < 1 || size > 1024)
            return 2;
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            svg.render(&painter);
        }
        QByteArray png;
        QBuffer buffer(&png);
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args[2]).arg(size);
        if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG") || !QDir().mkpath(folder) ||
            !writeFileAtomically(folder + "/" + name + ".png", png)) {
            std::fprintf(stderr, "render_icon: cannot write into %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
