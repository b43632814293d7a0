#pragma once

#include "platform/win/WinTypes.h"

namespace win::detail {

struct WindowRecord;

// Top-level, enabled (unless allowDisabled), not WS_EX_NOACTIVATE and not of a class that never
// activates (tooltips, drop-down lists, menus, calendars).
bool MayActivate(const WindowRecord& record, bool allowDisabled = false);

// Makes hwnd the active window (how = WA_ACTIVE or WA_CLICKACTIVE); null deactivates.
void ChangeActiveWindow(HWND hwnd, WORD how);

// After leaving stops being eligible (hidden, destroyed, minimised): its owner if it can take
// activation (even while disabled: a modal dialog's owner is re-enabled right after), else the
// next shown top-level window in z-order, else none.
void ActivateNextWindow(HWND leaving);

// Drops the focus when it is on hwnd or inside it (WM_KILLFOCUS with wParam 0).
void ReleaseFocusWithin(HWND hwnd);

} // namespace win::detail
