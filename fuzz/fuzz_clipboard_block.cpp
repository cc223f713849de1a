// Any bytes may arrive on the clipboard under the private format.
#include <QGuiApplication>

#include "model/DesignEditor.h"
#include "model/ObjectClipboard.h"
#include "platform/Clipboard.h"
#include "platform/Messages.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    static Messages::RecordingSink sink;
    Messages::install(&sink);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    DesignEditor editor;
    editor.panel.setRegionSize(300, 200);
    MemoryClipboard clipboard;
    clipboard.setPrivateBlock(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    PasteObjects(editor, clipboard);
    BuildClipboardBlock(editor);
    return 0;
}
