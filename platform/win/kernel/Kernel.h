#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// a * b / c with a 64-bit intermediate, halves rounded away from zero; -1 when c is 0 or the
// result does not fit.
int MulDiv(int a, int b, int c);

// The platform clock in milliseconds (virtual in tests).
DWORD GetTickCount();

DWORD GetCurrentThreadId();

// Reports a fixed version: NT platform, 5.1, no service pack. The size field must be 148.
BOOL GetVersionExA(OSVERSIONINFOA* info);

// Returns the length without the NUL, or the size needed (with the NUL) when buf is too small.
DWORD GetCurrentDirectoryA(DWORD nBufferLength, LPSTR buf);
BOOL SetCurrentDirectoryA(LPCSTR path);

} // namespace win
