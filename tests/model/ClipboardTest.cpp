#include <gtest/gtest.h>

#include "TestSupport.h"
#include "model/DesignEditor.h"
#include "model/ObjectClipboard.h"
#include "model/DesignObject.h"
#include "base/ByteStream.h"
#include "system/Clipboard.h"

TEST(ObjectClipboard, CopyAndPasteAcrossZoomsKeepsTheSize)
{
    DesignEditor source;
    source.zoom = 200;
    source.card().setRegionSize(400, 300);
    for (DesignObject* c : {source.manager().createText(20, 40), source.manager().createBox(30, 40),
                             source.manager().createEllipse(100, 120)})
        source.select(c);
    source.selection()[1]->setBounds(30, 40, 60, 15);
    MemoryClipboard clipboard;
    copyObjects(source, clipboard);
    const QByteArray block = *clipboard.privateBlock();
    EXPECT_EQ(readU32At(block, 0), 700u);
    EXPECT_EQ(readU32At(block, 4), 3u);
    EXPECT_EQ(readU32At(block, 8), uint32_t(block.size()));

    DesignEditor target;
    target.card().setRegionSize(400, 300);
    EXPECT_EQ(pasteObjects(target, clipboard), 3);
    ASSERT_EQ(target.selection().size(), 3u);
    EXPECT_EQ(target.selection()[1]->rect(), QRect(30, 40, 60, 15));
    // The whole paste is one step.
    EXPECT_EQ(target.undoStack().count(), 1);
    EXPECT_TRUE(target.isModified());
    ASSERT_TRUE(target.undo());
    EXPECT_EQ(target.card().objectCount(), 0);
    ASSERT_TRUE(target.redo());
    EXPECT_EQ(target.card().object(1)->kind, ObjectKind::Box);
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
    EXPECT_FALSE(e.canUndo());
    EXPECT_FALSE(e.isModified());

    // A block that claims more records than it holds pastes what is there,
    // records it, and says the rest could not be pasted.
    recordedMessages().clear();
    DesignEditor source;
    source.select(source.manager().createBox(0, 0));
    QByteArray lying = buildClipboardBlock(source);
    lying[4] = 9;
    lying[8] = char(0xFF);
    clipboard.setPrivateBlock(lying);
    EXPECT_EQ(pasteObjects(e, clipboard), 1);
    EXPECT_EQ(messages.texts(), QStringList{"Error pasting clipboard data."});
    EXPECT_EQ(e.undoStack().count(), 1);
    EXPECT_TRUE(e.isModified());
}

TEST(ObjectClipboard, ForeignFormatsBecomeObjects)
{
    DesignEditor e;
    MemoryClipboard clipboard;
    QImage bitmap(400, 100, QImage::Format_RGB32);
    bitmap.fill(Qt::blue);
    clipboard.setBitmap(bitmap);
    EXPECT_EQ(pasteObjects(e, clipboard), 1);
    EXPECT_EQ(e.selection().front()->rect().size(), QSize(100, 25));
    EXPECT_EQ(e.selection().front()->picture.kind(), Picture::Kind::Bitmap);

    clipboard.setText("first line\r\nsecond line");
    EXPECT_EQ(pasteObjects(e, clipboard), 1);
    EXPECT_EQ(e.selection().front()->lines, QStringList{"first line\r\nsecond line"});

    clipboard.setText(QString(5000, 'x'));
    pasteObjects(e, clipboard);
    EXPECT_EQ(e.selection().front()->lines.front().size(), 4095);
}

TEST(ObjectClipboard, PastedObjectsBeyondASmallerSurfaceComeInside)
{
    DesignEditor source;
    source.card().setRegionSize(1000, 1000);
    DesignObject* box = source.manager().createBox(900, 10);
    source.select(box);
    MemoryClipboard clipboard;
    copyObjects(source, clipboard);

    DesignEditor small;
    small.card().setRegionSize(300, 300);
    ASSERT_EQ(pasteObjects(small, clipboard), 1);
    EXPECT_EQ(small.selection().front()->left, 300 - 120 - 25);
}

TEST(ObjectClipboard, DeletingTheSelectionIsOneStep)
{
    DesignEditor e;
    DesignObject* a = e.manager().createText(0, 0);
    DesignObject* b = e.manager().createLine(0, 0);
    e.manager().createBox(0, 0);
    e.select(a);
    e.select(b);
    deleteSelection(e);
    EXPECT_EQ(e.card().objectCount(), 1);
    EXPECT_TRUE(e.selection().empty());
    EXPECT_TRUE(e.isModified());
    ASSERT_TRUE(e.undo());
    EXPECT_EQ(e.card().objectCount(), 3);
    EXPECT_FALSE(e.undo());
}

TEST(ObjectClipboard, EditCommands)
{
    MessageRecorder messages;
    DesignEditor e;
    MemoryClipboard clipboard;
    EXPECT_FALSE(canCutCopyOrDelete(e));
    EXPECT_FALSE(canPaste(clipboard));
    DesignObject* box = e.manager().createBox(0, 0);
    e.select(box);
    recordedMessages().queueAnswer(Messages::Answer::No);
    EXPECT_FALSE(deleteObjects(e, true));
    EXPECT_EQ(messages.texts(), QStringList{"Delete the selected object(s).\n\nAre your sure?"});
    EXPECT_EQ(e.selection().size(), 1u);
    EXPECT_EQ(e.card().objectCount(), 1);

    cutObjects(e, clipboard);
    EXPECT_EQ(e.card().objectCount(), 0);
    EXPECT_TRUE(canPaste(clipboard));
    EXPECT_EQ(pasteObjects(e, clipboard), 1);
    EXPECT_TRUE(deleteObjects(e, false));
    EXPECT_EQ(e.card().objectCount(), 0);
}
