#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// Creation sends, in order: WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE (-1 destroys the window and
// yields 0), WM_SIZE, WM_MOVE, and with WS_VISIBLE the show (WM_SHOWWINDOW). A WS_CHILD window
// needs a parent and takes hMenu's value as its id; any other window given a parent is owned by it
// (even when that parent is a child window). hInstance is accepted and ignored.
HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param);

// Order of events:
//
//   1  every window owned by hwnd or a descendant is destroyed completely
//   2  hwnd is hidden (activation and focus move away)
//   3  WM_DESTROY to hwnd, then to each descendant, parents before children
//   4  WM_NCDESTROY to each descendant, children before parents, finally to hwnd; each handle
//      dies as its WM_NCDESTROY returns
//
// FALSE for a dead window or one already being destroyed.
BOOL DestroyWindow(HWND hwnd);

BOOL IsWindow(HWND hwnd);

} // namespace win
