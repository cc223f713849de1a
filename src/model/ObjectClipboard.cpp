#include "model/ObjectClipboard.h"

#include <cmath>

#include "model/DesignEditor.h"
#include "model/ModelTexts.h"
#include "model/ObjectData.h"
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
    for (const ObjectControl* control : editor.selection) {
        if (!control->data())
            continue;
        control->data()->saveToRecord(block, editor.zoom);
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
    while (!editor.selection.empty()) {
        ObjectControl* control = editor.selection.back();
        editor.selection.pop_back();
        if (control->data())
            editor.manager.undoHistory().push(
                {.type = ObjectDeleted, .control = control, .recordBefore = control->data()->toRecord(editor.zoom)});
        editor.manager.destroyObject(control);
    }
    editor.modified = true;
}

namespace {

void attachPasteHandlers(ObjectControl& control, const ControlHandlers& handlers)
{
    control.handlers.popupMenu = handlers.popupMenu;
    control.handlers.mouseDown = handlers.mouseDown;
    if (!control.isPicture())
        control.handlers.paint = handlers.paint;
}

int32_t pasteBitmap(DesignEditor& editor, const QImage& bitmap)
{
    ObjectControl* control = editor.manager.createGraphic(nullptr, 10, 10, true);
    attachPasteHandlers(*control, editor.handlers);
    control->picture.setBitmap(bitmap);
    const int larger = std::max(bitmap.width(), bitmap.height());
    if (larger > 0) {
        const long double factor = 100.0L / larger;
        control->width = int(std::trunc(bitmap.width() * factor));
        control->height = int(std::trunc(bitmap.height() * factor));
    }
    editor.select(control);
    return 1;
}

int32_t pasteMetafile(DesignEditor& editor, const Picture& metafile)
{
    ObjectControl* control = editor.manager.createGraphic(nullptr, 10, 10, true);
    attachPasteHandlers(*control, editor.handlers);
    control->picture = metafile;
    editor.select(control);
    return 1;
}

int32_t pastePrivateBlock(DesignEditor& editor, const QByteArray& block)
{
    ByteReader header(block);
    const uint32_t version = header.u32();
    const int32_t count = header.i32();
    const int32_t total = header.i32();
    if (!header.ok()) {
        Messages::error(ModelTexts::CannotLockClipboard);
        return 0;
    }
    if (version > kClipboardVersion) {
        Messages::error(ModelTexts::VersionMismatch);
        return 0;
    }
    // Trust the stated size only as far as the block really goes.
    const qsizetype end = std::clamp<qsizetype>(total, kClipboardHeaderSize, block.size());
    QByteArrayView rest = QByteArrayView(block).sliced(kClipboardHeaderSize, end - kClipboardHeaderSize);
    int32_t pasted = 0;
    for (int32_t i = 0; i < count; ++i) {
        const qsizetype size = objectRecordSize(rest);
        ObjectControl* control = nullptr;
        if (size >= 0)
            editor.manager.createFromRecord(rest.first(size), editor.zoom, editor.handlers, true, &control);
        if (!control) {
            // What was pasted so far stays; the user learns the rest was lost.
            Messages::error(ModelTexts::PasteError);
            break;
        }
        editor.select(control);
        ++pasted;
        rest = rest.sliced(size);
    }
    return pasted;
}

int32_t pasteText(DesignEditor& editor, const QString& text)
{
    ObjectControl* control = editor.manager.createText(10, 10);
    attachPasteHandlers(*control, editor.handlers);
    const QString kept = text.left(kMaxPastedTextLength);
    if (!kept.isEmpty())
        control->data()->lines = QStringList{kept};
    editor.select(control);
    return 1;
}

} // namespace

int32_t pasteObjects(DesignEditor& editor, const ClipboardPort& clipboard)
{
    editor.clearSelection();
    int32_t result = 0;
    if (const QImage bitmap = clipboard.bitmap(); !bitmap.isNull())
        result = pasteBitmap(editor, bitmap);
    else if (const Picture metafile = clipboard.metafile(); !metafile.isEmpty())
        result = pasteMetafile(editor, metafile);
    else if (const auto block = clipboard.privateBlock())
        result = pastePrivateBlock(editor, *block);
    else if (const auto text = clipboard.text())
        result = pasteText(editor, *text);
    if (result >= 1) {
        for (ObjectControl* control : editor.selection)
            if (control->data())
                editor.manager.undoHistory().push(
                    {.type = ObjectAdded, .control = control, .recordAfter = control->data()->toRecord(editor.zoom)});
        editor.modified = true;
    }
    return result;
}

bool canCutCopyOrDelete(const DesignEditor& editor) { return !editor.selection.empty(); }

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
