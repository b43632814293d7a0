#pragma once

#include "platform/win/Win.h"

#include <vector>

namespace shared::test {

// A small white colour surface in a memory DC, for pixel checks: black text in transparent mode,
// with the given font selected. Everything it selects and creates is released on destruction.
class TinySurface {
public:
    TinySurface(int width, int height, win::HFONT font = {})
        : m_width(width), m_height(height), m_dc(win::CreateCompatibleDC({})),
          m_bitmap(win::CreateBitmap(width, height, 1, 32, nullptr)) {
        m_oldBitmap = win::SelectObject(m_dc, m_bitmap);
        if (font)
            m_oldFont = win::SelectObject(m_dc, font);
        win::PatBlt(m_dc, 0, 0, width, height, win::WHITENESS);
        win::SetTextColor(m_dc, win::RGB(0, 0, 0));
        win::SetBkMode(m_dc, win::TRANSPARENT);
    }
    ~TinySurface() {
        if (m_oldFont)
            win::SelectObject(m_dc, m_oldFont);
        win::SelectObject(m_dc, m_oldBitmap);
        win::DeleteDC(m_dc);
        win::DeleteObject(m_bitmap);
    }
    TinySurface(const TinySurface&) = delete;
    TinySurface& operator=(const TinySurface&) = delete;

    win::HDC Dc() const { return m_dc; }
    win::COLORREF Pixel(int x, int y) const { return win::GetPixel(m_dc, x, y); }
    std::vector<win::COLORREF> Pixels() const {
        std::vector<win::COLORREF> pixels;
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                pixels.push_back(Pixel(x, y));
        return pixels;
    }
    // The first row holding a non-white pixel, or -1.
    int FirstInkedRow() const {
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                if (Pixel(x, y) != win::RGB(255, 255, 255))
                    return y;
        return -1;
    }
    win::SIZE Extent(std::string_view text) const {
        win::SIZE size;
        win::GetTextExtentPoint32A(m_dc, text.data(), static_cast<int>(text.size()), &size);
        return size;
    }

private:
    int m_width;
    int m_height;
    win::HDC m_dc;
    win::HBITMAP m_bitmap;
    win::HGDIOBJ m_oldBitmap;
    win::HGDIOBJ m_oldFont;
};

} // namespace shared::test
