#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// A DC for the client area clipped to the visible region (children and siblings excluded as the
// window's WS_CLIPCHILDREN / WS_CLIPSIBLINGS ask). hwnd null or the desktop gives the screen DC.
HDC GetDC(HWND hwnd);
// hrgnClip is in screen coordinates (DCX_INTERSECTRGN / DCX_EXCLUDERGN).
HDC GetDCEx(HWND hwnd, HRGN hrgnClip, DWORD flags);
// The whole window, non-client area included.
HDC GetWindowDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC hdc);

// LOGPIXELSX / LOGPIXELSY: 96 for every DC.
int GetDeviceCaps(HDC hdc, int index);

} // namespace win
