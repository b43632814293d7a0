#include "shared/gdi/CPatternBrush.h"

#include "platform/win/gdi/Bitmaps.h"
#include "platform/win/gdi/Brushes.h"

#include <algorithm>
#include <array>

namespace shared {

namespace {
constexpr size_t kPatternElements = 4;
} // namespace

bool CPatternBrush::isSame(std::span<const uint32_t> pattern) const {
    return std::ranges::equal(pattern, m_pattern);
}

bool CPatternBrush::init(std::span<const uint32_t> pattern) {
    m_brush.Reset(BuildBrush(pattern));
    if (!m_brush.Get())
        return false;
    m_pattern.assign(pattern.begin(), pattern.end());
    return true;
}

void CPatternBrush::UpdateInfo(std::span<const uint32_t> pattern) {
    if (isSame(pattern))
        return;
    m_brush.Reset();
    m_brush.Reset(BuildBrush(pattern));
    m_pattern.assign(pattern.begin(), pattern.end());
}

win::HBRUSH CPatternBrush::BuildBrush(std::span<const uint32_t> pattern) {
    // The bitmap needs 16 bytes; a shorter pattern would have it read past the array's end.
    if (pattern.size() < kPatternElements)
        return {};
    std::array<win::BYTE, 4 * kPatternElements> bits{};
    for (size_t i = 0; i < kPatternElements; ++i) {
        for (size_t b = 0; b < 4; ++b)
            bits[4 * i + b] = static_cast<win::BYTE>(pattern[i] >> (8 * b));
    }
    win::BITMAP bm;
    bm.bmType = 0;
    bm.bmWidth = 16;
    bm.bmHeight = 8;
    bm.bmWidthBytes = 2;
    bm.bmPlanes = 1;
    bm.bmBitsPixel = 1;
    bm.bmBits = bits.data();
    const win::HBITMAP bitmap = win::CreateBitmapIndirect(&bm);
    if (!bitmap)
        return {};
    // The brush keeps its own copy of the tile.
    const win::HBRUSH brush = win::CreatePatternBrush(bitmap);
    win::DeleteObject(bitmap);
    return brush;
}

} // namespace shared
