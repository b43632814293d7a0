#pragma once

#include "platform/win/image/Image.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace win::image {

// Bitmap files (the "BM" format) to and from in-memory images.
class BmpCodec {
public:
    static bool LooksLikeBmp(std::span<const uint8_t> bytes);

    // Nullopt when the bytes are not a bitmap file this reader understands.
    static std::optional<Image> Decode(std::span<const uint8_t> bytes);

    // A bottom-up bitmap file of 32 or 24 bits per pixel (opaque); the image must not be empty.
    static std::vector<uint8_t> Encode(const Image& image, int bitsPerPixel = 32);
};

} // namespace win::image
