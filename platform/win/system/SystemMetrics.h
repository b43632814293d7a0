#pragma once

#include "platform/win/WinTypes.h"

namespace win {

// Fixed platform values; the screen size comes from the display backend. Unknown indices give 0.
int GetSystemMetrics(int index);

namespace detail {
inline constexpr int kDefaultScrollBarSize = 17;
// The thickness of scroll bars and their arrows and thumbs (a user setting; tests change it).
void SetScrollBarSize(int pixels);
} // namespace detail

} // namespace win
