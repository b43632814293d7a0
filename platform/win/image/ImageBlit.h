#pragma once

#include "platform/win/WinTypes.h"

#include <cstdint>
#include <functional>

namespace win::gdi {
class DeviceContext;
}

namespace win::image {

// Combines one source pixel into one destination pixel (both 0xAARRGGBB).
using PixelOp = std::function<void(uint32_t source, uint32_t& destination)>;

// Draws a srcWidth x srcHeight source onto the logical rectangle (x, y, cx, cy) of dc, nearest
// neighbour: destination column i samples source column floor((i + 0.5) * srcWidth / cx), rows
// alike. `clip` (logical, may be null) narrows the DC's clip. `sample` returns source pixels.
void BlitScaled(gdi::DeviceContext& dc, int x, int y, int cx, int cy, const RECT* clip,
                int srcWidth, int srcHeight, const std::function<uint32_t(int, int)>& sample,
                const PixelOp& op);

// Straight-alpha blend of source over destination, rounded to nearest.
uint32_t BlendOver(uint32_t source, uint32_t destination);

} // namespace win::image
