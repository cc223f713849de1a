#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

#include "DesignFixtures.h"
#include "ShippedDesigns.h"
#include "WriteFailures.h"
#include "files/DesignFile.h"
#include "files/DesignInfo.h"
#include "model/DesignObject.h"
#include "model/Options.h"
#include "base/ByteStream.h"
#include "imaging/JpegCodec.h"

namespace {

struct Loaded {
    Card panel;
    ObjectManager manager{panel};
    LayoutRecord layout;
    QString linked;
    int32_t zoom = 0;
    DesignFileInfo info;
    int32_t result = 0;
};

void load(Loaded& l, const QByteArray& bytes)
{
    l.result = parseDesignFile(l.manager, bytes, l.layout, l.linked, l.zoom, &l.info);
}

QByteArray saved(DesignEditor& e, const LayoutRecord& layout, const QString& linked = {})
{
    return buildDesignFile(e.manager(), layout, linked, e.zoom);
}

} // namespace

TEST(DesignFile, SingleTextDesignMatchesTheJsonDescription)
{
    QTemporaryDir dir;
    DesignEditor e;
    e.manager().setLiveRegion({0, 0});
    DesignObject* text = e.manager().createText(10, 10);
    (void)text;
    const QString path = dir.filePath("one.lpd");
    ASSERT_TRUE(writeDesignFile(e.manager(), path, thirtyUpLayout(), "", 100));
    QByteArray json;
    ASSERT_EQ(describeDesignFile(path, json), 1);
    EXPECT_EQ(json.toStdString(),
              "{\"version\":700,\"signature\":\"0x7B34DEA1\",\"zoom\":100,\"password_set\":false,\"password_bytes\""
              ":\"0000000000000000\",\"linked_database\":\"\",\"layout\":{\"name\":\"Address 1 x 2 5/8 in<>30 per s"
              "heet\",\"rows\":10,\"columns\":3,\"element_width\":262,\"element_height\":100,\"top_margin\":50,\"le"
              "ft_margin\":19,\"column_space\":12,\"row_space\":0,\"fold_type\":0,\"back_printable\":0,\"paper_type"
              "\":0,\"wizard_type\":0,\"unit\":0,\"stock_type\":0,\"paper_length\":0,\"paper_width\":0,\"reserved\""
              ":{\"name_field\":\"4164647265737320312078203220352f3820696e3c3e3330207065722073686565740000000000000"
              "0000000000000000000\",\"at82\":\"0000000000000000\",\"at96\":\"0000\",\"at106\":\"000000000000000000"
              "0000000000\",\"at120\":0}},\"region_size\":{\"width\":262,\"height\":100},\"regions\":[{\"side\":0,\""
              "panel\":0,\"caption\":\"Front\",\"margins\":[8,8,8,8],\"background\":\"none\",\"background_picture\""
              ":null,\"objects\":[{\"name\":\"Text0\",\"kind\":\"T\",\"left\":10,\"top\":10,\"width\":120,\"height\""
              ":30,\"flags\":0,\"style\":0,\"fore_color\":0,\"back_color\":16777215,\"line_size\":1,\"spare\":0,\"l"
              "ine_type\":0,\"text_style\":1,\"shadow_x\":0,\"shadow_y\":0,\"rotation\":0,\"font\":{\"face\":\"Aria"
              "l\",\"height\":-16,\"weight\":400,\"italic\":false,\"underline\":false,\"strikeout\":false,\"width\""
              ":0,\"char_set\":1,\"out_precision\":0,\"clip_precision\":0,\"quality\":0,\"pitch_and_family\":0},\"l"
              "ines\":[\"Text\"]}]}]}");
}

