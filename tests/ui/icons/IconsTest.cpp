#include <gtest/gtest.h>

#include <QFile>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSvgRenderer>

#include "ui/icons/Icons.h"

namespace {

// Every icon the windows use, by the name they ask for.
const char* const kIconNames[] = {
    "document-new", "document-open", "document-save", "document-print", "document-print-preview",
    "edit-undo", "edit-redo", "edit-cut", "edit-copy", "edit-paste",
    "zoom-in", "zoom-out", "zoom-fit-best", "help-contents",
    "quillon-stickwell",
    "stickwell-background", "stickwell-personal-databases",
    "stickwell-bring-to-front", "stickwell-send-to-back",
    "stickwell-tool-select", "stickwell-tool-text", "stickwell-tool-barcode", "stickwell-tool-arctext",
    "stickwell-tool-graphic", "stickwell-tool-line", "stickwell-tool-box", "stickwell-tool-roundbox",
    "stickwell-tool-ellipse",
    "stickwell-align-left", "stickwell-align-hcenter", "stickwell-align-right",
    "stickwell-align-top", "stickwell-align-vcenter", "stickwell-align-bottom",
    "stickwell-group-left", "stickwell-group-hcenter", "stickwell-group-right", "stickwell-group-space-h",
    "stickwell-group-top", "stickwell-group-vcenter", "stickwell-group-bottom", "stickwell-group-space-v",
};

// Share of the pixels that are not fully transparent.
double coverage(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                ++opaque;
    return double(opaque) / (image.width() * image.height());
}

} // namespace

// Each icon draws something at the sizes toolbars and menus use, whether it
// comes from the desktop's theme or from our own drawing (which needs Qt's SVG
// icon engine to be there at run time).
TEST(Icons, EveryNameDrawsAtToolbarSizes)
{
    for (const char* name : kIconNames) {
        SCOPED_TRACE(name);
        for (const QIcon& icon : {stickwellIcon(name), stickwellOwnIcon(name)}) {
            ASSERT_FALSE(icon.isNull());
            for (const int size : {16, 24, 48}) {
                const QPixmap pixmap = icon.pixmap(size, size);
                ASSERT_FALSE(pixmap.isNull()) << size << " px";
                EXPECT_EQ(pixmap.width(), size);
                EXPECT_GT(coverage(pixmap), 0.05) << size << " px is (nearly) empty";
            }
        }
    }
}

// Our drawings are one set: all on the 16 x 16 grid, all different from one
// another (a resource entry pointing at the wrong file shows up here).
TEST(Icons, OwnDrawingsShareTheGridAndDiffer)
{
    QHash<QByteArray, QString> seen;
    for (const char* name : kIconNames) {
        SCOPED_TRACE(name);
        stickwellOwnIcon(name); // makes sure the resources are registered
        QSvgRenderer again(QStringLiteral(":/stickwell/icons/%1.svg").arg(QLatin1String(name)));
        ASSERT_TRUE(again.isValid());
        EXPECT_EQ(again.viewBox(), QRect(0, 0, 16, 16));
        EXPECT_EQ(again.defaultSize(), QSize(16, 16));

        const QImage image = stickwellOwnIcon(name).pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
        const QByteArray bytes(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
        EXPECT_FALSE(seen.contains(bytes)) << "draws the same as " << seen.value(bytes).toStdString();
        seen.insert(bytes, QLatin1String(name));
    }
}

// The list the program hands out is exactly the set above; other names give nothing.
TEST(Icons, KnownNamesOnly)
{
    QStringList expected;
    for (const char* name : kIconNames)
        expected << QLatin1String(name);
    QStringList listed = stickwellIconNames();
    expected.sort();
    listed.sort();
    EXPECT_EQ(listed, expected);

    for (const char* name : {"", "stickwell-tool-unknown", "document", "../icons.qrc", "stickwell-tool-text.svg"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(stickwellIcon(name).isNull());
        EXPECT_TRUE(stickwellOwnIcon(name).isNull());
    }
    // Only standard names are offered to the desktop theme.
    EXPECT_TRUE(isStandardIconName("zoom-fit-best"));
    EXPECT_FALSE(isStandardIconName("stickwell-tool-text"));
    EXPECT_FALSE(isStandardIconName("quillon-stickwell"));
}
