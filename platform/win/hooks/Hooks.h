#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// Thread-local hooks: hMod is ignored; dwThreadId must be 0 or the calling thread's id.
HHOOK SetWindowsHookExA(int idHook, HOOKPROC proc, HINSTANCE hMod, DWORD dwThreadId);
BOOL UnhookWindowsHookEx(HHOOK hhk);
// Calls the next hook after the one running now, whatever hhk says (it may already be unhooked).
LRESULT CallNextHookEx(HHOOK hhk, int nCode, WPARAM wParam, LPARAM lParam);

} // namespace win
