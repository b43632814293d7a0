#pragma once

#include "platform/win/image/Image.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace win::image {

// PNG files through the distribution's libpng: any colour type and depth in, 8-bit RGBA out.
class PngCodec {
public:
    static bool LooksLikePng(std::span<const uint8_t> bytes);
    // Nullopt when the bytes are not a complete PNG file of a permitted size.
    static std::optional<Image> Decode(std::span<const uint8_t> bytes);
    // 8-bit RGBA when withAlpha, else RGB (alpha dropped); empty for an empty image.
    static std::vector<uint8_t> Encode(const Image& image, bool withAlpha);
    static bool WriteFile(const std::string& path, const Image& image, bool withAlpha);
};

} // namespace win::image
