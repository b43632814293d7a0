#include "shared/util/Geometry.h"

#include "platform/ole/error/Error.h"
#include "platform/win/Win.h"
#include "platform/win/gdi/DcState.h"

#include <limits>

namespace shared {

namespace {
int32_t Checked(int64_t value) {
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        ole::RaiseError(ole::ERR_OVERFLOW);
    return static_cast<int32_t>(value);
}
} // namespace

bool PointInRect(float x, float y, const win::RECT& rect) {
    return rect.left < x && x < rect.right && rect.top < y && y < rect.bottom;
}

win::RECT RectFromExtent(int32_t x, int32_t y, int32_t cx, int32_t cy) {
    return {x, y, Checked(int64_t{x} + cx), Checked(int64_t{y} + cy)};
}

int32_t RectWidth(const win::RECT& rect) {
    return Checked(int64_t{rect.right} - rect.left);
}

int32_t RectHeight(const win::RECT& rect) {
    return Checked(int64_t{rect.bottom} - rect.top);
}

void AlignPatternBrush(win::HDC hdc, int32_t x, int32_t y) {
    // Negate in unsigned arithmetic: -INT_MIN would overflow, the low three bits are all we need.
    const auto phase = [](int32_t v) {
        return static_cast<int>((0u - static_cast<uint32_t>(v)) & 7u);
    };
    win::SetBrushOrgEx(hdc, phase(x), phase(y), nullptr);
}

void ForEachTile(const win::RECT& area, const win::RECT& rect, int32_t width, int32_t height,
                 const std::function<void(int32_t x, int32_t y)>& tile) {
    win::RECT meet{};
    if (width <= 0 || height <= 0 || !win::IntersectRect(&meet, &area, &rect))
        return;
    const int64_t firstX = area.left + (int64_t{meet.left} - area.left) / width * width;
    const int64_t firstY = area.top + (int64_t{meet.top} - area.top) / height * height;
    for (int64_t y = firstY; y < meet.bottom; y += height) {
        for (int64_t x = firstX; x < meet.right; x += width)
            tile(static_cast<int32_t>(x), static_cast<int32_t>(y));
    }
}

} // namespace shared
