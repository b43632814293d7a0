#pragma once

#include "platform/win/WinTypes.h"

namespace forms {

// Called by the runtime's window procedures when `to` received the focus from `from`. User
// controls containing `from` but not `to` get ExitFocus (innermost first), those containing `to`
// but not `from` get EnterFocus (outermost first): the focus entering or leaving a control or
// any of its constituents.
void NotifyFocusMoved(win::HWND from, win::HWND to);

// Watches WM_SETFOCUS of every window beside the procedure chain, so the focus moving between
// windows the runtime did not create (a control's own raw child windows) still reaches
// NotifyFocusMoved. Installed once per thread; calling it again does nothing.
void WatchFocusOfEveryWindow();

} // namespace forms
