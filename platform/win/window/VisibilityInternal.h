#pragma once

#include "platform/win/WinTypes.h"

namespace win::detail {

// The state changes of showing and hiding without WM_SHOWWINDOW (SetWindowPos uses them too).
void MarkShown(HWND hwnd);
void MarkHidden(HWND hwnd);

} // namespace win::detail
