#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// Fixed platform values; the screen size comes from the display backend. Unknown indices give 0.
int GetSystemMetrics(int index);

} // namespace win