TEST(DesignFile, RoundTripIsByteIdentical)
{
    DesignEditor e;
    e.manager().setLiveRegion({0, 0});
    e.zoom = 150;
    e.manager().createText(15, 30)->lines = {"Name", "{-_001_1_-}"};
    e.manager().createGraphic(nullptr, 0, 0)->picture = makeBitmapPicture(30, 10);
    e.manager().createRoundBox(45, 60);
    e.manager().setPassword("pw");
    e.card().marginTop = 20;
    e.card().backImage = makeBitmapPicture(12, 12);
    e.showRegion({1, 0});
    e.manager().createLine(3, 3);
    LayoutRecord layout = thirtyUpLayout();
    layout.reserved106[3] = 0x5A;  // unknown bytes survive
    const QByteArray first = buildDesignFile(e.manager(), layout, "/data/addresses.csv", e.zoom);

    Loaded l;
    load(l, first);
    ASSERT_EQ(l.result, 1);
    EXPECT_EQ(l.zoom, 150);
    EXPECT_EQ(l.linked, "/data/addresses.csv");
    EXPECT_TRUE(l.manager.checkPassword("pw"));
    EXPECT_EQ(l.panel.objectCount(), 3);
    EXPECT_EQ(l.panel.marginTop, 20);
    EXPECT_EQ(l.info.blockSlots, (std::vector<std::pair<int, int>>{{0, 0}, {1, 0}}));
    const QByteArray second = buildDesignFile(l.manager, l.layout, l.linked, l.zoom);
    EXPECT_EQ(second, first);
}

// The shipped designs use every object kind and bar-code type (the libzint
// kinds included): each is written back exactly as it was read.
TEST(DesignFile, ShippedDesignsAreWrittenBackAsRead)
{
    const QStringList paths = shippedDesignPaths();
    ASSERT_FALSE(paths.isEmpty());
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        const QByteArray bytes = fileBytes(path);
        Loaded l;
        load(l, bytes);
        ASSERT_EQ(l.result, 1);
        EXPECT_EQ(buildDesignFile(l.manager, l.layout, l.linked, l.zoom),
                  bytes);
    }
}

TEST(DesignFile, HeaderChecks)
{
    DesignEditor e;
    e.manager().setLiveRegion({0, 0});
    e.manager().createBox(1, 1);
    const QByteArray good = saved(e, thirtyUpLayout());
    struct Case {
        const char* what;
        qsizetype offset;
        uint32_t value;
        int32_t result;
    };
    const Case cases[] = {
        {"older version", 0, 699, 1},
        {"newer version", 0, 701, 1002},
        {"negative version", 0, 0xFFFFFFFF, 1002},
        {"low signature bits", 4, 0x7B340000, 1},
        {"foreign signature", 4, 0x7B35DEA1, 1002},
    };
    for (const Case& c : cases) {
        QByteArray bytes = good;
        ByteWriter(bytes).patchU32(c.offset, c.value);
        Loaded l;
        load(l, bytes);
        EXPECT_EQ(l.result, c.result) << c.what;
    }
    Loaded shortFile;
    load(shortFile, good.left(527));
    EXPECT_EQ(shortFile.result, 1002);
    Loaded cutRegion;
    load(cutRegion, good.left(528 + 122 + 100));
    EXPECT_EQ(cutRegion.result, 1000);
    QByteArray badSlot = good;
    badSlot[528 + 122 + 1] = 2;  // side 2
    Loaded l;
    load(l, badSlot);
    EXPECT_EQ(l.result, 1000);
}

// A design has 8 slots and writes each at most once: a count of more blocks
// than that can only repeat slots, and readers of every block would repeat
// their work as often (a 3.5 MB file once made the info command take 2 GB).
TEST(DesignFile, MoreBlocksThanSlotsAreRefused)
{
    DesignEditor e;
    e.manager().setLiveRegion({0, 0});
    e.manager().createBox(1, 1);
    const QByteArray good = saved(e, thirtyUpLayout());
    const QByteArray head = good.left(528 + 122), block = good.mid(528 + 122);
    for (const auto& [blocks, result] : {std::pair{8, 1}, std::pair{9, 1000}, std::pair{20000, 1000}}) {
        QByteArray bytes = head + block.repeated(blocks);
        ByteWriter(bytes).patchI32(12, blocks);
        Loaded l;
        load(l, bytes);
        EXPECT_EQ(l.result, result) << blocks;
    }
}

