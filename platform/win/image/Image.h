#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace win::image {

// Decoded pixels: top row first, each pixel 0xAARRGGBB (B, G, R, A in memory), alpha straight
// (not premultiplied).
struct Image {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;

    bool IsEmpty() const { return width <= 0 || height <= 0; }
    uint32_t At(int32_t x, int32_t y) const { return pixels[static_cast<size_t>(y) * width + x]; }

    bool operator==(const Image&) const = default;
};

// Largest image a file may decode to; keeps corrupt sizes from exhausting memory.
inline constexpr int64_t kMaxImagePixels = int64_t{1} << 24;
// Largest picture file read from disk: twice the bytes of the largest image's pixels.
inline constexpr uint64_t kMaxImageFileBytes = uint64_t{8} * kMaxImagePixels;

inline constexpr uint32_t kOpaque = 0xFF000000u;

} // namespace win::image
