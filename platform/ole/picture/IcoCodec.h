#pragma once

#include "platform/ole/picture/Image.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace ole {

// Icon files to and from in-memory images. Reading picks the largest image the file holds
// (deepest colour on a tie); images stored compressed are left to the drawing layer's decoders.
class IcoCodec {
public:
    static bool LooksLikeIco(std::span<const uint8_t> bytes);

    // Nullopt when the bytes are not an icon file this reader understands.
    static std::optional<Image> Decode(std::span<const uint8_t> bytes);

    // An icon file with one 32-bit image and its mask; the image must not be empty.
    static std::vector<uint8_t> Encode(const Image& image);
};

} // namespace ole
