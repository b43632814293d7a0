#include "shared/gdi/CBrush.h"

#include "platform/win/gdi/Brushes.h"

namespace shared {

bool CBrush::isSame(win::COLORREF color) const {
    return m_color == color;
}

bool CBrush::init(win::COLORREF color) {
    m_brush.Reset(win::CreateSolidBrush(color));
    if (!m_brush.Get())
        return false;
    m_color = color;
    return true;
}

void CBrush::UpdateInfo(win::COLORREF color) {
    if (isSame(color))
        return;
    // The old brush goes first, so a failed creation leaves no stale handle behind.
    m_brush.Reset();
    m_brush.Reset(win::CreateSolidBrush(color));
    m_color = color;
}

} // namespace shared
