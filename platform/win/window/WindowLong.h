#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// GWL_WNDPROC, GWL_HINSTANCE, GWL_HWNDPARENT (the owner), GWL_ID, GWL_STYLE, GWL_EXSTYLE,
// GWL_USERDATA. The setter returns the previous value. Style changes send WM_STYLECHANGING and
// WM_STYLECHANGED and apply at once; frame changes reach the layout at the next move, size or
// SWP_FRAMECHANGED. 0 for a dead window or unknown index.
LONG_PTR GetWindowLongA(HWND hwnd, int index);
LONG_PTR SetWindowLongA(HWND hwnd, int index, LONG_PTR value);

BOOL SetWindowTextA(HWND hwnd, LPCSTR text);
// Bytes copied without the NUL; never more than maxCount - 1 and never a split UTF-8 sequence.
int GetWindowTextA(HWND hwnd, LPSTR text, int maxCount);
int GetWindowTextLengthA(HWND hwnd);

} // namespace win
