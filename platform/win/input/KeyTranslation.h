#pragma once

#include "platform/win/input/KeyTable.h"

#include <optional>

namespace win::detail {

// Keys that type a code point instead of naming a key; the code point rides in the key message's
// lParam above bit 32.
inline constexpr int VK_PACKET = 0xE7;

// The character a key-down types on the US layout, given the key state at that key-down: letters
// follow Shift and Caps Lock, Ctrl+letter gives the control code, Enter/Esc/Backspace/Tab give 13,
// 27, 8, 9. Nothing for keys that type nothing.
std::optional<char32_t> CharForKey(int vk, const KeyTable& keys);

// How to type c with one key: the virtual key and whether Shift is needed. Nothing when no key of
// the layout types it (such text is injected as VK_PACKET keys).
struct KeyStroke {
    int vk = 0;
    bool shift = false;
};
std::optional<KeyStroke> KeyForChar(char32_t c);

// lParam of a key message: repeat 1, scan code, context (Alt) and previous-state/transition bits.
LPARAM KeyMessageLParam(int vk, bool down, bool wasDown, bool altDown, char32_t packetChar);
char32_t PacketCharFromLParam(LPARAM lParam);

} // namespace win::detail
