#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// Every mouse message goes to the capture window, wherever the pointer is. The window losing
// capture gets WM_CAPTURECHANGED (lParam = the new capture window) after the change.
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();

} // namespace win
