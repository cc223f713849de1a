// Any bytes may arrive as a design file: parse, describe every region and save again.
#include "FuzzSupport.h"

#include "files/DesignFile.h"
#include "model/Card.h"
#include "model/ObjectManager.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    startOffscreenApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Card panel;
    ObjectManager manager(panel);
    LayoutRecord layout;
    QString linked;
    int32_t zoom = 100;
    DesignFileInfo info;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (parseDesignFile(manager, bytes, layout, linked, zoom, &info) == DesignFileResult::Success) {
        for (const auto& [side, panelIndex] : info.blockSlots) {
            manager.detachLiveRegion();
            manager.showRegion({side, panelIndex});
        }
        buildDesignFile(manager, layout, linked, zoom);
    }
    return 0;
}
