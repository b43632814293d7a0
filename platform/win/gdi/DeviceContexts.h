#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// A DC for the client area clipped to the visible region (children and siblings excluded as the
// window's WS_CLIPCHILDREN / WS_CLIPSIBLINGS ask). hwnd null or the desktop gives the screen DC.
HDC GetDC(HWND hwnd);
// Clipping from the flags only. hrgnClip is in screen coordinates (DCX_INTERSECTRGN /
// DCX_EXCLUDERGN).
HDC GetDCEx(HWND hwnd, HRGN hrgnClip, DWORD flags);
// The whole window, non-client area included.
HDC GetWindowDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC hdc);

// A memory DC with a 1x1 monochrome bitmap selected (hdc may be null).
HDC CreateCompatibleDC(HDC hdc);
// Deselects everything (the selected bitmap survives) and frees the DC.
BOOL DeleteDC(HDC hdc);

// HORZRES/VERTRES (screen pixels), BITSPIXEL 32, PLANES 1, LOGPIXELSX/Y 96 for every DC.
int GetDeviceCaps(HDC hdc, int index);

} // namespace win