TEST(DesignFile, OnlyNonEmptySlotsAreWritten)
{
    DesignEditor e;
    e.manager().setLiveRegion({0, 0});
    e.manager().createText(1, 1);
    e.showRegion({1, 0});
    e.card().marginLeft = 30;  // the back stays empty: its margins are not kept
    const QByteArray bytes = buildDesignFile(e.manager(), thirtyUpLayout(), "", 100);
    EXPECT_EQ(readU32At(bytes, 12), 1u);
    Loaded l;
    load(l, bytes);
    ASSERT_EQ(l.result, 1);
    EXPECT_EQ(l.manager.slot(1, 0).margins[0], 8);
}

TEST(DesignFile, BackgroundsAndTheirLengths)
{
    QImage image(16, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    Picture jpeg;
    ASSERT_TRUE(jpeg.loadJpeg(encodeJpeg(image, 80, false)));

    DesignEditor e;
    e.manager().setLiveRegion({0, 0});
    e.card().backImage = makeBitmapPicture(5, 5);  // bitmap background, no objects
    e.showRegion({1, 0});
    e.card().backImage = jpeg;
    e.manager().createBox(1, 2);
    const QByteArray bytes = buildDesignFile(e.manager(), thirtyUpLayout(), "", 100);
    const qsizetype firstBlock = 528 + 122;
    EXPECT_EQ(bytes[firstBlock + 2], 'B');
    EXPECT_EQ(readU32At(bytes, firstBlock + 4), 0u);
    const qsizetype bmpLength = Picture::bmpStreamLength(QByteArrayView(bytes).sliced(firstBlock + 156));
    const qsizetype secondBlock = firstBlock + 156 + bmpLength;  // the next block follows the BMP directly
    EXPECT_EQ(bytes[secondBlock + 1], 1);
    EXPECT_EQ(bytes[secondBlock + 2], 'J');
    EXPECT_EQ(qsizetype(readU32At(bytes, secondBlock + 156)), jpeg.streamBytes().size());

    Loaded l;
    load(l, bytes);
    ASSERT_EQ(l.result, 1);
    EXPECT_EQ(l.manager.slot(1, 0).background.kind(), Picture::Kind::Jpeg);
    EXPECT_EQ(l.panel.backImage.size(), QSize(5, 5));
}

// Everything that follows the layout is sized by its regions (the card, exported
// pictures, printed cells): a layout outside the limits is refused before any
// region is read.
TEST(DesignFile, RegionsOutsideTheSizeLimitsAreRefused)
{
    DesignEditor e;
    e.manager().setLiveRegion({0, 0});
    e.manager().createBox(1, 1);
    const QByteArray good = saved(e, thirtyUpLayout());
    constexpr qsizetype kLayout = 528;
    struct Case {
        const char* what;
        int32_t width;
        int32_t height;
        uint8_t fold;
        uint8_t unit;
        int32_t result;
    };
    const Case cases[] = {
        {"address label", 262, 100, 0, 0, 1},
        {"smallest", 10, 10, 0, 0, 1},
        {"largest", 1700, 1700, 0, 0, 1},
        {"a million units high", 262, 1000000, 0, 0, 1004},
        {"one short of the smallest", 9, 100, 0, 0, 1004},
        {"one past the largest", 1701, 100, 0, 0, 1004},
        {"negative", 262, -100, 0, 0, 1004},
        {"most negative", INT32_MIN, INT32_MIN, 0, 0, 1004},
        {"empty", 0, 0, 0, 0, 1004},
        {"side fold halves the width", 3400, 1700, 1, 0, 1},
        {"side fold half past the largest", 3402, 1700, 1, 0, 1004},
        {"top fold half below the smallest", 100, 19, 2, 0, 1004},
        {"unknown fold type", 262, 100, 9, 0, 1004},
        {"millimetre layout", 43180, 260, 0, 1, 1},
        {"millimetre layout too wide", 43300, 260, 0, 1, 1004},
    };
    for (const Case& c : cases) {
        QByteArray bytes = good;
        ByteWriter patch(bytes);
        patch.patchI32(kLayout + 58, c.width);
        patch.patchI32(kLayout + 62, c.height);
        bytes[kLayout + 90] = char(c.fold);
        bytes[kLayout + 94] = char(c.unit);
        Loaded l;
        load(l, bytes);
        EXPECT_EQ(l.result, c.result) << c.what;
        const bool accepted = c.result == 1;
        EXPECT_EQ(l.layout.elementHeight, c.height) << c.what;  // the record is there to show
        EXPECT_EQ(l.panel.regionWidth() > 0, accepted) << c.what;
        EXPECT_EQ(l.info.blockSlots.size(), accepted ? 1u : 0u) << c.what;
    }
}

TEST(DesignFile, RegionSizeRefusalNamesTheLimitsInTheDisplayUnit)
{
    EXPECT_EQ(designFileResultText(DesignFileResult::RegionSize, false),
              "The width and height or each region must be between 0.10 and 17.00 in");
    EXPECT_EQ(designFileResultText(DesignFileResult::RegionSize, true),
              "The width and height or each region must be between 2.54 and 431.80 mm");
}

TEST(DesignFile, DamagedPayloadsAndShortJpegs)
{
    DesignEditor e;
    e.manager().setLiveRegion({0, 0});
    e.manager().createGraphic(nullptr, 0, 0)->picture = makeBitmapPicture(4, 4);
    QByteArray bytes = saved(e, thirtyUpLayout());
    const qsizetype payload = 528 + 122 + 156 + 171;
    QByteArray damaged = bytes;
    damaged[payload + 1] = 'X';
    Loaded l;
    load(l, damaged);
    EXPECT_EQ(l.result, 1000);

    // A JPEG background whose count runs past the file leaves the picture empty.
    DesignEditor j;
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::blue);
    j.card().backImage.loadJpeg(encodeJpeg(image, 50, false));
    QByteArray withJpeg = saved(j, thirtyUpLayout());
    ByteWriter(withJpeg).patchU32(528 + 122 + 156, 0x7FFFFFFF);
    Loaded lj;
    load(lj, withJpeg);
    EXPECT_EQ(lj.result, 1);
    EXPECT_TRUE(lj.panel.backImage.isEmpty());
}

