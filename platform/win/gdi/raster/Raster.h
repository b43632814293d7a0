#pragma once

#include "platform/win/gdi/raster/LineRaster.h"
#include "platform/win/gdi/raster/Region.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

namespace win::gdi {

class DeviceContext;
class Brush;

// Writing shapes through a DC's clip. Shapes are in device coordinates and touch each pixel
// once, so XOR and NOT drawings undo themselves. rop2 is R2_*; R2_COPYPEN writes the colour.
class Raster {
public:
    using ColorAt = std::function<std::optional<uint32_t>(int x, int y)>;

    static void PaintRegion(const DeviceContext& dc, const Region& shape, uint32_t color, int rop2);
    // colorAt gets device coordinates; an empty result leaves the pixel alone.
    static void PaintRegion(const DeviceContext& dc, const Region& shape, const ColorAt& colorAt,
                            int rop2);
    // The brush's pixels (pattern, hatch, brush origin); nothing for hollow brushes.
    static void PaintRegion(const DeviceContext& dc, const Region& shape, const Brush& brush,
                            int rop2);

    // Pixels given one by one (paths); colorOf gets each pixel's index along its path.
    static void PaintPixels(const DeviceContext& dc, std::span<const PathPixel> pixels,
                            const std::function<std::optional<uint32_t>(size_t)>& colorOf,
                            int rop2);
};

} // namespace win::gdi
