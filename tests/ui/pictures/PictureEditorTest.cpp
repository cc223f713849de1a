#include <gtest/gtest.h>

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include "PictureFixtures.h"
#include "TestSupport.h"
#include "imaging/Dib.h"
#include "imaging/JpegCodec.h"
#include "render/PictureFiles.h"
#include "ui/pictures/PickPictureDialog.h"
#include "ui/pictures/PictureEditor.h"

namespace {

// Every pixel its own colour, so a wrong turn or crop shows.
QImage numbered(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x * 7 + y * 13) % 256));
    return image;
}

Picture bitmap(const QImage& image)
{
    Picture picture;
    picture.setBitmap(image);
    return picture;
}

Picture bmpFileOf(const QImage& image, int bitsPerPixel)
{
    Picture picture;
    picture.loadBmp(dibToBmpFile(imageToDib(image, bitsPerPixel)));
    return picture;
}

Picture jpegOf(const QImage& image)
{
    Picture picture;
    picture.loadJpeg(encodeJpeg(image, 90, false));
    return picture;
}

} // namespace

TEST(PictureEditor, CropTakesThePartUnderTheRectangleScaledToTheBitmap)
{
    const struct {
        QSize bitmap;
        QRect frame;   // in the preview panel
        QRect source;  // in the bitmap
    } cases[] = {
        {{400, 300}, QRect(8, 8, 57, 57), QRect(10, 7, 144, 108)},
        {{158, 157}, QRect(4, 4, 10, 20), QRect(0, 0, 10, 20)},         // one to one
        {{79, 314}, QRect(24, 14, 40, 30), QRect(10, 20, 20, 60)},      // half as wide, twice as tall
        {{400, 300}, QRect(150, 150, 57, 57), QRect(369, 278, 31, 22)},  // runs off the picture: what lies on it
    };
    for (const auto& c : cases) {
        PictureEditor editor({}, bitmap(numbered(c.bitmap.width(), c.bitmap.height())));
        editor.setCropRect(c.frame);
        ASSERT_TRUE(editor.crop()) << c.frame.x();
        EXPECT_EQ(editor.picture().size(), c.source.size()) << c.frame.x();
        EXPECT_EQ(editor.picture().image().pixel(0, 0), numbered(400, 400).pixel(c.source.topLeft()));
    }
}

TEST(PictureEditor, ACropOffThePictureChangesNothing)
{
    PictureEditor editor({}, bitmap(numbered(40, 30)));
    editor.setCropRect(QRect(0, 0, 2, 2));  // outside the image area
    EXPECT_FALSE(editor.crop());
    EXPECT_EQ(editor.picture().size(), QSize(40, 30));
}

TEST(PictureEditor, MirrorsExchangeSidesAndTwiceGiveTheBitmapBack)
{
    const QImage original = numbered(5, 3);
    PictureEditor editor({}, bitmap(original));
    ASSERT_TRUE(editor.mirrorVertical());
    EXPECT_EQ(editor.picture().image().pixel(4, 0), original.pixel(0, 0)) << "left and right exchanged";
    ASSERT_TRUE(editor.mirrorVertical());
    EXPECT_EQ(editor.picture().image(), original);
    ASSERT_TRUE(editor.mirrorHorizontal());
    EXPECT_EQ(editor.picture().image().pixel(0, 2), original.pixel(0, 0)) << "top and bottom exchanged";
    ASSERT_TRUE(editor.mirrorHorizontal());
    EXPECT_EQ(editor.picture().image(), original);
}

TEST(PictureEditor, FourQuarterTurnsGiveBackTheSameBytesAtEveryDepth)
{
    for (int depth : {1, 4, 8, 24}) {
        const Picture start = bmpFileOf(numbered(7, 3), depth);
        ASSERT_FALSE(start.isEmpty()) << depth;
        PictureEditor editor({}, start);
        ASSERT_TRUE(editor.rotate()) << depth;
        EXPECT_EQ(editor.picture().size(), QSize(3, 7)) << depth;
        EXPECT_EQ(editor.picture().image().pixel(2, 0), start.image().pixel(0, 0)) << "clockwise, depth " << depth;
        for (int turn = 0; turn < 3; ++turn)
            ASSERT_TRUE(editor.rotate()) << depth;
        EXPECT_EQ(editor.picture().streamBytes(), start.streamBytes()) << depth;
    }
}

TEST(PictureEditor, BitmapToolsWorkOnBitmapsOnly)
{
    const QImage image = numbered(20, 10);
    const struct {
        const char* what;
        Picture picture;
        bool tools;
    } cases[] = {{"bitmap", bitmap(image), true}, {"JPEG", jpegOf(image), false}, {"none", Picture(), false}};
    for (const auto& c : cases) {
        PictureEditor editor({}, c.picture);
        EXPECT_EQ(editor.bitmapToolsEnabled(), c.tools) << c.what;
        const QByteArray before = editor.picture().streamBytes();
        EXPECT_EQ(editor.rotate(), c.tools) << c.what;
        EXPECT_EQ(editor.mirrorVertical(), c.tools) << c.what;
        EXPECT_EQ(editor.crop(), c.tools) << c.what;
        if (!c.tools) {
            EXPECT_EQ(editor.picture().streamBytes(), before) << c.what;
        }
        EXPECT_EQ(editor.canSave(), !c.picture.isEmpty()) << c.what;
    }
}

