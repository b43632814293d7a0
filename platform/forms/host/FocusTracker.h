#pragma once

#include "platform/win/WinTypes.h"

namespace forms {

// Called by the runtime's window procedures when `to` received the focus from `from`. User
// controls containing `from` but not `to` get ExitFocus (innermost first), those containing `to`
// but not `from` get EnterFocus (outermost first): the focus entering or leaving a control or
// any of its constituents.
void NotifyFocusMoved(win::HWND from, win::HWND to);

} // namespace forms
