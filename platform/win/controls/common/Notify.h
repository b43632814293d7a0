#pragma once

#include "platform/win/WinTypes.h"

namespace win::controls {

// WM_COMMAND to the control's parent: LOWORD = GWL_ID, HIWORD = code, lParam = the control.
void NotifyParent(HWND control, WORD code);
// WM_COMMAND(MAKEWPARAM(id, code), control) to target.
void NotifyWindow(HWND target, HWND control, uint32_t id, WORD code);

// WM_NOTIFY with an NMHDR to target; returns the receiver's answer.
LRESULT SendNotify(HWND target, HWND from, UINT_PTR id, int code);

} // namespace win::controls
