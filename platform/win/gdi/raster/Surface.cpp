#include "platform/win/gdi/raster/Surface.h"

#include <algorithm>

namespace win::gdi {

Surface::Surface(int width, int height, uint32_t fill)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)),
      m_pixels(static_cast<size_t>(m_width) * m_height, fill) {}

uint32_t Surface::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
        return 0;
    }
    return m_pixels[static_cast<size_t>(y) * m_width + x];
}

void Surface::SetPixel(int x, int y, uint32_t pixel) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
        return;
    }
    m_pixels[static_cast<size_t>(y) * m_width + x] = pixel;
}

void Surface::Fill(const RECT& rect, uint32_t pixel) {
    const int left = std::max<int>(rect.left, 0);
    const int right = std::min<int>(rect.right, m_width);
    const int top = std::max<int>(rect.top, 0);
    const int bottom = std::min<int>(rect.bottom, m_height);
    if (left >= right) {
        return;
    }
    if (top >= bottom) {
        return;
    }
    // One row is filled, the others copied from it: copying runs at memory speed.
    const auto first = m_pixels.begin() + static_cast<ptrdiff_t>(top) * m_width + left;
    std::fill_n(first, right - left, pixel);
    for (int y = top + 1; y < bottom; ++y) {
        std::copy_n(first, right - left,
                    m_pixels.begin() + static_cast<ptrdiff_t>(y) * m_width + left);
    }
}

void Surface::Resize(int width, int height, uint32_t fill) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == m_width && height == m_height) {
        return;
    }
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, fill);
    const int copyWidth = std::min(width, m_width);
    for (int y = 0; y < std::min(height, m_height); ++y) {
        std::copy_n(m_pixels.begin() + static_cast<ptrdiff_t>(y) * m_width, copyWidth,
                    pixels.begin() + static_cast<ptrdiff_t>(y) * width);
    }
    m_width = width;
    m_height = height;
    m_pixels.swap(pixels);
}

} // namespace win::gdi
