#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// Moves the visible client pixels by (dx, dy); SW_INVALIDATE invalidates what was exposed and
// what came from outside the visible region; SW_SCROLLCHILDREN moves the children too. Returns
// the type of the invalidated region, ERROR for a bad window.
int ScrollWindowEx(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN hrgnUpdate,
                   RECT* update, UINT flags);
BOOL ScrollWindow(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip);

} // namespace win
