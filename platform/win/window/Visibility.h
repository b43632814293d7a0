#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// Returns whether the window was visible before. Sends WM_SHOWWINDOW when visibility changes;
// minimise, maximise and restore send WM_SIZE (SIZE_MINIMIZED, SIZE_MAXIMIZED, SIZE_RESTORED).
// Hiding releases the focus and capture held inside the window and activates another window if it
// was active.
BOOL ShowWindow(HWND hwnd, int cmd);
// WS_VISIBLE on the window and every ancestor.
BOOL IsWindowVisible(HWND hwnd);
// Returns non-zero when the window was disabled before. Sends WM_ENABLE on a change.
BOOL EnableWindow(HWND hwnd, BOOL enable);
BOOL IsWindowEnabled(HWND hwnd);
BOOL IsIconic(HWND hwnd);
BOOL IsZoomed(HWND hwnd);

} // namespace win
