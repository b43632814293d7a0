#pragma once

#include "platform/win/controls/common/ControlFont.h"
#include "platform/win/gdi/DcGuards.h"

namespace win::controls {

// One WM_PAINT of a control: BeginPaint with the control's font selected; the font is deselected
// and EndPaint called when the guard goes. Valid() is false when BeginPaint gave no DC.
class ControlPaint {
public:
    ControlPaint(HWND hwnd, const ControlFont& font);

    bool Valid() const { return static_cast<bool>(m_paint.Get()); }
    HDC Dc() const { return m_paint.Get(); }
    const RECT& Client() const { return m_client; }

private:
    PaintDc m_paint;
    SelectedObject m_font;
    RECT m_client;
};

} // namespace win::controls
