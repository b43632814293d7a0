#pragma once

#include "platform/win/WinTypes.h"

#include <cstdint>
#include <span>
#include <vector>

namespace win::gdi {

// 0xAARRGGBB in memory order B, G, R, A.
constexpr uint32_t ColorToPixel(COLORREF color) {
    return 0xFF000000u | (uint32_t{GetRValue(color)} << 16) | (uint32_t{GetGValue(color)} << 8) |
           GetBValue(color);
}
constexpr COLORREF PixelToColor(uint32_t pixel) {
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

// A 32-bit BGRA framebuffer: one per top-level window, and one for the desktop.
class Surface {
public:
    Surface(int width, int height, uint32_t fill = 0xFF000000u);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    RECT Bounds() const { return {0, 0, m_width, m_height}; }
    std::span<const uint32_t> Pixels() const { return m_pixels; }
    std::span<uint32_t> Row(int y) {
        return std::span(m_pixels).subspan(static_cast<size_t>(y) * m_width, m_width);
    }

    uint32_t Pixel(int x, int y) const;
    void SetPixel(int x, int y, uint32_t pixel);
    // Clipped to the surface.
    void Fill(const RECT& rect, uint32_t pixel);
    // Keeps the pixels both sizes share; new pixels get the fill.
    void Resize(int width, int height, uint32_t fill = 0xFF000000u);

private:
    int m_width;
    int m_height;
    std::vector<uint32_t> m_pixels;
};

} // namespace win::gdi
