#pragma once

#include "platform/win/WinTypes.h"

#include <cstdint>

namespace ole {
class Picture;
}

namespace forms {

inline constexpr int16_t kMousePointerDefault = 0;
inline constexpr int16_t kMousePointerCustom = 99;

// 0-15 and 99.
bool IsValidMousePointer(int value);
// Raises 380 unless valid.
int16_t CheckedMousePointer(int value);

// The cursor for a MousePointer value: null for 0 (the class cursor or the parent's applies), the
// stock cursor for 1-15, the icon's cursor for 99 (null without an icon).
win::HCURSOR CursorForMousePointer(int16_t pointer, const ole::Picture* mouseIcon);

} // namespace forms
