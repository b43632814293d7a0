#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// The next (or previous) control after ctl in dlg's tab order: visible, enabled WS_TABSTOP
// descendants in z-order, entering WS_EX_CONTROLPARENT children, wrapping around. ctl null starts
// from the beginning (or the end). Returns ctl when it is the only candidate, null when there is
// none.
HWND GetNextDlgTabItem(HWND dlg, HWND ctl, BOOL previous);

} // namespace win
