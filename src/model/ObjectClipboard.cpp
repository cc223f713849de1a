#include "model/ObjectClipboard.h"

#include <cmath>

#include "model/DesignEditor.h"
#include "model/ModelTexts.h"
#include "model/DesignObject.h"
#include "base/ByteStream.h"
#include "system/Clipboard.h"
#include "system/Messages.h"

QByteArray buildClipboardBlock(const DesignEditor& editor)
{
    QByteArray block;
    ByteWriter out(block);
    out.u32(kClipboardVersion);
    out.i32(0);
    out.i32(0);
    int32_t count = 0;
    for (const DesignObject* object : editor.selection()) {
        object->saveToRecord(block);
        ++count;
    }
    out.patchI32(4, count);
    out.patchI32(8, int32_t(block.size()));
    return block;
}

void copyObjects(const DesignEditor& editor, ClipboardPort& clipboard)
{
    clipboard.setPrivateBlock(buildClipboardBlock(editor));
}

void deleteSelection(DesignEditor& editor)
{
    const std::vector<DesignObject*> doomed = editor.selection();
    editor.clearSelection();
    editor.deleteObjects(doomed);
}

namespace {

using NewObjects = std::vector<std::unique_ptr<DesignObject>>;

void pasteBitmap(DesignEditor& editor, const QImage& bitmap, NewObjects& pasted)
{
    auto object = editor.manager().makeGraphic(nullptr, 10, 10);
    object->picture.setBitmap(bitmap);
    const int larger = std::max(bitmap.width(), bitmap.height());
    if (larger > 0) {
        const long double factor = 100.0L / larger;
        object->width = int(std::trunc(bitmap.width() * factor));
        object->height = int(std::trunc(bitmap.height() * factor));
    }
    pasted.push_back(std::move(object));
}

void pasteMetafile(DesignEditor& editor, const Picture& metafile, NewObjects& pasted)
{
    auto object = editor.manager().makeGraphic(nullptr, 10, 10);
    object->picture = metafile;
    pasted.push_back(std::move(object));
}

void pastePrivateBlock(DesignEditor& editor, const QByteArray& block, NewObjects& pasted)
{
    ByteReader header(block);
    const uint32_t version = header.u32();
    const int32_t count = header.i32();
    const int32_t total = header.i32();
    if (!header.ok()) {
        Messages::error(ModelTexts::CannotLockClipboard);
        return;
    }
    if (version > kClipboardVersion) {
        Messages::error(ModelTexts::VersionMismatch);
        return;
    }
    // Trust the stated size only as far as the block really goes.
    const qsizetype end = std::clamp<qsizetype>(total, kClipboardHeaderSize, block.size());
    QByteArrayView rest = QByteArrayView(block).sliced(kClipboardHeaderSize, end - kClipboardHeaderSize);
    const QSize regionSize = editor.card().size();
    for (int32_t i = 0; i < count; ++i) {
        const qsizetype size = objectRecordSize(rest);
        std::unique_ptr<DesignObject> object;
        if (size >= 0)
            object = editor.manager().objectFromRecord(rest.first(size));
        if (!object) {
            // What was pasted so far stays; the user learns the rest was lost.
            Messages::error(ModelTexts::PasteError);
            break;
        }
        object->keepInside(regionSize);
        pasted.push_back(std::move(object));
        rest = rest.sliced(size);
    }
}

void pasteText(DesignEditor& editor, const QString& text, NewObjects& pasted)
{
    auto object = editor.manager().makeText(10, 10);
    const QString kept = text.left(kMaxPastedTextLength);
    if (!kept.isEmpty())
        object->lines = QStringList{kept};
    pasted.push_back(std::move(object));
}

} // namespace

int32_t pasteObjects(DesignEditor& editor, const ClipboardPort& clipboard)
{
    editor.clearSelection();
    NewObjects pasted;
    if (const QImage bitmap = clipboard.bitmap(); !bitmap.isNull())
        pasteBitmap(editor, bitmap, pasted);
    else if (const Picture metafile = clipboard.metafile(); !metafile.isEmpty())
        pasteMetafile(editor, metafile, pasted);
    else if (const auto block = clipboard.privateBlock())
        pastePrivateBlock(editor, *block, pasted);
    else if (const auto text = clipboard.text())
        pasteText(editor, *text, pasted);
    // Everything pasted at once is one step, and becomes the selection.
    const std::vector<DesignObject*> added = editor.addObjects(std::move(pasted), ModelTexts::UndoPaste);
    editor.setSelection(added);
    return int32_t(added.size());
}

bool canCutCopyOrDelete(const DesignEditor& editor) { return !editor.selection().empty(); }

bool canPaste(const ClipboardPort& clipboard) { return clipboard.hasAnythingToPaste(); }

void cutObjects(DesignEditor& editor, ClipboardPort& clipboard)
{
    if (!canCutCopyOrDelete(editor))
        return;
    copyObjects(editor, clipboard);
    deleteSelection(editor);
}

bool deleteObjects(DesignEditor& editor, bool promptOnDelete)
{
    if (!canCutCopyOrDelete(editor))
        return false;
    if (promptOnDelete && Messages::askYesNo(ModelTexts::DeletePrompt) != Messages::Answer::Yes)
        return false;
    deleteSelection(editor);
    return true;
}
