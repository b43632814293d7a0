#pragma once

#include <cstdint>
#include <vector>

namespace win::text {

// A rendered glyph: one byte per pixel, non-zero where the glyph covers the pixel. left/top place
// the bitmap relative to the pen position on the baseline (top counts upward).
struct Glyph {
    int advance = 0;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<uint8_t> coverage;

    bool Covers(int x, int y) const { return coverage[static_cast<size_t>(y) * width + x] != 0; }
};

} // namespace win::text
