// Any bytes may arrive as a design file: parse, describe every region and save again.
#include "FuzzSupport.h"

#include "files/DesignFile.h"
#include "model/Card.h"
#include "model/ObjectManager.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    StartOffscreenApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TGridPanel panel;
    TObjectManager manager(panel);
    LayoutRecord layout;
    QString linked;
    int32_t zoom = 100;
    DesignFileInfo info;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (ParseDesignFile(manager, bytes, layout, linked, zoom, {}, &info) == DesignFileResult::Success) {
        for (const auto& [side, panelIndex] : info.blockSlots) {
            manager.CurrentSide = manager.CurrentPanel = -1;
            manager.ChangeRegion(-1, -1, side, panelIndex, 100);
        }
        BuildDesignFile(manager, layout, linked, zoom, manager.CurrentSide, manager.CurrentPanel);
    }
    return 0;
}
