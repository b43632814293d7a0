#pragma once

#include "../window/WindowFixture.h"

#include "platform/win/gdi/DcGuards.h"
#include "platform/win/gdi/OwnedObject.h"

#include <initializer_list>
#include <utility>

namespace gditest {

using namespace win;
using wmtest::WindowTest;

// A memory DC with a fresh colour (32 bpp) or monochrome bitmap selected, white to start with.
class Canvas {
public:
    Canvas(int width, int height, int bitsPerPixel = 32)
        : m_dc(CreateCompatibleDC({})),
          m_bitmap(CreateBitmap(width, height, 1, bitsPerPixel, nullptr)),
          m_old(SelectObject(m_dc, m_bitmap)) {
        const RECT all{0, 0, width, height};
        FillRect(m_dc, &all, HBRUSH(GetStockObject(WHITE_BRUSH)));
    }
    ~Canvas() {
        SelectObject(m_dc, m_old);
        DeleteDC(m_dc);
        DeleteObject(m_bitmap);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return m_dc; }
    HBITMAP Bitmap() const { return m_bitmap; }
    COLORREF At(int x, int y) const { return GetPixel(m_dc, x, y); }

private:
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
};

// An object made for a scope: selected, and deleted once selected out again.
struct Selected {
    Selected(HDC dc, HGDIOBJ object) : owned(object), selection(dc, object) {}
    OwnedObject<HGDIOBJ> owned;
    SelectedObject selection;
};

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

} // namespace gditest
