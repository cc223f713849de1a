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
    for (ObjectControl* c : {source.manager.createText(20, 40), source.manager.createBox(60, 80),
                             source.manager.createEllipse(100, 120)})
        source.select(c);
    MemoryClipboard clipboard;
    copyObjects(source, clipboard);
    const QByteArray block = *clipboard.privateBlock();
    EXPECT_EQ(readU32At(block, 0), 700u);
    EXPECT_EQ(readU32At(block, 4), 3u);
    EXPECT_EQ(readU32At(block, 8), uint32_t(block.size()));

    DesignEditor target;
    target.panel.setRegionSize(400, 300);
    EXPECT_EQ(pasteObjects(target, clipboard), 3);
    ASSERT_EQ(target.selection.size(), 3u);
    EXPECT_EQ(target.selection[1]->rect(), QRect(30, 40, 60, 15));
    EXPECT_EQ(target.manager.undoHistory().undoCount(), 3);
    EXPECT_TRUE(target.modified);
    ASSERT_TRUE(target.manager.undo(target.zoom));
    EXPECT_EQ(target.panel.controlCount(), 2);
    EXPECT_EQ(target.panel.control(1)->data()->kind, ObjectKind::Box);
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
    EXPECT_EQ(pasteObjects(e, clipboard), 0);
    EXPECT_EQ(messages.texts(), QStringList{"ERROR: Version Mismatch.\n\nYou cannot paste objects created with a "
                                            "newer version of the application."});

    block[0] = char(0xBC);  // version 700 again, count 0
    block[1] = char(0x02);
    clipboard.setPrivateBlock(block);
    EXPECT_EQ(pasteObjects(e, clipboard), 0);
    EXPECT_EQ(e.manager.undoHistory().undoCount(), 0);
    EXPECT_FALSE(e.modified);

    // A block that claims more records than it holds pastes what is there,
    // records it, and says the rest could not be pasted.
    recordedMessages().clear();
    DesignEditor source;
    source.select(source.manager.createBox(0, 0));
    QByteArray lying = buildClipboardBlock(source);
    lying[4] = 9;
    lying[8] = char(0xFF);
    clipboard.setPrivateBlock(lying);
    EXPECT_EQ(pasteObjects(e, clipboard), 1);
    EXPECT_EQ(messages.texts(), QStringList{"Error pasting clipboard data."});
    EXPECT_EQ(e.manager.undoHistory().undoCount(), 1);
    EXPECT_TRUE(e.modified);
}

TEST(ObjectClipboard, ForeignFormatsBecomeObjects)
{
    DesignEditor e;
    MemoryClipboard clipboard;
    QImage bitmap(400, 100, QImage::Format_RGB32);
    bitmap.fill(Qt::blue);
    clipboard.setBitmap(bitmap);
    EXPECT_EQ(pasteObjects(e, clipboard), 1);
    EXPECT_EQ(e.selection.front()->rect().size(), QSize(100, 25));
    EXPECT_EQ(e.selection.front()->picture.kind(), Picture::Kind::Bitmap);

    clipboard.setText("first line\r\nsecond line");
    EXPECT_EQ(pasteObjects(e, clipboard), 1);
    EXPECT_EQ(e.selection.front()->data()->lines, QStringList{"first line\r\nsecond line"});

    clipboard.setText(QString(5000, 'x'));
    pasteObjects(e, clipboard);
    EXPECT_EQ(e.selection.front()->data()->lines.front().size(), 4095);
}

TEST(ObjectClipboard, PastedObjectsBeyondASmallerSurfaceComeInside)
{
    DesignEditor source;
    source.panel.setRegionSize(1000, 1000);
    ObjectControl* box = source.manager.createBox(900, 10);
    source.select(box);
    MemoryClipboard clipboard;
    copyObjects(source, clipboard);

    DesignEditor small;
    small.panel.setRegionSize(300, 300);
    ASSERT_EQ(pasteObjects(small, clipboard), 1);
    EXPECT_EQ(small.selection.front()->left, 300 - 120 - 25);
}

TEST(ObjectClipboard, DeleteSelectionRecordsEachObject)
{
    DesignEditor e;
    ObjectControl* a = e.manager.createText(0, 0);
    ObjectControl* b = e.manager.createLine(0, 0);
    e.manager.createBox(0, 0);
    e.select(a);
    e.select(b);
    deleteSelection(e);
    EXPECT_EQ(e.panel.controlCount(), 1);
    EXPECT_TRUE(e.selection.empty());
    EXPECT_TRUE(e.modified);
    ASSERT_TRUE(e.manager.undo(e.zoom));
    ASSERT_TRUE(e.manager.undo(e.zoom));
    EXPECT_EQ(e.panel.controlCount(), 3);
    EXPECT_FALSE(e.manager.undo(e.zoom));
}

TEST(ObjectClipboard, EditCommands)
{
    MessageRecorder messages;
    DesignEditor e;
    MemoryClipboard clipboard;
    EXPECT_FALSE(canCutCopyOrDelete(e));
    EXPECT_FALSE(canPaste(clipboard));
    ObjectControl* box = e.manager.createBox(0, 0);
    e.select(box);
    recordedMessages().queueAnswer(Messages::Answer::No);
    EXPECT_FALSE(deleteObjects(e, true));
    EXPECT_EQ(messages.texts(), QStringList{"Delete the selected object(s).\n\nAre your sure?"});
    EXPECT_EQ(e.selection.size(), 1u);
    EXPECT_EQ(e.panel.controlCount(), 1);

    cutObjects(e, clipboard);
    EXPECT_EQ(e.panel.controlCount(), 0);
    EXPECT_TRUE(canPaste(clipboard));
    EXPECT_EQ(pasteObjects(e, clipboard), 1);
    EXPECT_TRUE(deleteObjects(e, false));
    EXPECT_EQ(e.panel.controlCount(), 0);
}
