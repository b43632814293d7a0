#pragma once

#include "platform/win/WinTypes.h"

namespace win::controls {

// The font a control was given by WM_SETFONT. The control does not own it; once the handle is
// deleted (a cache re-creates its font) the control draws with the DC's default font.
class ControlFont {
public:
    void Set(HFONT font) { m_font = font; }
    // What WM_GETFONT answers: the stored handle, 0 for the default.
    HFONT Get() const { return m_font; }
    // The stored handle while it still names a font, else null.
    HFONT Usable() const;
    // tmHeight of the usable font (or the default) in hwnd's DC; fallback when there is no DC.
    int LineHeight(HWND hwnd, int fallback) const;

private:
    HFONT m_font;
};

} // namespace win::controls
