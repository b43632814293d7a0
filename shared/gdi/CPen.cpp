#include "shared/gdi/CPen.h"

#include "platform/win/gdi/Objects.h"
#include "platform/win/gdi/Pens.h"

namespace shared {

bool CPen::isSame(win::COLORREF color, int32_t style, int32_t width) const {
    return m_color == color && m_style == style && m_width == width;
}

bool CPen::init(win::COLORREF color, int32_t style, int32_t width) {
    m_pen.Reset(win::CreatePen(style, width, color));
    if (!m_pen.Get())
        return false;
    m_color = color;
    m_style = style;
    m_width = width;
    return true;
}

void CPen::UpdateInfo(win::COLORREF color, int32_t style, int32_t width) {
    if (isSame(color, style, width))
        return;
    m_pen.Reset();
    m_pen.Reset(win::CreatePen(style, width, color));
    m_color = color;
    m_style = style;
    m_width = width;
}

} // namespace shared
