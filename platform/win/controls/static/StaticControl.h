#pragma once

#include "platform/win/controls/common/ControlFont.h"

namespace win::controls {

// One static window: text in one of the alignment styles, or an icon (SS_ICON). It takes the
// focus only by SetFocus and then receives keys like any window; it shows no caret. With
// SS_NOTIFY a click sends STN_CLICKED and a double click STN_DBLCLK.
class StaticControl {
public:
    explicit StaticControl(HWND hwnd) : m_hwnd(hwnd) {}

    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    DWORD Style() const;
    void Paint();

    HWND m_hwnd;
    ControlFont m_font;
    HICON m_icon;
};

} // namespace win::controls
