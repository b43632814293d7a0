#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// cbSize must be sizeof(WNDCLASSEXA); names compare without regard to case. Returns a non-zero
// atom, 0 when the name is taken or the description is incomplete.
ATOM RegisterClassExA(const WNDCLASSEXA* wc);
// Fails while windows of the class exist, and for the system classes.
BOOL UnregisterClassA(LPCSTR className, HINSTANCE instance);
BOOL GetClassInfoExA(HINSTANCE instance, LPCSTR className, WNDCLASSEXA* wc);
// Copies at most maxCount - 1 bytes plus a NUL; returns the bytes copied.
int GetClassNameA(HWND hwnd, LPSTR className, int maxCount);

} // namespace win
