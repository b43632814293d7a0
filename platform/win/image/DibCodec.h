#pragma once

#include "platform/base/ByteReader.h"
#include "platform/base/ByteWriter.h"
#include "platform/base/FormatError.h"
#include "platform/win/image/Image.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace win::image {

// The device-independent bitmap shared by bitmap files and icon images.
//
// Reading understands the core, info, V4 and V5 headers and the uncompressed layouts (1, 4, 8,
// 16, 24, 32 bits per pixel, colour masks for 16 and 32, inside V4/V5 headers or after an info
// header) in either row order; run-length bitmaps are refused. A 32-bit image
// whose fourth bytes are all zero is read as opaque, since most writers leave that byte unused.
// Writing produces bottom-up rows of 32 bits per pixel (alpha in the fourth byte) or, for bitmap
// files that ask, 24 (alpha dropped).
class DibCodec {
public:
    // Decodes the bitmap whose header starts at `headerOffset` in `bytes`. `pixelOffset` is where
    // the pixel rows start (from a file header); without it they follow the colour table. An icon
    // image's header height counts the colour rows and the transparency mask rows after them.
    // Throws base::FormatError on anything malformed or unsupported.
    static Image Decode(std::span<const uint8_t> bytes, size_t headerOffset,
                        std::optional<size_t> pixelOffset, bool iconImage);

    // Appends header and rows; an icon image also gets the mask (set where alpha is 0).
    // bitsPerPixel is 32 or 24.
    static void Encode(base::ByteWriter& out, const Image& image, bool iconImage,
                       int bitsPerPixel = 32);

    // Bytes Encode appends for this image.
    static size_t EncodedSize(const Image& image, bool iconImage, int bitsPerPixel = 32);

    static constexpr uint32_t kInfoHeaderSize = 40;
};

} // namespace win::image
