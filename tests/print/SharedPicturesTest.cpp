// A picture drawn on every label is stored once in the printed PDF.

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "BitmapFixtures.h"
#include "PictureFixtures.h"
#include "examples/ExampleDesigns.h"
#include "imaging/Dib.h"
#include "imaging/JpegCodec.h"
#include "print/DesignPrinting.h"
#include "print/PrintData.h"
#include "print/SharedPictures.h"
#include "render/DrawPicture.h"

namespace {

ExampleDesign pictureExample() { return exampleNamed(QStringLiteral("picture-and-codes.lpd")); }

struct PrintedImages {
    int placed = 0;       // images drawn, over all pages
    QSet<int> objects;    // distinct image objects in the file
    qint64 fileSize = 0;
};

// Prints the design with this many labels and lists the PDF's images (pdfimages -list).
PrintedImages printLabels(const QTemporaryDir& dir, const ExampleDesign& example, int labels)
{
    const QString designPath = dir.filePath("picture.lpd");
    EXPECT_TRUE(writeExample(example, designPath));
    DesignForPrinting design;
    EXPECT_EQ(design.load(designPath), 1);
    PrintData data;
    PrintSettings settings;
    settings.quantity = labels;
    const QString pdf = dir.filePath(QStringLiteral("labels-%1.pdf").arg(labels));
    {
        QPdfWriter writer(pdf);
        writer.setResolution(600);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
        PrintDesign job = design.printDesign();
        EXPECT_TRUE(runPrintJob(job, writer, settings, data.drawing()).printed);
    }
    QProcess list;
    list.start("pdfimages", {"-list", pdf});
    list.waitForFinished(60000);
    PrintedImages images;
    images.fileSize = QFileInfo(pdf).size();
    // "page num type width height color comp bpc enc interp object ID ..."; two heading lines.
    const QStringList lines = QString::fromLatin1(list.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QStringList columns = lines[i].simplified().split(' ');
        if (columns.size() > 10 && columns[2] == QLatin1String("image")) {
            ++images.placed;
            images.objects.insert(columns[10].toInt());
        }
    }
    return images;
}

} // namespace

TEST(SharedPictures, EveryLabelDrawsTheOneStoredCopyOfEachPicture)
{
    if (QStandardPaths::findExecutable("pdfimages").isEmpty())
        GTEST_SKIP() << "pdfimages (poppler-utils) is not installed";
    QTemporaryDir dir;
    const PrintedImages few = printLabels(dir, pictureExample(), 30);
    const PrintedImages many = printLabels(dir, pictureExample(), 300);
    // Two pictures and the background on every label, each stored once.
    EXPECT_EQ(few.placed, 3 * 30);
    EXPECT_EQ(many.placed, 3 * 300);
    EXPECT_EQ(few.objects.size(), 3);
    EXPECT_EQ(many.objects.size(), 3);
    // More labels add their text and the pictures' placements, not the pictures.
    const qint64 growth = many.fileSize - few.fileSize;
    const qint64 textGrowth =
        printLabels(dir, withoutPictures(pictureExample()), 300).fileSize -
        printLabels(dir, withoutPictures(pictureExample()), 30).fileSize;
    EXPECT_LT(growth, textGrowth * 3 / 2);
}

TEST(SharedPictures, OneImagePerPictureWhateverItsCopies)
{
    SharedPictures shared;
    const Picture bitmap = makeBitmapPicture(12, 8);
    const Picture copy = bitmap;
    Picture jpeg;
    ASSERT_TRUE(jpeg.loadJpeg(encodeJpeg(makeTestImage(10, 6), 90, false)));
    const QImage first = shared.imageFor(bitmap);
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(shared.imageFor(bitmap).cacheKey(), first.cacheKey());
    EXPECT_EQ(shared.imageFor(copy).cacheKey(), first.cacheKey());
    EXPECT_NE(shared.imageFor(jpeg).cacheKey(), first.cacheKey());
    // The very pixels the unshared drawing makes of the picture's bytes.
    EXPECT_EQ(first, dibToImage(pictureToDib(bitmap)));
    EXPECT_EQ(shared.imageFor(jpeg), dibToImage(pictureToDib(jpeg)));
    // Metafiles stay vector drawings and empty pictures draw nothing.
    EXPECT_TRUE(shared.imageFor(Picture()).isNull());
}
