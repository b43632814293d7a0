#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// Window positions and sizes beyond 27 bits (GDI's coordinate range) are pinned to it, so that
// origins, positions and extents can be added without overflowing.
inline constexpr int kCoordinateLimit = 1 << 27;
int PinCoordinate(long long value);

// Children are placed relative to their current parent's client area, top-level windows in
// screen pixels. Sends WM_WINDOWPOSCHANGING, WM_NCCALCSIZE (when the frame may change),
// WM_WINDOWPOSCHANGED, then WM_MOVE and WM_SIZE when the client area moved or resized, all before
// returning. A top-level window is activated unless SWP_NOACTIVATE is given.
BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);

// Screen coordinates, non-client area included.
BOOL GetWindowRect(HWND hwnd, RECT* rect);
// (0, 0, width, height) of the client area.
BOOL GetClientRect(HWND hwnd, RECT* rect);

BOOL ClientToScreen(HWND hwnd, POINT* point);
BOOL ScreenToClient(HWND hwnd, POINT* point);
// Null stands for the screen. Returns the horizontal offset in the low word and the vertical one
// in the high word; 0 on failure.
int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count);

} // namespace win
