#include "testsupport/MemoryCanvas.h"

#include "platform/win/gdi/Bitmaps.h"
#include "platform/win/gdi/Brushes.h"
#include "platform/win/gdi/DeviceContexts.h"
#include "platform/win/gdi/Drawing.h"

#include <algorithm>

namespace testsupport {

MemoryCanvas::OwnedDc::~OwnedDc() {
    win::DeleteDC(hdc);
}

MemoryCanvas::MemoryCanvas(int width, int height, win::COLORREF fill, int bitsPerPixel)
    : m_width(width), m_height(height), m_dc{win::CreateCompatibleDC({})},
      m_bitmap(win::CreateBitmap(width, height, 1, static_cast<win::UINT>(bitsPerPixel), nullptr)),
      m_selection(m_dc.hdc, m_bitmap.Get()) {
    Fill(fill);
}

void MemoryCanvas::Fill(win::COLORREF color) {
    const win::OwnedObject<win::HBRUSH> brush(win::CreateSolidBrush(color));
    const win::RECT all = All();
    win::FillRect(m_dc.hdc, &all, brush.Get());
}

win::COLORREF MemoryCanvas::At(int x, int y) const {
    return win::GetPixel(m_dc.hdc, x, y);
}

int MemoryCanvas::Count(const win::RECT& rect, win::COLORREF color) const {
    int n = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x)
            n += At(x, y) == color ? 1 : 0;
    }
    return n;
}

int MemoryCanvas::Ink(const win::RECT& rect, win::COLORREF background) const {
    return (rect.right - rect.left) * (rect.bottom - rect.top) - Count(rect, background);
}

std::optional<win::RECT> MemoryCanvas::InkBounds(win::COLORREF background) const {
    return InkBounds(All(), background);
}

std::optional<win::RECT> MemoryCanvas::InkBounds(const win::RECT& rect,
                                                 win::COLORREF background) const {
    std::optional<win::RECT> bounds;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            if (At(x, y) == background)
                continue;
            if (!bounds) {
                bounds = win::RECT{x, y, x + 1, y + 1};
                continue;
            }
            bounds->left = std::min<win::LONG>(bounds->left, x);
            bounds->top = std::min<win::LONG>(bounds->top, y);
            bounds->right = std::max<win::LONG>(bounds->right, x + 1);
            bounds->bottom = std::max<win::LONG>(bounds->bottom, y + 1);
        }
    }
    return bounds;
}

} // namespace testsupport
