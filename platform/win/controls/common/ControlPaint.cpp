#include "platform/win/controls/common/ControlPaint.h"

#include "platform/win/window/Geometry.h"

namespace win::controls {

ControlPaint::ControlPaint(HWND hwnd, const ControlFont& font)
    : m_paint(hwnd), m_font(m_paint.Get(), m_paint.Get() ? HGDIOBJ(font.Usable()) : HGDIOBJ{}) {
    GetClientRect(hwnd, &m_client);
}

} // namespace win::controls
