// Any bytes may arrive as a design's JSON description: build it, and when it
// builds, the result must read back as a design.
#include "FuzzSupport.h"

#include <cstdlib>

#include "files/DesignBuild.h"
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
    const DesignBuildResult built =
        buildDesignFromJson(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!built.ok())
        return 0;
    Card panel;
    ObjectManager manager(panel);
    LayoutRecord layout;
    QString linked;
    int32_t zoom = 100;
    if (parseDesignFile(manager, built.bytes, layout, linked, zoom) != DesignFileResult::Success)
        std::abort();  // build wrote a file this program cannot open
    return 0;
}
