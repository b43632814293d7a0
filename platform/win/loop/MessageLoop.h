#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// Retrieves the next message: posted, then input, then WM_PAINT, then WM_TIMER. Returns 0 for
// WM_QUIT, -1 for an invalid window filter. Headless, when nothing is pending and no responder
// acts, nothing can ever arrive: it returns 0 with a WM_QUIT (wParam 0) instead of blocking.
BOOL GetMessageA(MSG* msg, HWND hwnd, UINT msgFilterMin, UINT msgFilterMax);
// PM_NOREMOVE leaves every queue and all input state as they are and calls no hook.
BOOL PeekMessageA(MSG* msg, HWND hwnd, UINT msgFilterMin, UINT msgFilterMax, UINT removeMsg);
// Posts WM_CHAR / WM_SYSCHAR for key-downs that type a character; non-zero for every key message.
BOOL TranslateMessage(const MSG* msg);
// WM_TIMER with a TIMERPROC in lParam calls it; everything else reaches the window's procedure.
LRESULT DispatchMessageA(const MSG* msg);
// hwnd null posts to the thread. FALSE for a window that no longer exists.
BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Asks for WM_QUIT, which is retrieved once no posted message is left.
void PostQuitMessage(int exitCode);
BOOL WaitMessage();
LONG GetMessageTime();
// Screen position of the cursor when the last message was retrieved, x in the low word.
DWORD GetMessagePos();

} // namespace win
