#include "platform/win/gdi/DeviceContext.h"

#include "platform/win/detail/WindowTable.h"
#include "platform/win/gdi/Screen.h"
#include "platform/win/gdi/Surface.h"

#include <algorithm>

namespace win::gdi {

DeviceContext::DeviceContext(HWND window, HWND root, POINT origin, Region clip)
    : m_window(window), m_root(root), m_origin(origin), m_clip(std::move(clip)) {}

RECT DeviceContext::ToDevice(const RECT& logical) const {
    return {logical.left + m_origin.x, logical.top + m_origin.y, logical.right + m_origin.x,
            logical.bottom + m_origin.y};
}

void DeviceContext::ForEachPiece(const RECT& deviceRect,
                                 const std::function<void(Surface&, const RECT&)>& fn) const {
    if (deviceRect.left >= deviceRect.right || deviceRect.top >= deviceRect.bottom) {
        return;
    }
    Region pieces(deviceRect);
    pieces.Intersect(m_clip);
    if (pieces.IsEmpty()) {
        return;
    }
    if (IsScreen()) {
        for (const RECT& piece : pieces.Rects()) {
            Screen::ForEachPiece(piece, fn);
        }
        return;
    }
    // The window may have died since the DC was handed out; drawing then does nothing.
    detail::WindowRecord* root = detail::LookupWindow(m_root);
    if (!root || !root->surface) {
        return;
    }
    for (const RECT& piece : pieces.Rects()) {
        fn(*root->surface, piece);
    }
}

void DeviceContext::FillSolid(const RECT& logicalRect, COLORREF color) {
    const RECT device = ToDevice(logicalRect);
    const uint32_t pixel = ColorToPixel(color);
    ForEachPiece(device, [&](Surface& surface, const RECT& piece) { surface.Fill(piece, pixel); });
    // Damage is kept in device coordinates regardless of which framebuffer took the pixels.
    Region clipped(device);
    clipped.Intersect(m_clip);
    if (!clipped.IsEmpty()) {
        const RECT b = clipped.Bounds();
        if (m_damage.left >= m_damage.right) {
            m_damage = b;
        } else {
            m_damage = {std::min(m_damage.left, b.left), std::min(m_damage.top, b.top),
                        std::max(m_damage.right, b.right), std::max(m_damage.bottom, b.bottom)};
        }
    }
}

COLORREF DeviceContext::PixelAt(int x, int y) const {
    const int dx = x + m_origin.x;
    const int dy = y + m_origin.y;
    COLORREF result = CLR_INVALID;
    ForEachPiece({dx, dy, dx + 1, dy + 1}, [&](Surface& surface, const RECT& piece) {
        result = PixelToColor(surface.Pixel(piece.left, piece.top));
    });
    return result;
}

RECT DeviceContext::TakeDamage() {
    const RECT damage = m_damage;
    m_damage = {};
    return damage;
}

} // namespace win::gdi
