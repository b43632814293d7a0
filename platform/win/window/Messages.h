#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// Synchronous, through the window's current procedure; 0 for a dead window.
LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Calls a stored procedure (a class procedure or an earlier subclass) and returns its result.
LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The platform's default handling of every message.
LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

} // namespace win
