#pragma once

#include "platform/win/WinTypes.h"

namespace win::controls {

// A press gives the control the focus unless it has it. False when a handler of the focus change
// destroyed the control (handles are never reused, so the check cannot be fooled).
bool TakeFocusOnPress(HWND hwnd);

} // namespace win::controls
