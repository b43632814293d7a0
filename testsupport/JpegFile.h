#pragma once

#include "platform/win/image/Image.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <vector>

namespace testsupport {

// A JPEG file as libjpeg writes it, baseline or progressive, colour or grey (from each pixel's
// red byte): what the platform's reader meets from other programs. Header-only for fuzz seeds and
// benchmarks, which link libjpeg themselves.
inline std::vector<uint8_t> JpegFile(const win::image::Image& image, bool progressive = false,
                                     bool grey = false) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(image.width);
    info.image_height = static_cast<JDIMENSION>(image.height);
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<uint8_t> row;
    for (int32_t y = 0; y < image.height; ++y) {
        row.clear();
        for (int32_t x = 0; x < image.width; ++x) {
            const uint32_t pixel = image.At(x, y);
            for (int shift : {16, 8, 0}) {
                row.push_back(static_cast<uint8_t>(pixel >> shift));
                if (grey)
                    break;
            }
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<uint8_t> bytes(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

} // namespace testsupport
