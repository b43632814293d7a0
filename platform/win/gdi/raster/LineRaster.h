#pragma once

#include "platform/win/WinTypes.h"

#include <cstddef>
#include <vector>

namespace win::gdi {

// A pixel of a path with its position along the path (dash patterns count from it).
struct PathPixel {
    POINT point;
    size_t index = 0;
};

// The pixels of a one-pixel line from `from` (included) to `to` (excluded), each once, in
// drawing order. Along the major axis step i = 0 .. n-1 and offset the minor axis by
// floor((2 * i * dminor + dmajor) / (2 * dmajor)): the ideal line rounded, halves away from the
// start, so axis-aligned and 45-degree lines are exact and a line drawn from either end covers
// the same pixels except at half-way ties. When |dx| == |dy| the x axis is major.
//
// Only pixels whose major coordinate lies in limit are returned (a line far longer than the
// target costs what its visible part costs); *length gets the whole line's pixel count.
std::vector<PathPixel> LinePixels(POINT from, POINT to, const RECT& limit, size_t* length);

} // namespace win::gdi
