// Seeds for the picture readers: a small file in every format the one picture entry point takes.
#include "FuzzSeeds.h"

#include "platform/win/image/BmpCodec.h"
#include "platform/win/image/IcoCodec.h"
#include "platform/win/image/PngCodec.h"
#include "testsupport/MetafileBytes.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace fuzz {

namespace {

using win::image::Image;

Image Gradient(int32_t width, int32_t height) {
    Image image{width, height, {}};
    for (int32_t i = 0; i < width * height; ++i) {
        image.pixels.push_back(0x80000000u | static_cast<uint32_t>(i * 0x0A1B2C));
    }
    return image;
}

// A JPEG written by libjpeg: baseline or progressive, colour or grey.
std::vector<uint8_t> Jpeg(const Image& image, bool progressive, bool grey) {
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
    if (progressive) {
        jpeg_simple_progression(&info);
    }
    jpeg_start_compress(&info, TRUE);
    std::vector<uint8_t> row;
    for (int32_t y = 0; y < image.height; ++y) {
        row.clear();
        for (int32_t x = 0; x < image.width; ++x) {
            const uint32_t pixel = image.At(x, y);
            for (int shift : {16, 8, 0}) {
                row.push_back(static_cast<uint8_t>(pixel >> shift));
                if (grey) {
                    break;
                }
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

// One-pixel GIF with a transparent colour; `interlaced` sets the frame's interlace flag.
std::vector<uint8_t> Gif(bool interlaced) {
    std::vector<uint8_t> bytes = {'G', 'I', 'F',  '8',  '9',  'a',  1,    0, 1,    0,    0x80,
                                  0,   0,   0xFF, 0xFF, 0xFF, 0,    0,    0, 0x21, 0xF9, 4,
                                  1,   0,   0,    0,    0,    0x2C, 0,    0, 0,    0,    1,
                                  0,   1,   0,    0,    2,    2,    0x44, 1, 0,    0x3B};
    if (interlaced) {
        bytes[36] = 0x40;
    }
    return bytes;
}

} // namespace

std::vector<std::vector<uint8_t>> Seeds() {
    const Image small = Gradient(5, 3);
    return {
        win::image::PngCodec::Encode(small, true),
        win::image::PngCodec::Encode(Gradient(9, 2), false),
        Jpeg(Gradient(17, 9), false, false),
        Jpeg(Gradient(8, 8), true, false),
        Jpeg(small, false, true),
        Gif(false),
        Gif(true),
        win::image::BmpCodec::Encode(small),
        win::image::IcoCodec::Encode(small),
        testsupport::PlaceableMetafile(200, 100, 1440),
        testsupport::EnhancedMetafile(96, 48),
    };
}

} // namespace fuzz
