#include "platform/win/gdi/raster/LineRaster.h"

#include <algorithm>
#include <cstdlib>

namespace win::gdi {

std::vector<PathPixel> LinePixels(POINT from, POINT to, const RECT& limit, size_t* length) {
    const int64_t dx = int64_t{to.x} - from.x;
    const int64_t dy = int64_t{to.y} - from.y;
    const int64_t adx = std::llabs(dx);
    const int64_t ady = std::llabs(dy);
    const bool xMajor = adx >= ady;
    const int64_t major = xMajor ? adx : ady;
    const int64_t minor = xMajor ? ady : adx;
    const int64_t majorStep = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int64_t minorStep = (xMajor ? dy : dx) < 0 ? -1 : 1;
    if (length) {
        *length = static_cast<size_t>(major);
    }
    // The steps whose major coordinate falls inside the limit.
    const int64_t start = xMajor ? from.x : from.y;
    const int64_t low = xMajor ? limit.left : limit.top;
    const int64_t high = xMajor ? limit.right : limit.bottom;
    int64_t first = majorStep > 0 ? low - start : start - (high - 1);
    int64_t last = majorStep > 0 ? high - 1 - start : start - low;
    first = std::max<int64_t>(first, 0);
    last = std::min<int64_t>(last, major - 1);
    std::vector<PathPixel> pixels;
    if (first > last) {
        return pixels;
    }
    pixels.reserve(static_cast<size_t>(last - first + 1));
    for (int64_t i = first; i <= last; ++i) {
        const int64_t offset = (2 * i * minor + major) / (2 * major);
        const auto a = static_cast<LONG>(i * majorStep);
        const auto b = static_cast<LONG>(offset * minorStep);
        const POINT p = xMajor ? POINT{from.x + a, from.y + b} : POINT{from.x + b, from.y + a};
        pixels.push_back({p, static_cast<size_t>(i)});
    }
    return pixels;
}

} // namespace win::gdi
