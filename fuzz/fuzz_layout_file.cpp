// Any bytes may arrive as a layout file.
#include "files/LayoutFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto records = parseLayoutFile(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    for (LayoutRecord record : records) {
        layoutShownName(record);
        layoutNote(record);
        int32_t w = 0, h = 0;
        record.regionSize(&w, &h);
        record.paperSize(false, &w, &h);
        record.swapOrientation();
        record.toBytes();
    }
    return 0;
}