TEST(DesignFile, AFailedSaveKeepsThePreviousFile)
{
    QTemporaryDir dir;
    DesignEditor e;
    e.manager().setLiveRegion({0, 0});
    e.manager().createBox(0, 0);
    const QString path = dir.filePath("keep.lpd");
    ASSERT_TRUE(writeDesignFile(e.manager(), path, thirtyUpLayout(), "", 100));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    for (int i = 0; i < 40; ++i)
        e.manager().createEllipse(5 + i, 5);
    {
        FileSizeLimit limit(before.size() + 100);  // the grown design no longer fits
        EXPECT_FALSE(writeDesignFile(e.manager(), path, thirtyUpLayout(), "", 100));
    }
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.lpd"});
    EXPECT_FALSE(writeDesignFile(e.manager(), dir.filePath("missing/dir/x.lpd"), thirtyUpLayout(), "", 100));
}

TEST(DesignFile, UnreadableFilesAreRefused)
{
    QTemporaryDir dir;
    Card panel;
    ObjectManager manager(panel);
    LayoutRecord layout;
    QString linked;
    int32_t zoom = 0;
    EXPECT_EQ(readDesignFile(manager, dir.filePath("nothing.lpd"), layout, linked, zoom), 1002);
    QByteArray json;
    EXPECT_EQ(describeDesignFile(dir.filePath("nothing.lpd"), json), 1002);
    EXPECT_EQ(designFileResultText(1100, false), "An error occurred trying to allocate memory.");
}

TEST(DesignFile, FoldedDesignStartsOnTheFirstCaption)
{
    DesignEditor e;
    e.manager().setLiveRegion({0, 0});
    LayoutRecord layout = thirtyUpLayout();
    layout.foldType = 5;  // occasion card: region 0 is "Cover" on side 1
    e.manager().createText(1, 1)->lines = {"inside cover"};
    e.showRegion({1, 0});
    e.manager().createText(1, 1)->lines = {"cover"};
    const QByteArray bytes = buildDesignFile(e.manager(), layout, "", 100);
    Loaded l;
    load(l, bytes);
    ASSERT_EQ(l.result, 1);
    EXPECT_EQ(l.manager.liveRegion()->side, 1);
    EXPECT_EQ(l.panel.object(0)->lines, QStringList{"cover"});
    EXPECT_EQ(l.panel.regionWidth(), 131);
}
