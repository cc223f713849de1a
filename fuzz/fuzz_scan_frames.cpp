// A scanner may send anything: frame formats (as it reports them) and data
// in pieces of any size. The first 24 bytes of a frame give its format, the
// next two the length of its data.
#include <cstring>

#include "desktop/ScanImage.h"

namespace {

int32_t word(const uint8_t* p)
{
    int32_t v = 0;
    std::memcpy(&v, p, sizeof v);
    return v;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ScanImageBuilder builder;
    constexpr size_t kHeader = 26;
    while (size >= kHeader) {
        ScanFrameFormat format;
        format.kind = ScanFrameFormat::Kind(data[0] % 5);
        format.bytesPerLine = word(data + 4);
        format.pixelsPerLine = word(data + 8);
        format.lines = word(data + 12);
        format.depth = word(data + 16);
        const size_t length = std::min<size_t>(size - kHeader, size_t(data[24]) | (size_t(data[25]) << 8));
        if (!builder.beginFrame(format))
            break;
        builder.addData(reinterpret_cast<const char*>(data + kHeader), int(length));
        builder.endFrame();
        data += kHeader + length;
        size -= kHeader + length;
    }
    builder.image();
    return 0;
}
