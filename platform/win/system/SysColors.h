#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// From the platform's fixed table; unknown indices give 0.
DWORD GetSysColor(int index);

// A stock brush of that system colour (it follows SetSysColors; never deleted). Null for unknown
// indices.
HBRUSH GetSysColorBrush(int index);

// Test helper: changes the table and sends WM_SYSCOLORCHANGE to every top-level window.
BOOL SetSysColors(int count, const int* indices, const COLORREF* colors);

namespace detail {
void ResetSysColors();
} // namespace detail

} // namespace win
