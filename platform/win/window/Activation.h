#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// One active top-level window. On a change WM_NCACTIVATE and WM_ACTIVATE go to the window losing
// activation, then to the one gaining it (lParam = the other window). Returns the previous one.
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
BOOL SetForegroundWindow(HWND hwnd);
HWND GetForegroundWindow();

// The WH_CBT hook (HCBT_SETFOCUS) may refuse: null is returned and nothing is sent. Otherwise
// WM_KILLFOCUS (wParam = new) goes to the old focus and WM_SETFOCUS (wParam = old) to the new one
// before returning; a window of an inactive top-level window activates it first. Disabled and
// hidden windows refuse (null). Returns the previous focus.
HWND SetFocus(HWND hwnd);
HWND GetFocus();

} // namespace win
