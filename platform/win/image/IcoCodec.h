#pragma once

#include "platform/win/image/Image.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace win::image {

// One image chosen from an icon or cursor file.
struct IconFileImage {
    Image image; // transparency in the alpha channel (from the AND mask when the image has none)
    bool isCursor = false;
    int32_t hotspotX = 0; // cursors only
    int32_t hotspotY = 0;
};

// Icon (type 1) and cursor (type 2) files. Reading picks the entry closest to 32 x 32 (smallest
// |w - 32| + |h - 32|), the deepest colour on a tie, the first on a further tie; entries may be
// device-independent bitmaps with an AND mask (1, 4, 8, 24, 32 bits) or embedded PNG files.
class IcoCodec {
public:
    static bool LooksLikeIco(std::span<const uint8_t> bytes);
    static bool LooksLikeCur(std::span<const uint8_t> bytes);

    // Nullopt when the bytes are not an icon or cursor file this reader understands.
    static std::optional<IconFileImage> DecodeFile(std::span<const uint8_t> bytes);
    // The chosen image alone.
    static std::optional<Image> Decode(std::span<const uint8_t> bytes);

    // An icon file with one 32-bit image and its mask; the image must not be empty.
    static std::vector<uint8_t> Encode(const Image& image);
};

} // namespace win::image
