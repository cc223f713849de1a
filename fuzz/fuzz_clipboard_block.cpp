// Any bytes may arrive on the clipboard under the private format.
#include "FuzzSupport.h"

#include "model/DesignEditor.h"
#include "model/ObjectClipboard.h"
#include "system/Clipboard.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    startOffscreenApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    DesignEditor editor;
    editor.card().setRegionSize(300, 200);
    MemoryClipboard clipboard;
    clipboard.setPrivateBlock(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    pasteObjects(editor, clipboard);
    buildClipboardBlock(editor);
    return 0;
}
