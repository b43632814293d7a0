// Seeds for the picture readers: a small file in every format the one picture entry point takes.
#include "FuzzSeeds.h"

#include "platform/win/image/BmpCodec.h"
#include "platform/win/image/IcoCodec.h"
#include "platform/win/image/PngCodec.h"
#include "testsupport/JpegFile.h"
#include "testsupport/MetafileBytes.h"

#include <cstdio>

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
        testsupport::JpegFile(Gradient(17, 9), false, false),
        testsupport::JpegFile(Gradient(8, 8), true, false),
        testsupport::JpegFile(small, false, true),
        Gif(false),
        Gif(true),
        win::image::BmpCodec::Encode(small),
        win::image::IcoCodec::Encode(small),
        testsupport::PlaceableMetafile(200, 100, 1440),
        testsupport::EnhancedMetafile(96, 48),
    };
}

} // namespace fuzz
