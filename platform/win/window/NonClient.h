#pragma once

#include "platform/win/WinTypes.h"

namespace win::detail {

struct WindowRecord;

// Thickness of the non-client area on each side, from the styles alone.
struct NonClientInsets {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Frame (WS_THICKFRAME 4, dialog frame 3, WS_BORDER 1), then WS_EX_CLIENTEDGE 2 and
// WS_EX_STATICEDGE 1 inside it, the caption (WS_CAPTION) on top, the menu bar (menuBar high)
// under the caption and above the edges, and the scroll bar strips. Borders are symmetric. A
// window manager's frame, when given, takes the place of the frame and caption.
NonClientInsets ComputeNonClientInsets(DWORD style, DWORD exStyle,
                                       const NonClientInsets* managerFrame = nullptr,
                                       int menuBar = 0);

RECT ClientRectFromWindowRect(const RECT& windowRect, DWORD style, DWORD exStyle,
                              const NonClientInsets* managerFrame = nullptr, int menuBar = 0);

// The menu bar's rectangle in window coordinates; empty without a bar.
RECT MenuBarRectInWindow(const WindowRecord& record);

// HTNOWHERE outside, HTCLIENT, HTCAPTION, HTMENU, HTVSCROLL/HTHSCROLL or HTBORDER.
int NonClientHitTest(const WindowRecord& record, POINT screen);

// Paints the frame, edges, caption and scroll bar strips of hwnd into its window DC.
void PaintNonClient(HWND hwnd, bool active);

} // namespace win::detail
