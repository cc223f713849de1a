#include <gtest/gtest.h>

#include "TestSupport.h"
#include "model/DesignEditor.h"
#include "model/ObjectClipboard.h"
#include "model/ObjectData.h"
#include "base/ByteStream.h"
#include "system/Clipboard.h"

TEST(ObjectClipboard, CopyAndPasteAcrossZoomsKeepsPhysicalSize)
{
    DesignEditor source;
    source.zoom = 200;
    source.panel.setRegionSize(400, 300);
    source.panel.setScale(200);
    for (ObjectControl* c : {source.manager.CreateText(20, 40), source.manager.CreateBox(60, 80),
                             source.manager.CreateEllipse(100, 120)})
        source.select(c);
    MemoryClipboard clipboard;
    CopyObjects(source, clipboard);
    const QByteArray block = *clipboard.privateBlock();
    EXPECT_EQ(readU32At(block, 0), 700u);
    EXPECT_EQ(readU32At(block, 4), 3u);
    EXPECT_EQ(readU32At(block, 8), uint32_t(block.size()));

    DesignEditor target;
    target.panel.setRegionSize(400, 300);
    EXPECT_EQ(PasteObjects(target, clipboard), 3);
    ASSERT_EQ(target.selection.size(), 3u);
    EXPECT_EQ(target.selection[1]->rect(), QRect(30, 40, 60, 15));
    EXPECT_EQ(target.manager.ChangeStack().undoCount(), 3);
    EXPECT_TRUE(target.modified);
    ASSERT_TRUE(target.manager.Undo(target.zoom));
    EXPECT_EQ(target.panel.controlCount(), 2);
    EXPECT_EQ(target.panel.control(1)->data()->Kind, ObjectKind::Box);
}

TEST(ObjectClipboard, RefusedAndEmptyBlocks)
{
    MessageRecorder messages;
    DesignEditor e;
    MemoryClipboard clipboard;
    QByteArray block;
    ByteWriter w(block);
    w.u32(701);
    w.i32(0);
    w.i32(12);
    clipboard.setPrivateBlock(block);
    EXPECT_EQ(PasteObjects(e, clipboard), 0);
    EXPECT_EQ(messages.texts(), QStringList{"ERROR: Version Mismatch.\n\nYou cannot paste objects created with a "
                                            "newer version of the application."});

    block[0] = char(0xBC);  // version 700 again, count 0
    block[1] = char(0x02);
    clipboard.setPrivateBlock(block);
    EXPECT_EQ(PasteObjects(e, clipboard), 0);
    EXPECT_EQ(e.manager.ChangeStack().undoCount(), 0);
    EXPECT_FALSE(e.modified);

    // A block that claims more records than it holds pastes what is there.
    DesignEditor source;
    source.select(source.manager.CreateBox(0, 0));
    QByteArray lying = BuildClipboardBlock(source);
    lying[4] = 9;
    lying[8] = char(0xFF);
    clipboard.setPrivateBlock(lying);
    EXPECT_EQ(PasteObjects(e, clipboard), 1);
}

TEST(ObjectClipboard, ForeignFormatsBecomeObjects)
{
    DesignEditor e;
    MemoryClipboard clipboard;
    QImage bitmap(400, 100, QImage::Format_RGB32);
    bitmap.fill(Qt::blue);
    clipboard.setBitmap(bitmap);
    EXPECT_EQ(PasteObjects(e, clipboard), 1);
    EXPECT_EQ(e.selection.front()->rect().size(), QSize(100, 25));
    EXPECT_EQ(e.selection.front()->picture.kind(), Picture::Kind::Bitmap);

    clipboard.setText("first line\r\nsecond line");
    EXPECT_EQ(PasteObjects(e, clipboard), 1);
    EXPECT_EQ(e.selection.front()->data()->Lines, QStringList{"first line\r\nsecond line"});

    clipboard.setText(QString(5000, 'x'));
    PasteObjects(e, clipboard);
    EXPECT_EQ(e.selection.front()->data()->Lines.front().size(), 4095);
}

TEST(ObjectClipboard, PastedObjectsBeyondASmallerSurfaceComeInside)
{
    DesignEditor source;
    source.panel.setRegionSize(1000, 1000);
    ObjectControl* box = source.manager.CreateBox(900, 10);
    source.select(box);
    MemoryClipboard clipboard;
    CopyObjects(source, clipboard);

    DesignEditor small;
    small.panel.setRegionSize(300, 300);
    ASSERT_EQ(PasteObjects(small, clipboard), 1);
    EXPECT_EQ(small.selection.front()->left, 300 - 120 - 25);
}

TEST(ObjectClipboard, DeleteSelectionRecordsEachObject)
{
    DesignEditor e;
    ObjectControl* a = e.manager.CreateText(0, 0);
    ObjectControl* b = e.manager.CreateLine(0, 0);
    e.manager.CreateBox(0, 0);
    e.select(a);
    e.select(b);
    DeleteSelection(e);
    EXPECT_EQ(e.panel.controlCount(), 1);
    EXPECT_TRUE(e.selection.empty());
    EXPECT_TRUE(e.modified);
    ASSERT_TRUE(e.manager.Undo(e.zoom));
    ASSERT_TRUE(e.manager.Undo(e.zoom));
    EXPECT_EQ(e.panel.controlCount(), 3);
    EXPECT_FALSE(e.manager.Undo(e.zoom));
}

TEST(ObjectClipboard, EditCommands)
{
    MessageRecorder messages;
    DesignEditor e;
    MemoryClipboard clipboard;
    EXPECT_FALSE(CanCutCopyOrDelete(e));
    EXPECT_FALSE(CanPaste(clipboard));
    ObjectControl* box = e.manager.CreateBox(0, 0);
    e.select(box);
    RecordedMessages().queueAnswer(Messages::Answer::No);
    EXPECT_FALSE(DeleteObjects(e, true));
    EXPECT_EQ(messages.texts(), QStringList{"Delete the selected object(s).\n\nAre your sure?"});
    EXPECT_EQ(e.selection.size(), 1u);
    EXPECT_EQ(e.panel.controlCount(), 1);

    CutObjects(e, clipboard);
    EXPECT_EQ(e.panel.controlCount(), 0);
    EXPECT_TRUE(CanPaste(clipboard));
    EXPECT_EQ(PasteObjects(e, clipboard), 1);
    EXPECT_TRUE(DeleteObjects(e, false));
    EXPECT_EQ(e.panel.controlCount(), 0);
}
