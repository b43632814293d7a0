#pragma once

#include "platform/win/image/Image.h"

#include <cstdint>
#include <optional>
#include <span>

namespace win::image {

// JPEG files through the distribution's libjpeg, decoded to opaque RGB.
class JpegCodec {
public:
    static bool LooksLikeJpeg(std::span<const uint8_t> bytes);
    // Nullopt for anything libjpeg rejects, a permitted size exceeded or data cut short.
    static std::optional<Image> Decode(std::span<const uint8_t> bytes);
};

} // namespace win::image
