#pragma once

#include "platform/win/WinTypes.h"
#include "platform/win/gdi/raster/LineRaster.h"
#include "platform/win/gdi/raster/Region.h"

#include <span>

namespace win::gdi {

// The union of the width x width squares a pen puts on each pixel of a path (each square starts
// width / 2 above and left of its pixel), within `bounds`. Built row by row from merged spans, so
// the cost follows the rows that can show rather than the square count times the region's size.
Region PenStroke(std::span<const PathPixel> path, int width, const RECT& bounds);

} // namespace win::gdi
