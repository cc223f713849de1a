#include "imaging/JpegCodec.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

#include "imaging/Dib.h"

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void onError(j_common_ptr info)
{
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    std::longjmp(manager->jump, 1);
}

void onMessage(j_common_ptr, int) {}

QImage decodeInto(jpeg_decompress_struct& info)
{
    jpeg_read_header(&info, TRUE);
    // The header alone claims the size: a few bytes of a damaged design could
    // otherwise ask for a picture of hundreds of megabytes, filled with grey.
    if (!isPlausibleImageSize(info.image_width, info.image_height))
        return {};
    info.out_color_space = info.num_components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK)
        info.out_color_space = JCS_CMYK;
    jpeg_start_decompress(&info);
    const int channels = info.output_components;
    QImage image(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    std::vector<JSAMPLE> row(size_t(info.output_width) * size_t(channels));
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {row.data()};
        const int y = int(info.output_scanline);
        if (jpeg_read_scanlines(&info, rows, 1) != 1)
            break;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (JDIMENSION x = 0; x < info.output_width; ++x) {
            const JSAMPLE* p = row.data() + x * channels;
            if (channels == 1)
                line[x] = qRgb(p[0], p[0], p[0]);
            else if (channels == 4)  // Adobe CMYK is stored inverted
                line[x] = qRgb(p[0] * p[3] / 255, p[1] * p[3] / 255, p[2] * p[3] / 255);
            else
                line[x] = qRgb(p[0], p[1], p[2]);
        }
    }
    jpeg_finish_decompress(&info);
    return image;
}

} // namespace

QImage decodeJpeg(QByteArrayView jfif)
{
    if (jfif.size() < 4)
        return {};
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    errors.base.emit_message = onMessage;
    // Everything that must be released after a longjmp lives outside decodeInto's frame.
    QImage result;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(jfif.data()), static_cast<unsigned long>(jfif.size()));
    result = decodeInto(info);
    jpeg_destroy_decompress(&info);
    return result;
}

QByteArray encodeJpeg(const QImage& source, int quality, bool progressive)
{
    if (source.isNull())
        return {};
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    errors.base.emit_message = onMessage;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        return {};
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, std::clamp(quality, 1, 100), TRUE);
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {const_cast<JSAMPLE*>(image.constScanLine(int(info.next_scanline)))};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    QByteArray out(reinterpret_cast<const char*>(buffer), qsizetype(size));
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return out;
}
