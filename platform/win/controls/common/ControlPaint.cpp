#include "platform/win/controls/common/ControlPaint.h"

#include "platform/win/paint/Paint.h"
#include "platform/win/window/Geometry.h"

namespace win::controls {

ControlPaint::ControlPaint(HWND hwnd, const ControlFont& font)
    : m_hwnd(hwnd), m_hdc(BeginPaint(hwnd, &m_ps)) {
    GetClientRect(hwnd, &m_client);
    if (m_hdc) {
        m_font.emplace(m_hdc, font);
    }
}

ControlPaint::~ControlPaint() {
    m_font.reset();
    if (m_hdc) {
        EndPaint(m_hwnd, &m_ps);
    }
}

} // namespace win::controls