TEST(PictureEditor, SavedPicturesLoadBackInTheirOwnFormat)
{
    QTemporaryDir dir;
    const QImage image = numbered(30, 20);
    const struct {
        Picture picture;
        const char* file;
        const char* suffix;
        Picture::Kind kind;
    } cases[] = {{bitmap(image), "saved.bmp", "BMP", Picture::Kind::Bitmap},
                 {jpegOf(image), "saved.jpg", "JPG", Picture::Kind::Jpeg}};
    for (const auto& c : cases) {
        PictureEditor editor({}, c.picture);
        EXPECT_EQ(editor.saveSuffix(), c.suffix);
        QString why;
        ASSERT_TRUE(editor.save(dir.filePath(c.file), &why)) << why.toStdString();
        const Picture back = loadPictureFile(dir.filePath(c.file), false);
        EXPECT_EQ(back.kind(), c.kind) << c.file;
        EXPECT_EQ(back.streamBytes(), c.picture.streamBytes()) << c.file;
        EXPECT_EQ(back.image().convertToFormat(QImage::Format_RGB32),
                  c.picture.image().convertToFormat(QImage::Format_RGB32))
            << c.file;
    }
}

TEST(PictureEditor, LoadFailureLeavesNoPictureButADroppedFailureChangesNothing)
{
    QTemporaryDir dir;
    const QString broken = dir.filePath("broken.bmp");
    ASSERT_TRUE(writeBytes(broken, "BM not really"));
    const QString good = dir.filePath("good.png");
    ASSERT_TRUE(writeBytes(good, encodeWithQt(numbered(6, 4), "PNG")));

    PictureEditor editor({}, bitmap(numbered(3, 3)));
    EXPECT_FALSE(editor.drop({broken, good})) << "only the first dropped file counts";
    EXPECT_EQ(editor.picture().size(), QSize(3, 3));
    EXPECT_TRUE(editor.drop({good}));
    EXPECT_EQ(editor.picture().size(), QSize(6, 4));
    editor.load(broken);
    EXPECT_TRUE(editor.picture().isEmpty());
}

TEST(PictureEditor, ClickingTheCropRectangleFramesItAndClickingElsewhereDropsTheFrame)
{
    PictureEditor editor({}, bitmap(numbered(40, 40)));
    editor.clickAt(QPoint(20, 20));
    ASSERT_TRUE(editor.cropSelected());
    EXPECT_EQ(editor.cropFrame().handleSquares().size(), 8u);
    // Dragging the bottom-right handle sizes the rectangle.
    SelectionFrame& frame = editor.cropFrame();
    const QPoint corner = PictureEditor::initialCropRect().bottomRight() + QPoint(2, 2);
    frame.beginDrag(corner, frame.modeAt(corner));
    editor.endCropDrag(corner + QPoint(10, 5), PictureEditor::kPanelSize);
    EXPECT_EQ(editor.cropRect().size(), QSize(67, 62));
    editor.clickAt(QPoint(150, 150));
    EXPECT_FALSE(editor.cropSelected());
}

TEST(PickPictureDialog, ButtonsFollowThePictureAndTheCaller)
{
    MessageRecorder messages;
    QTemporaryDir dir;
    const QString photo = dir.filePath("photo.jpg");
    ASSERT_TRUE(writeBytes(photo, encodeJpeg(numbered(20, 20), 80, false)));

    PictureEditor::Setup fromPictureButton;
    fromPictureButton.clearingAllowed = false;
    PickPictureDialog dialog(fromPictureButton, bitmap(numbered(10, 10)));
    EXPECT_EQ(dialog.windowTitle(), "Pick Graphic");
    EXPECT_TRUE(dialog.button("ClearBtn")->isHidden()) << "Picture... cannot clear";
    EXPECT_FALSE(dialog.button("AcquireBtn")->isEnabled()) << "no scanner";
    EXPECT_TRUE(dialog.button("RotateBtn")->isEnabled());

    dialog.chooseLoadFile = [&](const QString&) { return photo; };
    dialog.button("LoadBtn")->click();
    EXPECT_EQ(dialog.picture().kind(), Picture::Kind::Jpeg);
    for (const char* name : {"MirrorHorzBtn", "RotateBtn", "MirrorVertBtn", "CropBtn"})
        EXPECT_FALSE(dialog.button(name)->isEnabled()) << name;
    EXPECT_TRUE(dialog.button("SaveBtn")->isEnabled());

    PictureEditor::Setup forBackground;
    forBackground.scannerAvailable = true;
    PickPictureDialog background(forBackground, Picture());
    EXPECT_FALSE(background.button("ClearBtn")->isHidden());
    EXPECT_FALSE(background.button("SaveBtn")->isEnabled());
    EXPECT_TRUE(background.button("AcquireBtn")->isEnabled());
    background.acquireImage = [](QWidget*) { return std::optional<QImage>(numbered(12, 8)); };
    background.button("AcquireBtn")->click();
    EXPECT_EQ(background.picture().size(), QSize(12, 8));
    EXPECT_TRUE(background.button("CropBtn")->isEnabled());
    background.button("ClearBtn")->click();
    EXPECT_TRUE(background.picture().isEmpty());
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST(PickPictureDialog, ASaveThatFailsSaysSoAndKeepsThePicture)
{
    MessageRecorder messages;
    PickPictureDialog dialog({}, bitmap(numbered(4, 4)));
    dialog.chooseSaveFile = [](const QString&, const QString&) { return QStringLiteral("/nonexistent-folder/x.bmp"); };
    dialog.button("SaveBtn")->click();
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().startsWith("The picture could not be saved to /nonexistent-folder/x.bmp"));
    EXPECT_EQ(dialog.picture().size(), QSize(4, 4));
}
