#pragma once

#include "platform/win/controls/common/ControlFont.h"

#include <optional>

namespace win::controls {

// One WM_PAINT of a control: BeginPaint with the control's font selected, EndPaint (after the
// font is deselected) when the guard goes. Valid() is false when BeginPaint gave no DC.
class ControlPaint {
public:
    ControlPaint(HWND hwnd, const ControlFont& font);
    ~ControlPaint();
    ControlPaint(const ControlPaint&) = delete;
    ControlPaint& operator=(const ControlPaint&) = delete;

    bool Valid() const { return static_cast<bool>(m_hdc); }
    HDC Dc() const { return m_hdc; }
    const RECT& Client() const { return m_client; }

private:
    HWND m_hwnd;
    PAINTSTRUCT m_ps;
    HDC m_hdc;
    RECT m_client;
    std::optional<FontSelection> m_font;
};

} // namespace win::controls
