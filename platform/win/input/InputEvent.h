#pragma once

#include "platform/win/WinTypes.h"

#include <cstdint>

namespace win::detail {

enum class MouseButton { Left, Right, Middle };

// One hardware event as a backend or a test injects it: screen pixels, clock timestamp.
struct InputEvent {
    enum class Kind { MouseMove, ButtonDown, ButtonUp, Wheel, KeyDown, KeyUp };

    Kind kind = Kind::MouseMove;
    POINT pt;
    MouseButton button = MouseButton::Left;
    int wheelDelta = 0;
    int vk = 0;
    // Only for keys whose vk is VK_PACKET: the Unicode code point the key types.
    char32_t codePoint = 0;
    DWORD time = 0;

    bool IsMouse() const { return kind <= Kind::Wheel; }
};

} // namespace win::detail
