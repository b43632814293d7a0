#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// rect in client coordinates (null: the whole client area); an empty rectangle adds nothing;
// bErase is OR-ed into the erase flag. Visible children under the rectangle are invalidated too
// unless hwnd has WS_CLIPCHILDREN. hwnd null invalidates every top-level window.
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL bErase);
BOOL InvalidateRgn(HWND hwnd, HRGN hrgn, BOOL bErase);
BOOL ValidateRect(HWND hwnd, const RECT* rect);
BOOL ValidateRgn(HWND hwnd, HRGN hrgn);
// Bounding box of the update region in client coordinates; non-zero when it is not empty. bErase
// sends the pending WM_NCPAINT and WM_ERASEBKGND first.
BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL bErase);

// Sends WM_NCPAINT if the frame is owed one, WM_ERASEBKGND if erasing was asked, and returns a DC
// clipped to the update region, which is then empty.
HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps);

// Sends WM_PAINT now to hwnd and then its descendants, where an update region is pending.
BOOL UpdateWindow(HWND hwnd);

// rect in client coordinates; hrgn (client coordinates) wins over rect.
BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN hrgn, UINT flags);

} // namespace win
