#pragma once

#include "platform/win/image/Image.h"

#include <cstdint>
#include <optional>
#include <span>

namespace win::image {

// The first frame of a GIF file through giflib, on the logical screen: pixels the frame does
// not cover and the transparent colour index (from the frame's graphic control) have alpha 0.
class GifCodec {
public:
    static bool LooksLikeGif(std::span<const uint8_t> bytes);
    static std::optional<Image> Decode(std::span<const uint8_t> bytes);
};

} // namespace win::image
